#include "store/main_settings_file.h"

#include <cstdio>

#include "store/settings_text.h"
#include "store/text_codec.h"

namespace dovevar {
namespace {

// A number text this long or longer is not converted.
constexpr size_t kNumberTextLimit = 288;

// One line of the file: its key and the field it stands for.
struct Field {
  std::u16string key;  // up to and including "="
  std::u16string* text = nullptr;
  size_t capacity = 0;
  int32_t* int32 = nullptr;
  uint16_t* uint16 = nullptr;
  int8_t* int8 = nullptr;
};

std::u16string ascii(const char* text) { return utf8ToUtf16(text); }

std::u16string numbered(const char* format, int first, int second = 0) {
  char key[64];
  std::snprintf(key, sizeof(key), format, first, second);
  return ascii(key);
}

// The fields in the order of the file. The Settings record is taken by non-const
// reference for reading; writing only reads through the pointers.
std::vector<Field> fieldsOf(Settings& s) {
  std::vector<Field> fields;
  fields.reserve(146);
  auto text = [&](std::u16string key, std::u16string& field, size_t capacity) {
    fields.push_back({std::move(key), &field, capacity});
  };
  auto int32 = [&](const char* key, int32_t& field) { fields.push_back({ascii(key), nullptr, 0, &field}); };
  auto uint16 = [&](const char* key, uint16_t& field) {
    fields.push_back({ascii(key), nullptr, 0, nullptr, &field});
  };

  text(u"file_folder=", s.file_folder, Settings::kPathCapacity);
  text(u"autocad_file=", s.autocad_file, Settings::kPathCapacity);
  text(u"ctb_file=", s.ctb_file, Settings::kPathCapacity);
  text(u"temp_file=", s.temp_file, Settings::kPathCapacity);
  text(u"end_file_dwg=", s.end_file_dwg, Settings::kPathCapacity);
  int32("scrpit_type=", s.scrpit_type);
  uint16("file_set.ps=", s.file_set.ps);
  for (int i = 0; i < 4; ++i) {
    PrinterPaperRule& rule = s.file_set.fp_ps[i];
    text(numbered("file_set.fp_ps[%d].search=", i), rule.search, PrinterPaperRule::kSearchCapacity);
    text(numbered("file_set.fp_ps[%d].printer=", i), rule.printer, PrinterPaperRule::kPrinterCapacity);
    text(numbered("file_set.fp_ps[%d].paper=", i), rule.paper, PrinterPaperRule::kPaperCapacity);
  }
  uint16("file_set.ds=", s.file_set.ds);
  text(u"file_set.search_d1=", s.file_set.search_d1, FileNameRules::kWordCapacity);
  text(u"file_set.search_d2=", s.file_set.search_d2, FileNameRules::kWordCapacity);
  uint16("file_set.ss=", s.file_set.ss);
  text(u"file_set.search_s1=", s.file_set.search_s1, FileNameRules::kWordCapacity);
  text(u"file_set.search_s2=", s.file_set.search_s2, FileNameRules::kWordCapacity);
  text(u"file_set.search_s3=", s.file_set.search_s3, FileNameRules::kWordCapacity);
  uint16("file_set.chg_on=", s.file_set.chg_on);
  for (int i = 0; i < Settings::kProhibitedPrinters; ++i) {
    text(numbered("prohibition_print%d=", i), s.prohibition_print[i], Settings::kPrinterNameCapacity);
  }
  fields.push_back({u"print_paper_ab=", nullptr, 0, nullptr, nullptr, &s.print_paper_ab});
  int32("moji_type=", s.moji_type);
  int32("prohibition_plmode=", s.prohibition_plmode);
  for (int k = 0; k < Settings::kCollectionKinds; ++k) {
    for (int j = 0; j < Settings::kRecentFolders; ++j) {
      text(numbered("file_folder_tbl%02d-%02d=", k, j), s.file_folder_tbl[k][j], Settings::kPathCapacity);
    }
    for (int j = 0; j < Settings::kFavouriteFolders; ++j) {
      text(numbered("file_folder_set%02d-%02d=", k, j), s.file_folder_set[k][j], Settings::kPathCapacity);
    }
  }
  return fields;
}

std::u16string valueOf(const Field& field) {
  if (field.text != nullptr) return *field.text;
  if (field.int32 != nullptr) return ascii(std::to_string(*field.int32).c_str());
  if (field.uint16 != nullptr) return ascii(std::to_string(*field.uint16).c_str());
  return ascii(std::to_string(*field.int8).c_str());
}

void apply(const Field& field, std::u16string_view value) {
  if (field.text != nullptr) {
    field.text->clear();
    if (value.size() < field.capacity) field.text->assign(value);
    return;
  }
  if (value.size() >= kNumberTextLimit) return;
  const int32_t number = settingsNumber(value);
  // The low bits of the number, by the field's width.
  if (field.int32 != nullptr) *field.int32 = number;
  if (field.uint16 != nullptr) *field.uint16 = static_cast<uint16_t>(static_cast<uint32_t>(number) & 0xFFFFu);
  if (field.int8 != nullptr) *field.int8 = static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(number) & 0xFFu));
}

// Every key is tested; since each ends with "=", at most one matches.
void applyLine(const std::vector<Field>& fields, std::u16string_view line) {
  for (const Field& field : fields) {
    if (line.substr(0, field.key.size()) == field.key) apply(field, line.substr(field.key.size()));
  }
}

}  // namespace

std::vector<std::u16string> mainSettingsLines(const Settings& settings) {
  Settings copy = settings;  // the key table points into a record it may change
  std::vector<std::u16string> lines;
  for (const Field& field : fieldsOf(copy)) lines.push_back(field.key + valueOf(field) + u"\r\n");
  return lines;
}

void keepSettingsInRange(Settings& settings) {
  if (settings.scrpit_type < 0 || settings.scrpit_type >= Settings::kScriptSetCount) settings.scrpit_type = 0;
  if (settings.moji_type < 0 || settings.moji_type > 3) settings.moji_type = 0;
}

int readMainSettings(FileSystem& files, Messages& messages, const std::u16string& folder,
                     Settings& settings) {
  SettingsFileRules rules;
  rules.silentWhenNotOpened = true;
  rules.resetWhenNotOpened = true;
  // The key table is built once for the whole file, not once per line.
  const std::vector<Field> fields = fieldsOf(settings);
  const int result = readSettingsText(
      files, messages, settingsFilePath(folder, kMainSettingsFileName), rules,
      [&] { resetSettings(settings); },
      [&](std::u16string_view line) { applyLine(fields, line); });
  keepSettingsInRange(settings);
  return result;
}

bool writeMainSettings(FileSystem& files, Messages& messages, const std::u16string& folder,
                       const Settings& settings) {
  return writeSettingsText(files, messages, settingsFilePath(folder, kMainSettingsFileName),
                           mainSettingsLines(settings));
}

}  // namespace dovevar
