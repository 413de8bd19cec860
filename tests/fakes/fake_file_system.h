// An in-memory file system for the unit tests: files by path, and switches that make
// opening or replacing a file fail the way a locked file or a full disk does.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace dovevar {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::u16string, std::string> files;
  std::set<std::u16string> unopenable;    // opening fails (held by another process)
  std::set<std::u16string> unwritable;    // replacing fails (full disk, read-only folder)
  int replaceCalls = 0;

  ReadResult readFile(const std::u16string& path, bool createIfMissing, std::string& bytes) override;
  bool replaceFile(const std::u16string& path, std::string_view bytes) override;
  bool exists(const std::u16string& path) override { return files.count(path) != 0; }

  // Test helpers: a stored file from UTF-16 text with or without the byte-order mark.
  void putText(const std::u16string& path, std::u16string_view text, bool byteOrderMark = true);
  // The file's text after its byte-order mark.
  std::u16string text(const std::u16string& path) const;
};

}  // namespace dovevar
