#include "collect/drawing_paths.h"

#include "store/ascii_case.h"

namespace dovevar {

std::u16string joinPath(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  if (!path.empty() && path.back() != u'\\') path += u'\\';
  path += name;
  return path;
}

bool endsWithIgnoringCase(std::u16string_view text, std::u16string_view ending) {
  if (text.size() < ending.size()) return false;
  const std::u16string_view tail = text.substr(text.size() - ending.size());
  for (std::size_t i = 0; i < ending.size(); ++i)
    if (foldAsciiCase(tail[i]) != foldAsciiCase(ending[i])) return false;
  return true;
}

}  // namespace dovevar
