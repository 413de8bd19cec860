// The one text form of every stored file: UTF-16 little-endian with the byte-order mark
// FF FE, one entry per line, lines ended by CR LF, a line's key being its text up to
// and including the first "=" of the file's format.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "store/messages.h"

namespace dovevar {

// A line holds at most this many characters without its CR LF.
inline constexpr size_t kSettingsLineLimit = 303;

// Cuts a file's text into the lines its parsers see:
// - only text ended by LF counts: a last line without line end is never parsed;
// - the code unit before each LF is taken for the CR and dropped, so a line ended
//   by LF alone loses its last character;
// - a U+0000 ends the text read so far: the rest of that 144-unit read is lost, as
//   the stored files have always been read;
// - a line longer than `lineLimit` is cut there and the reading goes on.
void splitSettingsLines(std::u16string_view text, size_t lineLimit,
                        const std::function<void(std::u16string_view)>& parseLine);

// How a file is opened and what its failures do.
struct SettingsFileRules {
  bool createIfMissing = false;        // otherwise it must exist
  bool silentWhenNotOpened = false;    // no message 18 (the Main settings file)
  bool resetWhenNotOpened = false;     // the reset step runs anyway (the Main settings file)
  bool emptyFileReadsAsNothing = false;  // the List files; others reject an empty file
  size_t lineLimit = kSettingsLineLimit;
};

// Reads a stored file: 0 when it was read, 1 on failure (message 18 when it cannot
// be opened, the read-failure report when it lacks the byte-order mark; the reset
// step has not run then, so the records keep what they held).
int readSettingsText(FileSystem& files, Messages& messages, const std::u16string& path,
                     const SettingsFileRules& rules, const std::function<void()>& reset,
                     const std::function<void(std::u16string_view)>& parseLine);

// The file's bytes: the byte-order mark, then each line as it is (lines carry their
// own CR LF).
std::string settingsTextBytes(const std::vector<std::u16string>& lines);

// Writes the lines; a file that cannot be written completely is reported with
// message 18 and the previous file stays as it was. Gives true when written.
bool writeSettingsText(FileSystem& files, Messages& messages, const std::u16string& path,
                       const std::vector<std::u16string>& lines);
// The same with the file's bytes made by the caller.
bool writeSettingsBytes(FileSystem& files, Messages& messages, const std::u16string& path,
                        std::string_view bytes);

// Leading blanks, an optional sign, decimal digits up to the first other character;
// no digits give 0, and values beyond 32 bits clamp to the nearest limit.
int32_t settingsNumber(std::u16string_view value);

// A number as the settings files and the dialogs write it: "%d".
std::u16string decimalText(int32_t value);

// "<folder>\<name>", the path of a file with a fixed name in the settings folder.
std::u16string settingsFilePath(std::u16string_view folder, std::u16string_view name);

// "atcprint.scr" with the tag "night" gives "atcprint.night.scr": the tag goes before the
// extension of the file name, or at its end when it has none.
std::u16string taggedFilePath(std::u16string_view path, std::u16string_view tag);

}  // namespace dovevar
