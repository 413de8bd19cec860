// The UI text file is written as readable UTF-8 (dist/ui_texts.txt) and turned into the
// UTF-16 file that the program reads (wchar_set.ini) when the program is built. These
// checks make sure that every entry of the source is one the reader takes as it stands,
// so a wrong key or an over-long text stops the build instead of going missing at run
// time.
//
// Source form: one entry a line, in the reader's form (Cnnnl=text, Dnnnl=text,
// MnnnlA=text, MnnnlB=title); lines starting with ';' are comments; blank lines, LF or
// CR LF line ends and a leading UTF-8 byte-order mark are allowed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dovevar {

// Why the reader would not take the line as an entry; empty when it would.
std::string uiTextEntryProblem(std::u16string_view line);

struct UiTextProblem {
  int line;  // counted from 1 in the source
  std::string message;
};

struct UiTextCompilation {
  std::string bytes;  // the UI text file: FF FE, then every entry ended by CR LF
  std::vector<UiTextProblem> problems;
};

// Compiles the whole source; the bytes are only meaningful when there is no problem.
UiTextCompilation compileUiTextSource(std::string_view utf8Source);

}  // namespace dovevar
