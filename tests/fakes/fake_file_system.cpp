#include "fakes/fake_file_system.h"

#include "store/text_codec.h"

namespace dovevar {

FileSystem::ReadResult FakeFileSystem::readFile(const std::u16string& path, bool createIfMissing,
                                                std::string& bytes) {
  if (unopenable.count(path) != 0) return ReadResult::kFailed;
  auto found = files.find(path);
  if (found == files.end()) {
    if (!createIfMissing) return ReadResult::kMissing;
    found = files.emplace(path, std::string()).first;
  }
  bytes = found->second;
  return ReadResult::kRead;
}

bool FakeFileSystem::replaceFile(const std::u16string& path, std::string_view bytes) {
  ++replaceCalls;
  if (unwritable.count(path) != 0 || unopenable.count(path) != 0) return false;
  files[path] = std::string(bytes);
  return true;
}

void FakeFileSystem::putText(const std::u16string& path, std::u16string_view text, bool byteOrderMark) {
  std::string bytes = byteOrderMark ? "\xFF\xFE" : "";
  bytes += toUtf16LeBytes(text);
  files[path] = std::move(bytes);
}

std::u16string FakeFileSystem::text(const std::u16string& path) const {
  const auto found = files.find(path);
  if (found == files.end() || found->second.size() < 2) return {};
  return fromUtf16LeBytes(std::string_view(found->second).substr(2));
}

}  // namespace dovevar
