#include "about/win/about_window.h"

#include "platform/win/dialog_texts.h"
#include "about/win/modeless_dialog.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

// The part of the picture shown and where it stands in the client area.
constexpr int kPictureWidth = 128, kPictureHeight = 64;
constexpr int kPictureX = 65, kPictureY = 0;

class AboutWindow : public ModelessDialog {
 public:
  AboutWindow(HINSTANCE instance, const Messages& messages)
      : instance_(instance), messages_(messages) {}
  ~AboutWindow() override {
    if (picture_ != nullptr) DeleteObject(picture_);
  }

 protected:
  void onInit() override {
    picture_ = static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(IDB_ABOUT_PICTURE),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    setCaption(window(), messages_, kLabelDAboutCaption);
    setItemText(window(), IDC_ABOUT_LINE1, messages_, kLabelDAboutLine1);
    setItemText(window(), IDC_ABOUT_LINE2, messages_, kLabelDAboutLine2);
    setItemText(window(), IDC_ABOUT_LINE3, messages_, kLabelDAboutLine3);
    setItemText(window(), IDC_ABOUT_CLOSE, messages_, kLabelDClose);
  }

  bool onCommand(int id) override {
    if (id != IDC_ABOUT_CLOSE) return false;
    close();
    return true;
  }

  void onPaint(HDC dc) override {
    if (picture_ == nullptr) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture_);
    BitBlt(dc, kPictureX, kPictureY, kPictureWidth, kPictureHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
  }

 private:
  HINSTANCE instance_;
  const Messages& messages_;
  HBITMAP picture_ = nullptr;
};

}  // namespace

void showAboutWindow(AppState& app) {
  ModelessDialog::open(std::make_unique<AboutWindow>(app.instance, app.messages), app.instance, app.mainWindow,
                       IDD_ABOUT);
}

}  // namespace dovevar::win
