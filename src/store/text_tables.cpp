#include "store/text_tables.h"

namespace dovevar {
namespace {

const std::u16string kNoText;
const TextTables::Message kNoMessage;

bool isEntry(int number) { return number >= 0 && number < TextTables::kEntries; }

}  // namespace

void TextTables::clear() {
  for (auto& table : labels) {
    for (auto& entry : table) entry.fill(std::u16string());
  }
  for (auto& entry : messages) entry.fill(Message());
}

const std::u16string& TextTables::label(int table, int number, int language) const {
  if ((table != kLabelsC && table != kLabelsD) || !isEntry(number) || !isUiLanguage(language)) {
    return kNoText;
  }
  return labels[table][number][language];
}

const TextTables::Message& TextTables::message(int number, int language) const {
  if (!isEntry(number) || !isUiLanguage(language)) return kNoMessage;
  return messages[number][language];
}

}  // namespace dovevar
