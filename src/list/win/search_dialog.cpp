#include "list/win/search_dialog.h"

#include "platform/win/dialog_texts.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

class SearchDialog : public DialogBase {
 public:
  SearchDialog(const SearchHistory& history, const Messages& messages)
      : DialogBase(messages), history_(history) {}

  std::optional<std::u16string> text;

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDSearchCaption);
    setItemText(window(), IDC_SEARCH_GO, messages(), kLabelDSearchButton);
    const std::vector<std::u16string_view> used = usedEntries(history_);
    HWND box = item(IDC_SEARCH_TEXT);
    fillComboBox(box, used);
    SendMessageW(box, CB_LIMITTEXT, kSearchTextCapacity - 1, 0);
    if (!used.empty()) setControlText(box, used.front());
  }

  bool onCommand(int id, int, HWND) override {
    if (id != IDC_SEARCH_GO) return false;
    text = controlText(item(IDC_SEARCH_TEXT));
    end(IDOK);
    return true;
  }

 private:
  const SearchHistory& history_;
};

}  // namespace

std::optional<std::u16string> runSearchDialog(HINSTANCE instance, HWND owner, const SearchHistory& history,
                                              const Messages& messages) {
  SearchDialog dialog(history, messages);
  dialog.run(instance, owner, IDD_SEARCH);
  return dialog.text;
}

}  // namespace dovevar::win
