#include "fakes/fake_file_system.h"

#include "store/text_codec.h"

namespace dovevar {
namespace {

char16_t folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool isDriveRoot(std::u16string_view key) { return key.size() == 3 && key.substr(1) == u":\\"; }

// The folder's key: lower case, "." and ".." followed, no doubled or trailing
// backslash; a drive keeps its backslash ("c:\").
std::u16string key(std::u16string_view path) {
  std::vector<std::u16string> parts;
  std::u16string part;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != u'\\') {
      part += folded(path[i]);
      continue;
    }
    if (part == u"..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    part.clear();
  }
  std::u16string result;
  for (const auto& p : parts) result += (result.empty() ? u"" : u"\\") + p;
  if (result.size() == 2 && result[1] == u':') result += u'\\';
  return result;
}

std::u16string parentOf(std::u16string_view folderKey) {
  const size_t slash = folderKey.rfind(u'\\');
  if (slash == std::u16string_view::npos || isDriveRoot(folderKey)) return {};
  return key(folderKey.substr(0, slash + 1));
}

bool matches(std::u16string_view pattern, std::u16string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == u'*') {
    for (size_t skip = 0; skip <= name.size(); ++skip)
      if (matches(pattern.substr(1), name.substr(skip))) return true;
    return false;
  }
  return !name.empty() && (pattern[0] == u'?' || folded(pattern[0]) == folded(name[0])) &&
         matches(pattern.substr(1), name.substr(1));
}

}  // namespace

FileSystem::ReadOutcome FakeFileSystem::readFile(const std::u16string& path, bool createIfMissing,
                                                 std::string& bytes) {
  if (unopenable.count(path) != 0) return {ReadResult::kFailed, kSharingViolation};
  auto found = files.find(path);
  if (found == files.end()) {
    if (!createIfMissing) return {ReadResult::kMissing, {2, u"The system cannot find the file specified."}};
    found = files.emplace(path, std::string()).first;
  }
  bytes = found->second;
  return {ReadResult::kRead, {}};
}

PortResult FakeFileSystem::replaceFile(const std::u16string& path, std::string_view bytes) {
  ++replaceCalls;
  if (unopenable.count(path) != 0) return PortResult::failure(kSharingViolation);
  if (unwritable.count(path) != 0) return PortResult::failure(kDiskFull);
  files[path] = std::string(bytes);
  return PortResult::success();
}

bool FakeFileSystem::exists(const std::u16string& path) {
  if (files.count(path) != 0 || folders_.count(key(path)) != 0) return true;
  return list(path, [](const FolderEntry&) { return false; });
}

bool FakeFileSystem::listFolder(const std::u16string& pattern, const FolderVisitor& visit) {
  listedPatterns.push_back(pattern);
  return list(pattern, visit);
}

bool FakeFileSystem::list(const std::u16string& pattern, const FolderVisitor& visit) const {
  const size_t slash = pattern.rfind(u'\\');
  if (slash == std::u16string::npos) return false;
  const std::u16string folder = key(pattern.substr(0, slash + 1));
  const auto found = folders_.find(folder);
  if (found == folders_.end() || unlistable_.count(folder) != 0) return false;
  const std::u16string_view names = std::u16string_view(pattern).substr(slash + 1);
  bool listed = false;
  for (const Entry& e : found->second) {
    if (!matches(names, e.entry.name) && (e.shortName.empty() || !matches(names, e.shortName)))
      continue;
    listed = true;
    if (!visit(e.entry)) break;
  }
  return listed;
}

DriveType FakeFileSystem::driveType(const std::u16string& root) {
  if (root.size() != 3 || root.substr(1) != u":\\") return DriveType::kNone;
  const auto found = drives.find(folded(root[0]));
  return found == drives.end() ? DriveType::kNone : found->second;
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

void FakeFileSystem::addFolder(const std::u16string& path, std::uint32_t attributes,
                               LocalTime lastWrite) {
  const std::u16string folder = key(path);
  if (folders_.count(folder) != 0) return;
  std::vector<Entry>& listing = folders_[folder];
  if (isDriveRoot(folder)) return;
  listing.push_back({{u".", attributes, lastWrite}, {}});
  listing.push_back({{u"..", FileAttributes::kDirectory, {}}, {}});
  const std::u16string parent = parentOf(folder);
  if (parent.empty()) return;
  std::u16string name = path;
  while (!name.empty() && name.back() == u'\\') name.pop_back();
  // The folders above keep the case the path gives them.
  const std::u16string above = name.substr(0, name.rfind(u'\\') + 1);
  addFolder(key(above) == parent ? above : parent);
  name = name.substr(name.rfind(u'\\') + 1);
  folders_[parent].push_back({{name, attributes, lastWrite}, {}});
}

void FakeFileSystem::addFile(const std::u16string& folder, const std::u16string& name,
                             LocalTime lastWrite, std::uint32_t attributes, std::u16string shortName) {
  addFolder(folder);
  folders_[key(folder)].push_back({{name, attributes, lastWrite}, std::move(shortName)});
}

void FakeFileSystem::makeUnlistable(const std::u16string& folder) { unlistable_.insert(key(folder)); }

}  // namespace dovevar
