// Any bytes must convert without a fault, and valid text must survive the round trip.
#include "store/text_codec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string units = dovevar::fromUtf16LeBytes(bytes);
  const std::string utf8 = dovevar::utf16ToUtf8(units);
  // What utf16ToUtf8 produced is valid UTF-8, so it must come back unchanged.
  if (dovevar::utf16ToUtf8(dovevar::utf8ToUtf16(utf8)) != utf8) std::abort();
  dovevar::utf8ToUtf16(bytes);
  return 0;
}
