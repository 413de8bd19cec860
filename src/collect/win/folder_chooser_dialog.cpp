#include "collect/win/folder_chooser_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/dpi_scale.h"
#include "collect/folder_chooser.h"
#include "extras/extras_texts.h"
#include "store/settings_text.h"
#include "store/text_tables.h"
#include "collect/win/shell_pickers.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

// The recent-folder list's font: "MS UI Gothic", 12 pixels at 96 DPI, the weight and
// character set the Japanese captions were made for.
HFONT createListFont(int dpi) {
  return CreateFontW(scaledToDpi(12, dpi), 0, 0, 0, 100, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     L"MS UI Gothic");
}

// The recent folders' list ends above the first favourite at y 130. Given 142 pixels, it
// was cut to whole lines by the list box, which kept it clear of them at 100 % but not
// at every DPI.
constexpr int kRecentListHeight = 128;
// A favourite's text is as high as its buttons reach (y + 2 to y + 16): at 12 pixels the
// dialog font's descenders were cut off.
constexpr int kFavouriteTextHeight = 14;

int widestText(HWND window, HFONT font, const std::vector<std::u16string_view>& texts) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  int widest = 0;
  for (std::u16string_view text : texts) {
    SIZE size = {};
    const std::wstring wide = toWide(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return widest;
}

class FolderChooserDialog : public DialogBase {
 public:
  FolderChooserDialog(HINSTANCE instance, Settings& settings, const Messages& messages, int kind)
      : DialogBase(messages), instance_(instance), settings_(settings), kind_(kind) {}
  ~FolderChooserDialog() override {
    if (font_ != nullptr) DeleteObject(font_);
  }

 protected:
  void onInit() override {
    choice_ = 0;
    dpi_ = dpiOf(window());
    font_ = createListFont(dpi_);
    if (messages().language() != kJapanese) showTextsInLanguage();
    const std::vector<std::u16string_view> recent = usedRecentFolders(settings_, kind_);
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    // The layout is worked out at 96 DPI and placed at the dialog's.
    // Wide enough for the favourites' texts too, which get the width less 100.
    const int widest = std::max(widestText(window(), font_, recent), widestFavouriteText() + px(60));
    const int width = chooserWidth(designPixels(widest, dpi_), designPixels(screenWidth, dpi_));
    SetWindowPos(window(), nullptr, (screenWidth - px(width)) / 2, (screenHeight - px(kChooserHeight)) / 2,
                 px(width), px(kChooserHeight), SWP_NOZORDER);
    placeFavourites(width);
    createRecentList(width, recent);
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == IDC_CHOOSER_RECENT_LIST) {
      const int selection = static_cast<int>(SendMessageW(recentList_, LB_GETCURSEL, 0, 0));
      if (const std::optional<int> choice = arm_.notify(selection)) choose(*choice);
      return true;
    }
    if (code != BN_CLICKED) return false;
    const int favourites = Settings::kFavouriteFolders;
    if (id >= IDC_CHOOSER_FIRST_FAVOURITE && id < IDC_CHOOSER_FIRST_FAVOURITE + favourites) {
      choose(favouriteChoice(id - IDC_CHOOSER_FIRST_FAVOURITE));
    } else if (id >= IDC_CHOOSER_FIRST_SET_FAVOURITE &&
               id < IDC_CHOOSER_FIRST_SET_FAVOURITE + favourites) {
      setFavourite(id - IDC_CHOOSER_FIRST_SET_FAVOURITE);
    } else if (id == IDC_CHOOSER_OTHER_FOLDER) {
      choose(kChooserAnotherFolder);
    }
    return true;
  }

  // Enter and Escape choose nothing; only the close box leaves without a choice.
  void onCancel() override {}
  bool onClose() override {
    choose(kChooserClosed);
    return true;
  }

 public:
  // The last choice; a chooser that could not open chose nothing.
  int choice() const { return choice_; }

 private:
  int px(int designPixels) const { return scaledToDpi(designPixels, dpi_); }

  // The template's texts are Japanese; another language gets its own.
  void showTextsInLanguage() {
    const int language = messages().language();
    SetWindowTextW(window(), toWide(extrasText(language, ExtrasText::kChooserCaption)).c_str());
    for (int i = 0; i < Settings::kFavouriteFolders; ++i) {
      const std::u16string number = decimalText(i + 1);
      setControlText(item(IDC_CHOOSER_FIRST_FAVOURITE + i),
                     fillText(extrasText(language, ExtrasText::kChooserFavourite), {number}));
      setControlText(item(IDC_CHOOSER_FIRST_FAVOURITE_TEXT + i),
                     fillText(extrasText(language, ExtrasText::kChooserUnsetFavourite), {number}));
    }
    setControlText(item(IDC_CHOOSER_OTHER_FOLDER), extrasText(language, ExtrasText::kChooserOtherFolder));
  }

  // The widest text the favourites' statics show, in the dialog's own font.
  int widestFavouriteText() const {
    std::vector<std::u16string> texts;
    for (int i = 0; i < Settings::kFavouriteFolders; ++i) {
      const std::u16string& favourite = settings_.file_folder_set[kind_][i];
      texts.push_back(favourite.empty() ? controlText(item(IDC_CHOOSER_FIRST_FAVOURITE_TEXT + i)) : favourite);
    }
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(window(), WM_GETFONT, 0, 0));
    return widestText(window(), dialogFont, {texts.begin(), texts.end()});
  }

  void choose(int choice) {
    choice_ = choice;
    end(IDOK);
  }

  void placeFavourites(int width) {
    for (int i = 0; i < Settings::kFavouriteFolders; ++i) {
      const int y = 130 + 20 * i;
      SetWindowPos(item(IDC_CHOOSER_FIRST_FAVOURITE + i), nullptr, px(5), px(y), px(40), px(16), SWP_NOZORDER);
      HWND text = item(IDC_CHOOSER_FIRST_FAVOURITE_TEXT + i);
      SetWindowPos(text, nullptr, px(50), px(y + 2), px(width - 100), px(kFavouriteTextHeight), SWP_NOZORDER);
      const std::u16string& favourite = settings_.file_folder_set[kind_][i];
      if (!favourite.empty()) setControlText(text, favourite);
      SetWindowPos(item(IDC_CHOOSER_FIRST_SET_FAVOURITE + i), nullptr, px(width - 30), px(y), px(20), px(16),
                   SWP_NOZORDER);
    }
    SetWindowPos(item(IDC_CHOOSER_OTHER_FOLDER), nullptr, px((width - 200) / 2), px(230), px(200), px(30),
                 SWP_NOZORDER);
  }

  void createRecentList(int width, const std::vector<std::u16string_view>& recent) {
    recentList_ = CreateWindowExW(0, L"LISTBOX", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY,
                                  0, 0, px(width - 6), px(kRecentListHeight), window(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CHOOSER_RECENT_LIST)),
                                  instance_, nullptr);
    SendMessageW(recentList_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(recentList_, LB_RESETCONTENT, 0, 0);
    for (std::u16string_view folder : recent) {
      SendMessageW(recentList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(folder).c_str()));
    }
  }

  void setFavourite(int favourite) {
    std::u16string folder;
    if (!browseForFolder(window(), messages().label(kLabelsC, kLabelCChooseFolderTitle), u"", folder)) {
      return;
    }
    if (!setFavouriteFolder(settings_, kind_, favourite, folder)) return;
    setControlText(item(IDC_CHOOSER_FIRST_FAVOURITE_TEXT + favourite), folder);
  }

  HINSTANCE instance_;
  Settings& settings_;
  int kind_;
  int dpi_ = kDesignDpi;
  HFONT font_ = nullptr;
  HWND recentList_ = nullptr;
  ChooserListArm arm_;
  int choice_ = kChooserClosed;
};

}  // namespace

int runFolderChooser(HINSTANCE instance, HWND owner, Settings& settings, const Messages& messages,
                     int kind) {
  FolderChooserDialog dialog(instance, settings, messages, kind);
  dialog.run(instance, owner, IDD_FOLDER_CHOOSER);
  return dialog.choice();
}

}  // namespace dovevar::win
