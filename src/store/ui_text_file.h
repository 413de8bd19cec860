// The UI text file "wchar_set.ini": every label and message in all four languages, one
// per line, read by fixed character positions:
//   Cnnnl=text    label Cnnn in language l (J, E, K, C)
//   Dnnnl=text    label Dnnn
//   MnnnlA=text   the text of interface message nnn; B instead of A for its title
// The separators are not examined. Anything else, an entry above 99 or a text longer
// than 63 characters is ignored.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "store/messages.h"
#include "store/text_tables.h"

namespace dovevar {

inline constexpr char16_t kUiTextFileName[] = u"wchar_set.ini";

// The language of a letter of the file's keys, or -1.
int languageOfLetter(char16_t letter);

void parseUiTextLine(std::u16string_view line, TextTables& tables);

// Fills the tables from the settings folder's UI text file. A missing file is created
// empty and reported; the tables then stay empty for the whole run.
void readUiTextFile(FileSystem& files, Messages& messages, const std::u16string& folder,
                    TextTables& tables);

}  // namespace dovevar
