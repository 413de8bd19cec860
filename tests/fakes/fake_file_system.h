// An in-memory file system for the unit tests: files by path, and switches that make
// opening or replacing a file fail the way a locked file or a full disk does; and a
// folder tree whose listings come in the order the test builds them, with attributes,
// last-write times, short names, folders that cannot be listed and drive types.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace dovevar {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::u16string, std::string> files;
  std::set<std::u16string> unopenable;    // opening fails (held by another process)
  std::set<std::u16string> unwritable;    // replacing fails (full disk, read-only folder)
  int replaceCalls = 0;
  std::map<char16_t, DriveType> drives;   // by lower-case drive letter; others kNone
  std::vector<std::u16string> listedPatterns;  // every listFolder pattern, in order

  // What the system says of an unopenable and of an unwritable file.
  static inline const SystemError kSharingViolation{
      32, u"The process cannot access the file because it is being used by another process."};
  static inline const SystemError kDiskFull{112, u"There is not enough space on the disk."};

  ReadOutcome readFile(const std::u16string& path, bool createIfMissing, std::string& bytes) override;
  PortResult replaceFile(const std::u16string& path, std::string_view bytes) override;
  // A stored file, or a folder or entry of the folder tree.
  bool exists(const std::u16string& path) override;
  // Matches "*" and "?" without regard to case, against each entry's name and short name.
  bool listFolder(const std::u16string& pattern, const FolderVisitor& visit) override;
  DriveType driveType(const std::u16string& root) override;

  // Test helpers: a stored file from UTF-16 text with or without the byte-order mark.
  void putText(const std::u16string& path, std::u16string_view text, bool byteOrderMark = true);
  // The file's text after its byte-order mark.
  std::u16string text(const std::u16string& path) const;

  // The folder tree. Paths compare without regard to case; "." and ".." in them are
  // followed. Each call appends to its folder's listing, so the test sets the order.
  // A folder, with the folders above it; a new folder other than a drive root begins
  // its listing with "." and "..", and appears in its parent's listing.
  void addFolder(const std::u16string& path, std::uint32_t attributes = FileAttributes::kDirectory,
                 LocalTime lastWrite = {});
  // A file in a folder (made when missing); `shortName` also matches patterns.
  void addFile(const std::u16string& folder, const std::u16string& name, LocalTime lastWrite = {},
               std::uint32_t attributes = FileAttributes::kArchive, std::u16string shortName = {});
  // Listing this folder fails from now on.
  void makeUnlistable(const std::u16string& folder);

 private:
  struct Entry {
    FolderEntry entry;
    std::u16string shortName;
  };
  bool list(const std::u16string& pattern, const FolderVisitor& visit) const;

  std::map<std::u16string, std::vector<Entry>> folders_;  // by key()
  std::set<std::u16string> unlistable_;
};

}  // namespace dovevar
