#include "platform/win/win_file_system.h"

#include <windows.h>

#include "platform/read_whole.h"
#include "platform/retry.h"
#include "platform/win/wide.h"
#include "store/path_key.h"
#include "platform/win/win_system_error.h"

namespace dovevar::win {
namespace {

constexpr DWORD kSequentialAttributes = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;
// A reader lets others read and write meanwhile: a viewer or an indexer that has the file
// open must not make Dovevar fail.
constexpr DWORD kReadSharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// A replace held up by another program is tried again for about a second.
constexpr int kReplaceTries = 10;
constexpr DWORD kReplacePauseMs = 100;

bool heldByAnother(const PortResult& result) {
  return result.error.code == ERROR_SHARING_VIOLATION || result.error.code == ERROR_ACCESS_DENIED ||
         result.error.code == ERROR_LOCK_VIOLATION;
}

PortResult moveOver(const wchar_t* temporary, const wchar_t* target) {
  if (MoveFileExW(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return PortResult::success();
  }
  return PortResult::failure(lastSystemError());
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void close() {
    if (valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() < 0x10000000 ? bytes.size() : 0x10000000);
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Creates or truncates the file and writes every byte through to the disk.
PortResult createWhole(const wchar_t* path, std::string_view bytes) {
  Handle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, kSequentialAttributes, nullptr));
  if (file.valid() && writeAll(file.get(), bytes) && FlushFileBuffers(file.get())) return PortResult::success();
  return PortResult::failure(lastSystemError());
}

// The entry's last-write time in local time; zeros when the time cannot be converted.
LocalTime localLastWrite(const FILETIME& written) {
  FILETIME local;
  SYSTEMTIME time;
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) return {};
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

}  // namespace

FileSystem::ReadOutcome WinFileSystem::readFile(const std::u16string& path, bool createIfMissing,
                                                std::string& bytes) {
  const std::wstring widePath = toWide(path);
  Handle file(CreateFileW(widePath.c_str(), GENERIC_READ, kReadSharing, nullptr,
                          createIfMissing ? OPEN_ALWAYS : OPEN_EXISTING, kSequentialAttributes,
                          nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? ReadResult::kMissing : ReadResult::kFailed, systemError(error)};
  }
  const bool read = readWhole(
      [&file](char* buffer, std::size_t capacity, std::size_t& got) {
        DWORD count = 0;
        const BOOL ok = ReadFile(file.get(), buffer, static_cast<DWORD>(capacity), &count, nullptr);
        got = count;
        return ok != FALSE;
      },
      bytes);
  if (!read) return {ReadResult::kFailed, lastSystemError()};
  return {ReadResult::kRead, {}};
}

// The new content goes to a temporary file in the same folder, which then takes the
// old file's place in one step; until then the old file is untouched. A folder too
// deep for a temporary name beside its file (MAX_PATH less 14) has its file rewritten
// in place.
PortResult WinFileSystem::replaceFile(const std::u16string& path, std::string_view bytes) {
  const std::wstring target = toWide(path);
  const size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
  if (folder.size() > MAX_PATH - 14) return createWhole(target.c_str(), bytes);
  wchar_t temporary[MAX_PATH + 16] = {};
  if (GetTempFileNameW(folder.c_str(), L"dvv", 0, temporary) == 0) return PortResult::failure(lastSystemError());
  PortResult written = createWhole(temporary, bytes);
  if (written) {
    written = retryTransient([&] { return moveOver(temporary, target.c_str()); }, heldByAnother,
                             [] { Sleep(kReplacePauseMs); }, kReplaceTries);
  }
  if (!written) DeleteFileW(temporary);
  return written;
}

bool WinFileSystem::exists(const std::u16string& path) {
  return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinFileSystem::listFolder(const std::u16string& pattern, const FolderVisitor& visit) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(toWide(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    const FolderEntry entry{fromWide(found.cFileName), found.dwFileAttributes,
                            localLastWrite(found.ftLastWriteTime)};
    if (!visit(entry)) break;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

PortResult WinFileSystem::exclusively(const std::u16string& path, const std::function<PortResult()>& step) {
  const std::wstring name = L"Local\\Dovevar.file." + toWide(pathKey(path));
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) return step();
  const DWORD waited = WaitForSingleObject(mutex, 5000);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return PortResult::failure(systemError(ERROR_TIMEOUT));
  }
  PortResult result = step();
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return result;
}

DriveType WinFileSystem::driveType(const std::u16string& root) {
  switch (GetDriveTypeW(toWide(root).c_str())) {
    case DRIVE_REMOVABLE: return DriveType::kRemovable;
    case DRIVE_FIXED: return DriveType::kFixed;
    case DRIVE_REMOTE: return DriveType::kNetwork;
    case DRIVE_CDROM: return DriveType::kCdRom;
    case DRIVE_RAMDISK: return DriveType::kRamDisk;
    default: return DriveType::kNone;  // DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR
  }
}

}  // namespace dovevar::win
