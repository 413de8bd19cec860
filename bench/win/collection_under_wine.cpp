// Collecting drawings from real folders through the platform's listing, as the folder
// and folder-tree commands do, with the time split between listing the folders and
// adding the rows:
//   collection_under_wine FOLDER TREE_ROOT
// FOLDER holds the drawings of one folder collection, TREE_ROOT the tree of a tree
// collection (bench/win/collection.sh makes both and runs this under Wine).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "collect/folder_scan.h"
#include "collect/folder_tree.h"
#include "collection_set.h"
#include "list/drawing_list.h"
#include "platform/win/win_file_system.h"

namespace {

using dovevar::FileSystem;

double seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The real listing, timed apart from what the collection does with each entry.
class TimedListing : public dovevar::win::WinFileSystem {
 public:
  double inListing = 0;  // seconds inside listFolder, the visitor's time included
  double inVisitor = 0;  // seconds spent adding rows for the entries

  bool listFolder(const std::u16string& pattern, const FolderVisitor& visit) override {
    const double start = seconds();
    const bool listed = WinFileSystem::listFolder(pattern, [&](const dovevar::FolderEntry& entry) {
      const double visitStart = seconds();
      const bool more = visit(entry);
      inVisitor += seconds() - visitStart;
      return more;
    });
    inListing += seconds() - start;
    return listed;
  }
};

void report(const char* what, int rows, double total, const TimedListing& files) {
  const double listing = files.inListing - files.inVisitor;
  std::printf("%s: %d rows in %.0f ms; listing %.0f ms (%.0f%%), adding rows %.0f ms (%.0f%%)\n", what,
              rows, total * 1000, listing * 1000, 100 * listing / total, files.inVisitor * 1000,
              100 * files.inVisitor / total);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::printf("usage: collection_under_wine FOLDER TREE_ROOT\n");
    return 2;
  }
  const std::u16string folder(argv[1], argv[1] + wcslen(argv[1]));
  const std::u16string root(argv[2], argv[2] + wcslen(argv[2]));

  {
    TimedListing files;
    dovevar::DrawingList list;
    list.rebuildColumns(dovevar::collectionBenchSet());
    const double start = seconds();
    dovevar::scanFolder(files, list, dovevar::collectionBenchSet(), folder, dovevar::DrawingType::kDwg, 0);
    report("one folder", list.rowCount(), seconds() - start, files);
  }
  {
    TimedListing files;
    dovevar::DrawingList list;
    list.rebuildColumns(dovevar::collectionBenchSet());
    const double start = seconds();
    std::vector<dovevar::TreeFolder> table = dovevar::walkFolderTree(files, root);
    dovevar::scanFolderTree(files, list, dovevar::collectionBenchSet(), table, dovevar::DrawingType::kDwg, 0);
    report("folder tree", list.rowCount(), seconds() - start, files);
  }
  return 0;
}
