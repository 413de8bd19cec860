// A path as part of the name of a system object (a mutex, a window property): names
// cannot hold backslashes and have a limited length, and the same folder must give the
// same name in any letter case and with or without a last backslash.
#pragma once

#include <string>
#include <string_view>

namespace dovevar {

// Sixteen hexadecimal digits of a hash of the path, its letters A to Z folded and a last
// backslash dropped.
std::u16string pathKey(std::u16string_view path);

}  // namespace dovevar
