// stored_file_compiler SOURCE OUTPUT
// Turns a readable UTF-8 source into a file of the program's stored form: UTF-16 LE
// with byte-order mark, CR LF line ends. Lines starting with ";" and blank lines are
// left out. Used for the starter script sets that ship beside the program.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "store/text_codec.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: stored_file_compiler SOURCE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::stringstream source;
  source << in.rdbuf();
  std::u16string text;
  std::string line;
  int number = 0;
  while (std::getline(source, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    const std::u16string units = dovevar::utf8ToUtf16(line);
    if (units.find(u'\xFFFD') != std::u16string::npos) {
      std::cerr << argv[1] << ":" << number << ": not UTF-8\n";
      return 1;
    }
    text += units + u"\r\n";
  }
  // Written beside the target and renamed, so a failed build leaves no half file.
  const std::string temporary = std::string(argv[2]) + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << "\xFF\xFE" << dovevar::toUtf16LeBytes(text);
    if (!out.flush()) {
      std::cerr << temporary << ": cannot be written\n";
      return 1;
    }
  }
  if (std::rename(temporary.c_str(), argv[2]) != 0) {
    std::remove(temporary.c_str());
    std::cerr << argv[2] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
