#include "platform/win/dialog_texts.h"

#include "platform/win/wide.h"

namespace dovevar::win {

void setCaption(HWND dialog, const Messages& messages, int labelD) {
  const std::u16string& text = messages.label(kLabelsD, labelD);
  if (!text.empty()) SetWindowTextW(dialog, toWide(text).c_str());
}

void setItemText(HWND dialog, int item, const Messages& messages, int labelD) {
  const std::u16string& text = messages.label(kLabelsD, labelD);
  if (!text.empty()) SetDlgItemTextW(dialog, item, toWide(text).c_str());
}

void setItemTexts(HWND dialog, const Messages& messages, std::span<const ControlCaption> captions) {
  for (const ControlCaption& caption : captions) setItemText(dialog, caption.control, messages, caption.labelD);
}

}  // namespace dovevar::win
