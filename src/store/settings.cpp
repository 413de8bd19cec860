#include "store/settings.h"

namespace dovevar {

void resetSettings(Settings& settings) { settings = Settings(); }

}  // namespace dovevar
