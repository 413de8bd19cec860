#include "config/win/first_run.h"

namespace dovevar::win {

void runFirstRunSetUp(AppState&) {}

}  // namespace dovevar::win
