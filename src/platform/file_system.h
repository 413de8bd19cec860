// The file system as the core sees it. The Win32 implementation is in
// platform/win/win_file_system.*, the test double in tests/fakes/fake_file_system.*.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/system_error.h"

namespace dovevar {

// Attribute bits of a folder entry, the platform's own values. A folder that carries
// anything besides kDirectory (read-only, hidden, system, archive, ...) shows it here.
struct FileAttributes {
  static constexpr std::uint32_t kReadOnly = 0x01;
  static constexpr std::uint32_t kHidden = 0x02;
  static constexpr std::uint32_t kSystem = 0x04;
  static constexpr std::uint32_t kDirectory = 0x10;
  static constexpr std::uint32_t kArchive = 0x20;
  static constexpr std::uint32_t kNormal = 0x80;
};

// A time in local time: a file time converted, or the clock's reading.
struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct FolderEntry {
  std::u16string name;  // as stored on disk
  std::uint32_t attributes = 0;
  LocalTime lastWrite;
};

// What a drive root ("c:\") is; kNone for an unknown kind or a root that does not exist.
enum class DriveType { kNone, kRemovable, kFixed, kNetwork, kCdRom, kRamDisk };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  enum class ReadResult { kRead, kMissing, kFailed };
  // How a read went; with kMissing and kFailed, what the system said.
  struct ReadOutcome {
    ReadResult result = ReadResult::kFailed;
    SystemError error;

    bool operator==(ReadResult other) const { return result == other; }
  };

  // Reads a whole file, opened without sharing. With createIfMissing a missing file is
  // created empty and read as empty. A read that fails part of the way is kFailed, never
  // the part that was read.
  virtual ReadOutcome readFile(const std::u16string& path, bool createIfMissing, std::string& bytes) = 0;

  // Replaces the file's content with `bytes` so that it holds either the old content
  // or all of the new: a crash or a full disk in the middle loses nothing.
  virtual PortResult replaceFile(const std::u16string& path, std::string_view bytes) = 0;

  // True when a file or folder of that name exists.
  virtual bool exists(const std::u16string& path) = 0;

  // Gives `visit` each entry that matches `pattern` (a folder, a backslash and a name
  // that may hold wildcards: "c:\plans\*.dwg"), in the order the platform lists them,
  // until `visit` returns false. A folder other than a drive root lists its own "."
  // and ".." first. Names match without regard to case, and so do their short 8.3
  // names: "*.dwg" also gives "x.dwgx", whose short name ends in ".DWG". False when
  // nothing was listed: no such folder, a folder that cannot be read, no match.
  using FolderVisitor = std::function<bool(const FolderEntry&)>;
  virtual bool listFolder(const std::u16string& pattern, const FolderVisitor& visit) = 0;

  // The kind of the drive whose root is `root` ("a:\" ... "z:\").
  virtual DriveType driveType(const std::u16string& root) = 0;

  // Runs `step` while no other process runs a step under the same path: for a file that
  // several processes read, change and replace (the run report of a window and of a night
  // run). Where there are no other processes, the step simply runs.
  virtual PortResult exclusively(const std::u16string& /*path*/, const std::function<PortResult()>& step) {
    return step();
  }
};

}  // namespace dovevar
