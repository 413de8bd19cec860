// The Settings record: every value kept from one run to the next apart from script
// sets, lists and interface texts. Text capacities count code units with the
// terminating zero, so a text holds one character less.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dovevar {

struct PrinterPaperRule {
  static constexpr size_t kSearchCapacity = 8;
  static constexpr size_t kPrinterCapacity = 128;
  static constexpr size_t kPaperCapacity = 64;
  std::u16string search;
  std::u16string printer;
  std::u16string paper;
  bool operator==(const PrinterPaperRule&) const = default;
};

// The file-name rules: words looked for in a drawing's file name and what they set.
struct FileNameRules {
  static constexpr size_t kWordCapacity = 8;
  uint16_t ps = 0;  // printer-and-paper rule on
  std::array<PrinterPaperRule, 4> fp_ps;
  uint16_t ds = 0;  // orientation rule on
  std::u16string search_d1, search_d2;
  uint16_t ss = 0;  // plot-area rule on
  std::u16string search_s1, search_s2, search_s3;
  uint16_t chg_on = 0;  // apply the rules to new rows after every collection
  bool operator==(const FileNameRules&) const = default;
};

struct Settings {
  static constexpr size_t kPathCapacity = 260;
  static constexpr size_t kPrinterNameCapacity = 64;
  static constexpr int kScriptSetCount = 20;
  static constexpr int kProhibitedPrinters = 16;
  static constexpr int kCollectionKinds = 4;
  static constexpr int kRecentFolders = 20;
  static constexpr int kFavouriteFolders = 5;

  std::u16string file_folder;   // the current folder of the collections
  std::u16string autocad_file;  // the CAD application's executable
  std::u16string ctb_file;      // the folder of the plot-style tables
  std::u16string temp_file;     // the Run script
  std::u16string end_file_dwg;  // the end drawing
  int32_t scrpit_type = 0;      // the current script set, 0 to 19
  FileNameRules file_set;
  std::array<std::u16string, kProhibitedPrinters> prohibition_print;
  int8_t print_paper_ab = 0;  // paper lists show A and B sizes only
  int32_t moji_type = 0;      // the UI language
  int32_t prohibition_plmode = 0;  // prohibited printers are left out silently
  std::array<std::array<std::u16string, kRecentFolders>, kCollectionKinds> file_folder_tbl;
  std::array<std::array<std::u16string, kFavouriteFolders>, kCollectionKinds> file_folder_set;
  bool operator==(const Settings&) const = default;
};

// Every text empty, every number 0.
void resetSettings(Settings& settings);

}  // namespace dovevar
