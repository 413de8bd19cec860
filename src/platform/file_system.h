// The file system as the core sees it. The Win32 implementation is in
// platform/win/win_file_system.*, the test double in tests/fakes/fake_file_system.*.
#pragma once

#include <string>
#include <string_view>

namespace dovevar {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  enum class ReadResult { kRead, kMissing, kFailed };

  // Reads a whole file, opened without sharing. With createIfMissing a missing file is
  // created empty and read as empty.
  virtual ReadResult readFile(const std::u16string& path, bool createIfMissing,
                              std::string& bytes) = 0;

  // Replaces the file's content with `bytes` so that it holds either the old content
  // or all of the new: a crash or a full disk in the middle loses nothing.
  virtual bool replaceFile(const std::u16string& path, std::string_view bytes) = 0;

  // True when a file or folder of that name exists.
  virtual bool exists(const std::u16string& path) = 0;
};

}  // namespace dovevar
