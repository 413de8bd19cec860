#pragma once

#include "platform/file_system.h"

namespace dovevar::win {

class WinFileSystem : public FileSystem {
 public:
  ReadOutcome readFile(const std::u16string& path, bool createIfMissing, std::string& bytes) override;
  PortResult replaceFile(const std::u16string& path, std::string_view bytes) override;
  bool exists(const std::u16string& path) override;
  bool listFolder(const std::u16string& pattern, const FolderVisitor& visit) override;
  DriveType driveType(const std::u16string& root) override;
  // A mutex named after the path, waited for at most a few seconds: a process that
  // crashed holding it has let go of it, and a step that waits too long reports so.
  PortResult exclusively(const std::u16string& path, const std::function<PortResult()>& step) override;
};

}  // namespace dovevar::win
