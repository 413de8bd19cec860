// List files: the Drawing list with the number of the script set it was made with.
// "listview.ini" in the settings folder carries the list from one run to the next;
// "*.lst" files are saved and loaded by the user.
//   sprct_set=<current script set>
//   max_cont=<row count>
//   rrrr,cc=<cell text>     one line per non-empty cell, row by row, column 0 first
// Rows from 10,000 on have row numbers of as many digits as they need: "10000,00=...".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "list/cell_placement.h"
#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "platform/ui_port.h"
#include "store/messages.h"

namespace dovevar {

inline constexpr char16_t kAutomaticListFileName[] = u"listview.ini";
// A row number has four digits at least and ten at most (a 32-bit row).
inline constexpr size_t kRowNumberDigits = 4;
inline constexpr size_t kMostRowNumberDigits = 10;
// A cell line is "rrrr,cc=" and the cell as the writer reads it (511 characters), so
// every line the writer makes reads back whole, whatever its row.
inline constexpr size_t kListFileLineLimit = kMostRowNumberDigits + 4 + kListFileCellCapacity - 1;

// The file's bytes: the byte-order mark and the lines, each ended by CR LF, in UTF-16 LE.
// A row whose column 0 cell is empty gets an empty column 0 line ("rrrr,00="), which
// older readers skip, so the row and all its cells come back in their place.
std::string listFileBytes(const DrawingList& list, int scriptSet);

bool writeListFile(FileSystem& files, Messages& messages, const std::u16string& path,
                   const DrawingList& list, int scriptSet);

enum class ListPass { kScriptSetOnly, kRows };

// Reads a List file (a missing one is created empty and reads as nothing). Both passes
// take "sprct_set=" as the current script set when it is 0 to 19, and ignore it
// otherwise; the rows pass also places the cells. A cell line is four or more digits, a
// comma, the column and "=": a line of another shape (a damaged file, or one made to do
// harm) is passed over, and control characters other than the tab are left out of the
// cells. Gives 0 or 1 (not opened, or no byte-order mark: reported, nothing changed).
int readListFile(FileSystem& files, Messages& messages, const std::u16string& path,
                 ListPass pass, int32_t& scriptSet, DrawingList& list);

// A path the save and load commands accept: fewer than 260 characters, ending in
// ".lst" in this letter case, with a folder part before its last backslash.
bool isListFilePath(std::u16string_view path);

// What the save and load commands work on.
struct ListFileCommand {
  FileSystem& files;
  Messages& messages;
  UiPort& ui;
  const std::u16string& settingsFolder;
  DrawingList& list;
  int32_t& scriptSet;               // the Settings record's `scrpit_type`
  std::u16string& rememberedPath;   // the List file last chosen for loading
};

// Saves the list under a chosen ".lst" name; message 55 for any other name.
void saveListCommand(ListFileCommand& command);

// Reads a List file into the (empty) list: the first pass sets the current script set,
// `rebuildColumns` shapes the list for it, the second pass places the rows. False when the
// first pass could not read the file (reported); the list is then untouched.
bool loadListFile(FileSystem& files, Messages& messages, const std::u16string& path, int32_t& scriptSet,
                  DrawingList& list, const std::function<void()>& rebuildColumns);

// Loads a chosen List file into the (empty) list: the first pass sets the current
// script set, `rebuildColumns` shapes the list for it, the second pass places the rows.
// A cancelled dialog or a refused path (message 55, once) ends the command with the
// list untouched; gives true when a file was loaded.
bool loadListCommand(ListFileCommand& command, const std::function<void()>& rebuildColumns);

}  // namespace dovevar
