// The Script set files, one per UI language in the settings folder, and the export
// files ("*.dat") that carry one set's items between languages, installations and sets.
//
// The Script set file is read by fixed character positions: "Tnn=<title>" for a set's
// title, "ss,ii.x=<value>" for an item's field x. The export file is read by exact keys
// "<i>.x=<value>", the item number written without leading zeros.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar {

// "sprct_set_j.ini", "sprct_set_e.ini", "sprct_set_k.ini", "sprct_set_c.ini" for the UI
// languages 0 to 3; empty for any other language, which has no file.
std::u16string_view scriptSetFileName(int language);

// The Script set file's lines in write order, each ended by CR LF: the title lines of
// the sets in use, then the 13 lines of every item in use, set by set.
std::vector<std::u16string> scriptSetFileLines(const ScriptSetTable& table);

// Applies one line of a Script set file. An over-long title or text is ignored (the
// field keeps what it held); a line whose set, item or select-text number is out of
// range, or whose key letter is unknown, changes nothing.
void parseScriptSetFileLine(std::u16string_view line, ScriptSetTable& table);

// Reads the Script set file of the language: every set's title and items are cleared
// first (the sets' in_use flags stay). 0 when read; 1 when it could not be opened or
// created (message 18, also for a language outside 0 to 3) or lacks the byte-order
// mark (read-failure report, a missing file is created empty and then rejected); the
// table is unchanged then. The caller shows message 0 on 1.
int readScriptSets(FileSystem& files, Messages& messages, const std::u16string& folder,
                   int language, ScriptSetTable& table);

// Writes the Script set file of the language; false (with message 18) when it could not
// be written, the previous file staying as it was.
bool writeScriptSets(FileSystem& files, Messages& messages, const std::u16string& folder,
                     int language, const ScriptSetTable& table);

// The export file's lines: the 13 lines of every item in use.
std::vector<std::u16string> scriptSetExportLines(const ScriptItems& items);

// Applies one line of an export file. An item's in-use line is taken first; its other
// lines count only while the item is in use. A text key clears its field, then stores a
// value that fits; a number value of 288 characters or more is not converted.
void parseScriptSetExportLine(std::u16string_view line, ScriptItems& items);

// Asks for a file name (label C029, proposing "<folder>\<set title>.dat") and writes the
// edited set's items to it. An existing file is replaced only after Yes to message 50.
// 0 when written (then message 51); 1 on cancel, refusal to replace or a failed write
// (message 18).
int exportScriptSet(FileSystem& files, Messages& messages, const std::u16string& folder,
                    const ScriptSetTable& table);

// Asks for an export file (label C028, starting at "<folder>\*.dat") and reads its items
// into the edited set, whose title and flag stay. Once the file has passed the
// byte-order mark check its path becomes `lastImportedPath` and the set's 50 items are
// cleared. 0 when read (then message 51); 1 on cancel, an open failure (message 18) or
// a file without the byte-order mark (read-failure report, items unchanged).
int importScriptSet(FileSystem& files, Messages& messages, const std::u16string& folder,
                    ScriptSetTable& table, std::u16string& lastImportedPath);

// The detail dialog's export and import buttons after their two questions: the same
// results, and on 1 message 48 (export) or 45 (import) as well.
int exportScriptSetCommand(FileSystem& files, Messages& messages, const std::u16string& folder,
                           const ScriptSetTable& table);
int importScriptSetCommand(FileSystem& files, Messages& messages, const std::u16string& folder,
                           ScriptSetTable& table, std::u16string& lastImportedPath);

// The set title an import proposes: the path's text after its last backslash, up to the
// last point in it ("plans.old.dat" gives "plans.old"; a name without a point is whole).
std::u16string importedSetTitle(std::u16string_view path);

}  // namespace dovevar
