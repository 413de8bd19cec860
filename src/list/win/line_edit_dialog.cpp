#include "list/win/line_edit_dialog.h"

#include <vector>

#include "platform/win/dialog_texts.h"
#include "list/win/value_controls.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

class LineEditDialog : public DialogBase {
 public:
  LineEditDialog(const LineEditContext& context, LineEditPurpose purpose, LineBuffer& buffer)
      : DialogBase(context.messages), context_(context), purpose_(purpose), buffer_(buffer),
        form_(layOutLineEdit(context.set)) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDLineEditCaption);
    setItemText(window(), IDC_LINE_EDIT_OK, messages(), kLabelDOk);
    setItemText(window(), IDC_LINE_EDIT_CANCEL, messages(), kLabelDCancel);
    const std::u16string title =
        lineEditTitle(context_.texts, context_.language, purpose_, context_.set.title);
    if (!title.empty()) setControlText(window(), title);

    const auto lists = lineEditChoices(context_.set, form_, buffer_, context_.sources);
    for (std::size_t i = 0; i < form_.fields.size(); ++i) {
      const LineEditField& field = form_.fields[i];
      createValueControl(window(),
                         {field.isTextBox(), field.id, scaled(window(), field.x), scaled(window(), field.y),
                          scaled(window(), field.width), scaled(window(), field.height)},
                         context_.font, lists[i], buffer_.at(field.cell));
    }
    // A paper list follows only a change of the printer the dialog opened with.
    if (form_.printerField >= 0) context_.watch.remember(controlText(fieldControl(form_.printerField)));
  }

  bool onCommand(int id, int, HWND) override {
    if (id == IDC_LINE_EDIT_OK) {
      for (const LineEditField& field : form_.fields) buffer_.set(field.cell, controlText(item(field.id)));
      end(IDOK);
      return true;
    }
    if (id == IDC_LINE_EDIT_CANCEL) {
      end(IDCANCEL);
      return true;
    }
    if (form_.printerField >= 0 && id == form_.fields[form_.printerField].id) {
      if (context_.watch.notify()) SetTimer(window(), LinePrinterWatch::kTimerId, LinePrinterWatch::kTimerMs, nullptr);
      return true;
    }
    return false;
  }

  void onTimer(UINT_PTR id) override {
    if (id != LinePrinterWatch::kTimerId) return;
    KillTimer(window(), id);
    if (!context_.watch.pending() || form_.printerField < 0) return;
    const bool hasPaper = form_.paperField >= 0;
    const LinePrinterWatch::Result result =
        context_.watch.settle(controlText(fieldControl(form_.printerField)), context_.sources.printers, hasPaper);
    if (result.outcome == LinePrinterWatch::Outcome::kShowPapers) {
      HWND paper = fieldControl(form_.paperField);
      fillComboBox(paper, paperChoices(*result.printer));
      setControlText(paper, result.printer->papers[0]);
    } else if (result.outcome == LinePrinterWatch::Outcome::kReset) {
      setControlText(fieldControl(form_.printerField), result.printer->name);
      if (hasPaper) setControlText(fieldControl(form_.paperField), result.printer->papers[0]);
    }
  }

  // Each field's item title, painted above it.
  bool onPaint() override {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    HGDIOBJ oldFont = SelectObject(dc, context_.font);
    SetBkMode(dc, TRANSPARENT);
    for (const LineEditField& field : form_.fields) {
      const std::wstring title = toWide(context_.set.items[field.item].title);
      TextOutW(dc, scaled(window(), field.x), scaled(window(), field.y - LineEditField::kTitleOffset), title.c_str(),
               static_cast<int>(title.size()));
    }
    SelectObject(dc, oldFont);
    EndPaint(window(), &paint);
    return true;
  }

 private:
  HWND fieldControl(int field) const { return item(form_.fields[field].id); }

  const LineEditContext& context_;
  LineEditPurpose purpose_;
  LineBuffer& buffer_;
  LineEditForm form_;
};

}  // namespace

void runLineEditDialog(const LineEditContext& context, LineEditPurpose purpose, LineBuffer& buffer) {
  LineEditDialog dialog(context, purpose, buffer);
  dialog.run(context.instance, context.owner, IDD_LINE_EDIT);
}

}  // namespace dovevar::win
