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
};

}  // namespace dovevar::win
