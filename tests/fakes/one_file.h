// The lightest doubles of the file system and the user interface, for fuzz targets and
// benchmarks that only feed bytes through a reader: one file at every path (a write
// replaces it), and an interface that shows nothing and picks a fixed file.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/ui_port.h"

namespace dovevar {

class OneFile : public FileSystem {
 public:
  std::string bytes;

  explicit OneFile(std::string content = {}) : bytes(std::move(content)) {}
  ReadOutcome readFile(const std::u16string&, bool, std::string& out) override {
    out = bytes;
    return {ReadResult::kRead, {}};
  }
  PortResult replaceFile(const std::u16string&, std::string_view in) override {
    bytes.assign(in);
    return PortResult::success();
  }
  bool exists(const std::u16string&) override { return false; }
  bool listFolder(const std::u16string&, const FolderVisitor&) override { return false; }
  DriveType driveType(const std::u16string&) override { return DriveType::kNone; }
};

class QuietUi : public UiPort {
 public:
  explicit QuietUi(std::u16string chosen = u"in.dat") : chosen_(std::move(chosen)) {}
  int messageBox(std::u16string_view, std::u16string_view, BoxStyle) override { return kOk; }
  bool chooseFileToSave(const FileDialog&, std::u16string& path) override { return choose(path); }
  bool chooseFileToOpen(const FileDialog&, std::u16string& path) override { return choose(path); }

 private:
  bool choose(std::u16string& path) const {
    path = chosen_;
    return true;
  }
  std::u16string chosen_;
};

}  // namespace dovevar
