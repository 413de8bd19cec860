#include "app/version.h"

#include <cstdio>

#include "store/text_codec.h"

namespace dovevar {
namespace {

std::u16string number() {
  char text[16];
  std::snprintf(text, sizeof(text), "%d.%02d", kVersionMajor, kVersionMinor);
  return utf8ToUtf16(text);
}

}  // namespace

std::u16string windowTitle() { return u"Dovevar " + number(); }

std::u16string versionText() { return u"Dovevar, Version " + number(); }

}  // namespace dovevar
