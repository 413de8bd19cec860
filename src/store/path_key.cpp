#include "store/path_key.h"

#include <cstdint>

#include "store/ascii_case.h"

namespace dovevar {

std::u16string pathKey(std::u16string_view path) {
  if (path.size() > 1 && path.back() == u'\\') path.remove_suffix(1);
  // FNV-1a over the folded code units.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char16_t unit : path) {
    hash ^= foldAsciiCase(unit);
    hash *= 1099511628211ull;
  }
  constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string key(16, u'0');
  for (int i = 15; i >= 0; --i, hash >>= 4) key[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
  return key;
}

}  // namespace dovevar
