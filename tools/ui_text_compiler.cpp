// ui_text_compiler SOURCE OUTPUT
//
// Turns the readable UI text source (UTF-8, dist/ui_texts.txt) into the UI text file the
// program reads (wchar_set.ini: UTF-16 LE with FF FE, CR LF line ends, comments and
// blank lines dropped). Any line the program's reader would not take fails the build:
// every such line is reported as SOURCE:LINE: why, and no output is left behind.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "store/ui_text_check.h"

namespace {

bool readWholeFile(const std::filesystem::path& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Writes beside the target and renames, so a failed or interrupted build never leaves a
// half-written file that looks up to date.
bool writeWholeFile(const std::filesystem::path& path, const std::string& content) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ui_text_compiler SOURCE OUTPUT\n");
    return 2;
  }
  const std::filesystem::path source = argv[1];
  const std::filesystem::path output = argv[2];

  std::string text;
  if (!readWholeFile(source, text)) {
    std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
    return 1;
  }
  const dovevar::UiTextCompilation compiled = dovevar::compileUiTextSource(text);
  if (!compiled.problems.empty()) {
    for (const dovevar::UiTextProblem& problem : compiled.problems) {
      std::fprintf(stderr, "%s:%d: %s\n", argv[1], problem.line, problem.message.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove(output, ignored);
    return 1;
  }
  if (!writeWholeFile(output, compiled.bytes)) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
    return 1;
  }
  return 0;
}
