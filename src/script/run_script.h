// The Run script: the text file of CAD commands that the CAD application runs. It is
// written from the rows of the Drawing list and the items of the current script set's
// active run: each item writes zero or one line per row by its output mode, and two
// closing lines open the end drawing and quit. Two shapes exist: the whole-list script
// (all rows, or the selected rows, for one run of the CAD application or saved under a
// name the user picks) and the per-row script (one row, for the restart-per-row runs).
//
// The file is UTF-16 little-endian with the byte-order mark FF FE, every line ended by
// CR LF, the last one too. Each attempt to write replaces the whole file: with the script,
// or with nothing (an empty file) when the script is refused after the list was looked
// at, so the file never holds a script that was not meant to run.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar {

// Which rows a whole-list script takes.
enum class RowChoice : int {
  kAll = 0,            // every row, from the top
  kSelected = 1,       // the selected rows; none selected is refused (message 21)
  kSelectedOrAll = 2,  // the selected rows when any is selected, else every row
};

// The folder and file-name cells a drawing path is made of are read up to 259 characters
// each; the cell of an output mode 3 or 4 item up to 127.
inline constexpr std::size_t kRunScriptPathCellCapacity = 260;
inline constexpr std::size_t kRunScriptCellCapacity = 128;
// A line is built with its CR LF and a terminating zero in 512 code units, so it holds at
// most 509 characters; a longer line refuses the whole script (message 58).
inline constexpr std::size_t kRunScriptLineCapacity = 512;
inline constexpr std::size_t kMaxRunScriptLineLength = kRunScriptLineCapacity - 3;

// The "close" command that the look-ahead leaves out between rows of the same drawing;
// compared exactly, code unit by code unit.
inline constexpr std::u16string_view kCloseCommand = u"close";

enum class ScriptOutcome {
  kWritten,      // the file holds the script
  kNotCreated,   // the file could not be written (message 19); it is as it was
  kListEmpty,    // the Drawing list has no rows (message 20); the file is left empty
  kNoSelection,  // row choice 1 and no row selected (message 21); the file is left empty
  kNoPathItems,  // no file-name or no folder item in the active run (message 57); empty file
  kLineTooLong,  // some line would exceed 509 characters (message 58); empty file
};

// The interface message that reports the outcome; -1 for kWritten.
int messageOf(ScriptOutcome outcome);

// The folder cell, then a backslash unless the folder is at least two characters long and
// already ends in one, then the file-name cell: "C:\" + "a.dwg" gives "C:\a.dwg", "\"
// gives "\\a.dwg", "" gives "\a.dwg".
std::u16string drawingPath(std::u16string_view folder, std::u16string_view fileName);

// The drawing path of a row of the list, from the columns of the set's file-name and
// folder items (an empty cell stands in for a missing item).
std::u16string drawingPathOfRow(const ScriptSet& set, const DrawingList& list, int row);

// The rows a whole-list script of this choice takes, in list order: the selected rows,
// or every row (kSelectedOrAll with none selected); none for kSelected without a selection.
std::vector<int> rowsOfRun(const DrawingList& list, RowChoice choice);

// A script composed in memory; nothing is written and the list is not changed.
struct ComposedScript {
  ScriptOutcome outcome = ScriptOutcome::kWritten;
  // The file's bytes: FF FE, then the lines, each ended by CR LF, in UTF-16 LE. Empty
  // unless kWritten.
  std::string bytes;
  // The rows taken, in the order their lines stand in the text.
  std::vector<int> rows;
  // The rows were taken as selected rows: writing the script uses their selection up.
  bool takesSelection = false;
};

// The whole-list script. Refusals are checked in this order: empty list (20), no selected
// row under row choice 1 (21), no file-name or folder item (57), a line too long (58).
// Lines are left out by the last-opened check (output mode 1) and by the "close"
// look-ahead against the next row of the list, selected or not (output mode 2).
ComposedScript composeWholeListScript(const ScriptSet& set, const DrawingList& list,
                                      RowChoice choice, std::u16string_view endDrawing);

// The per-row script of one row: every item's line, no last-opened check and no look-ahead.
// Refusals: no file-name or folder item (57), a line too long (58).
ComposedScript composePerRowScript(const ScriptSet& set, const DrawingList& list, int row,
                                   std::u16string_view endDrawing);

// The file's bytes of a text: FF FE, then each code unit little-endian.
std::string runScriptBytes(std::u16string_view text);
// The text of a composed script: its lines without the byte-order mark.
std::u16string runScriptText(const ComposedScript& script);

// Composes and writes the whole-list script to `path` in one write. On kWritten the rows
// taken as selected rows lose their selected, focused and drop-highlighted states; on any
// other outcome the selection is untouched and the outcome's message has been shown.
ScriptOutcome writeWholeListScript(FileSystem& files, Messages& messages, const ScriptSet& set,
                                   DrawingList& list, RowChoice choice, const std::u16string& path,
                                   std::u16string_view endDrawing);

// Composes and writes the per-row script of `row` to `path`. With `usesUpSelection` the
// row loses its three selection flags once the script is written. The outcome's message
// has been shown unless kWritten; `writeError`, when given, gets the system's reason of a
// file that could not be written.
ScriptOutcome writePerRowScript(FileSystem& files, Messages& messages, const ScriptSet& set,
                                DrawingList& list, int row, bool usesUpSelection,
                                const std::u16string& path, std::u16string_view endDrawing,
                                SystemError* writeError = nullptr);

// Save script file --------------------------------------------------------------------

// The chosen name with the extension ".scr": when its last path component holds a '.',
// the text from its last '.' on is replaced; otherwise ".scr" is appended.
std::u16string withScrExtension(std::u16string_view path);

// The save-file dialog of commands 37852 and 37853: title label C030, the filters
// "ScrFile(*.scr)" and "AllFile(*.*)", the first one chosen, starting at
// settings folder + "\*.scr".
UiPort::FileDialog scriptFileDialog(const Messages& messages, const std::u16string& settingsFolder);

enum class SaveScriptResult { kSaved, kCancelled, kFailed };

// Commands 37852 (row choice kAll) and 37853 (kSelected): asks for a name, writes the
// whole-list script under it with ".scr", and shows message 15 when it was written. A
// cancel shows nothing; a failure has shown its own message.
SaveScriptResult saveScriptFile(FileSystem& files, Messages& messages, const ScriptSet& set,
                                DrawingList& list, RowChoice choice,
                                const std::u16string& settingsFolder,
                                std::u16string_view endDrawing);

}  // namespace dovevar
