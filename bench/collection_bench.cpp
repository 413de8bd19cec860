// Collecting drawings at list scale: one folder of 20,000 drawings, and a tree of 32
// folders of 1,000 drawings each, into a Drawing list of eight columns. The folders
// live in memory, so what is measured is the collection and the list, not a disk.
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "collect/drawing_paths.h"
#include "collect/folder_scan.h"
#include "collect/folder_tree.h"
#include "collection_set.h"
#include "list/drawing_list.h"

namespace dovevar {
namespace {

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Folders by exact path; "*" lists everything, "*.ext" what ends in ".ext".
class MemoryFolders : public FileSystem {
 public:
  std::map<std::u16string, std::vector<FolderEntry>> folders;

  ReadOutcome readFile(const std::u16string&, bool, std::string&) override { return {ReadResult::kMissing, {}}; }
  PortResult replaceFile(const std::u16string&, std::string_view) override { return PortResult::failure({}); }
  bool exists(const std::u16string&) override { return false; }
  DriveType driveType(const std::u16string&) override { return DriveType::kFixed; }
  bool listFolder(const std::u16string& pattern, const FolderVisitor& visit) override {
    const std::size_t slash = pattern.rfind(u'\\');
    const auto found = folders.find(pattern.substr(0, slash));
    if (found == folders.end()) return false;
    const std::u16string_view ending = std::u16string_view(pattern).substr(slash + 2);
    for (const FolderEntry& entry : found->second)
      if (endsWithIgnoringCase(entry.name, ending) && !visit(entry)) break;
    return true;
  }

  // A folder listing "." and "..", then `subfolders`, then `drawings` drawings.
  void addFolder(const std::u16string& path, const std::vector<std::u16string>& subfolders, int drawings) {
    std::vector<FolderEntry>& entries = folders[path];
    entries.push_back({u".", FileAttributes::kDirectory, {}});
    entries.push_back({u"..", FileAttributes::kDirectory, {}});
    for (const std::u16string& name : subfolders) entries.push_back({name, FileAttributes::kDirectory, {}});
    char name[64];
    for (int i = 0; i < drawings; ++i) {
      std::snprintf(name, sizeof name, "Plan-%05d-Rev%c.dwg", i, 'A' + i % 7);
      entries.push_back({ascii(name), FileAttributes::kArchive, {2024, 1 + i % 12, 1 + i % 28, i % 24, i % 60}});
    }
  }
};

const std::u16string kRoot = u"C:\\Projects\\Site042\\Drawings";

void BM_ScanFolderOfTwentyThousandDrawings(benchmark::State& state) {
  MemoryFolders files;
  files.addFolder(kRoot, {}, 20000);
  for (auto _ : state) {
    auto list = std::make_unique<DrawingList>();
    list->rebuildColumns(collectionBenchSet());
    benchmark::DoNotOptimize(scanFolder(files, *list, collectionBenchSet(), kRoot, DrawingType::kDwg, 0));
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 20000);
}
BENCHMARK(BM_ScanFolderOfTwentyThousandDrawings)->Unit(benchmark::kMillisecond);

// A chain of 32 folders, each holding the next: the walk lists 31 of them, and finding
// the 32nd fills its table, so 31 folders of 1,000 drawings are scanned.
void BM_CollectTreeOfThirtyTwoFoldersOfThousandDrawings(benchmark::State& state) {
  MemoryFolders files;
  std::u16string folder = kRoot;
  for (int level = 1; level <= 32; ++level) {
    const std::u16string sub = ascii("L" + std::to_string(level));
    files.addFolder(folder, {sub}, 1000);
    folder += u"\\" + sub;
  }
  constexpr int kScannedRows = 31 * 1000;
  for (auto _ : state) {
    auto list = std::make_unique<DrawingList>();
    list->rebuildColumns(collectionBenchSet());
    std::vector<TreeFolder> table = walkFolderTree(files, kRoot);
    benchmark::DoNotOptimize(scanFolderTree(files, *list, collectionBenchSet(), table, DrawingType::kDwg, 0));
    if (list->rowCount() != kScannedRows) {
      state.SkipWithError("the walk scanned another number of rows");
      break;
    }
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kScannedRows);
}
BENCHMARK(BM_CollectTreeOfThirtyTwoFoldersOfThousandDrawings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dovevar
