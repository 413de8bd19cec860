#include "config/win/environment_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "platform/win/dialog_texts.h"
#include "collect/win/shell_pickers.h"
#include "config/environment_settings.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/win_ui.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

constexpr std::array kCaptions = {
    ControlCaption{IDC_ENV_PATHS_GROUP, kLabelDPathsGroup},
    ControlCaption{IDC_ENV_CAD_HEADING, kLabelDCadExecutableHeading},
    ControlCaption{IDC_ENV_PLOT_STYLE_HEADING, kLabelDPlotStyleFolderHeading},
    ControlCaption{IDC_ENV_RUN_SCRIPT_HEADING, kLabelDRunScriptHeading},
    ControlCaption{IDC_ENV_END_DRAWING_HEADING, kLabelDEndDrawingHeading},
    ControlCaption{IDC_ENV_PRINTERS_GROUP, kLabelDProhibitedPrintersGroup},
    ControlCaption{IDC_ENV_PRINTER_NAME_HEADING, kLabelDPrinterNameHeading},
    ControlCaption{IDC_ENV_REGISTER_PRINTER, kLabelDRegister},
    ControlCaption{IDC_ENV_DELETE_PRINTER, kLabelDDeletePrinter},
    ControlCaption{IDC_ENV_NO_PROHIBITED_WARNING, kLabelDNoProhibitedWarning},
    ControlCaption{IDC_ENV_PAPER_GROUP, kLabelDPaperSizesGroup},
    ControlCaption{IDC_ENV_PAPER_AB, kLabelDPaperAbOnly},
    ControlCaption{IDC_ENV_OK, kLabelDOk},
    ControlCaption{IDC_ENV_CANCEL, kLabelDCancel},
};

// The edit of each path, in PathField order, and the button that picks it.
constexpr std::array<int, kPathFieldCount> kPathEdits = {IDC_ENV_CAD, IDC_ENV_PLOT_STYLE,
                                                         IDC_ENV_RUN_SCRIPT, IDC_ENV_END_DRAWING};
struct FilePicker {
  int button;
  PathField field;
};
constexpr std::array kFilePickers = {
    FilePicker{IDC_ENV_CAD_BROWSE, PathField::kCadExecutable},
    FilePicker{IDC_ENV_RUN_SCRIPT_BROWSE, PathField::kRunScript},
    FilePicker{IDC_ENV_END_DRAWING_BROWSE, PathField::kEndDrawing},
};

class EnvironmentDialog : public DialogBase {
 public:
  EnvironmentDialog(Settings& settings, const Messages& messages) : DialogBase(messages), settings_(settings) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDEnvironmentCaption);
    setItemTexts(window(), messages(), kCaptions);
    show(environmentValues(settings_));
  }

  bool onCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    for (const FilePicker& picker : kFilePickers) {
      if (id == picker.button) {
        pickFile(picker.field);
        return true;
      }
    }
    switch (id) {
      case IDC_ENV_PLOT_STYLE_BROWSE:
        browseForPlotStyleFolder();
        return true;
      case IDC_ENV_REGISTER_PRINTER:
        if (auto name = printerNameToRegister(controlText(item(IDC_ENV_PRINTER_NAME)))) addPrinter(*name);
        return true;
      case IDC_ENV_DELETE_PRINTER:
        deleteSelectedPrinter();
        return true;
      case IDC_ENV_OK:
        storeAndClose();
        return true;
      case IDC_ENV_CANCEL:
        end(IDCANCEL);
        return true;
      case IDOK:  // Enter leaves the dialog open
        return true;
      default:
        return false;
    }
  }

  // Escape leaves the dialog open; the close box closes it without storing.
  void onCancel() override {}
  bool onClose() override {
    end(IDCANCEL);
    return true;
  }

 private:
  HWND pathEdit(PathField field) const { return item(kPathEdits[static_cast<std::size_t>(field)]); }

  // The picker is owned by this dialog, so the dialog waits while it is open.
  void pickFile(PathField field) {
    HWND edit = pathEdit(field);
    std::u16string path;
    if (ui().chooseFileToOpen(pathPicker(field, controlText(edit), messages()), path)) setControlText(edit, path);
  }

  void browseForPlotStyleFolder() {
    std::u16string folder;
    if (browseForFolder(window(), messages().label(kLabelsC, kLabelCChooseFolderTitle), u"", folder) &&
        !folder.empty()) {
      setControlText(pathEdit(PathField::kPlotStyleFolder), folder);
    }
  }

  void addPrinter(const std::u16string& name) {
    SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(toWide(name).c_str()));
  }

  void deleteSelectedPrinter() {
    const LRESULT selected = SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_DELETESTRING, selected, 0);
  }

  void storeAndClose() {
    const EnvironmentValues values = read();
    if (const std::optional<PathField> tooLong = overLongPath(values)) {
      messages().show(kMsgPathTooLong);
      SetFocus(pathEdit(*tooLong));
      return;
    }
    storeEnvironment(values, settings_);
    end(IDOK);
  }

  void show(const EnvironmentValues& values) {
    for (std::size_t field = 0; field < kPathFieldCount; ++field) {
      setControlText(item(kPathEdits[field]), values.paths[field]);
    }
    SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : values.prohibitedPrinters) addPrinter(name);
    CheckDlgButton(window(), IDC_ENV_PAPER_AB, values.paperAbOnly ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window(), IDC_ENV_NO_PROHIBITED_WARNING,
                   values.noProhibitedWarning ? BST_CHECKED : BST_UNCHECKED);
  }

  EnvironmentValues read() const {
    EnvironmentValues values;
    for (std::size_t field = 0; field < kPathFieldCount; ++field) {
      values.paths[field] = controlText(item(kPathEdits[field]));
    }
    const LRESULT count = SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      const LRESULT length = SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_GETTEXTLEN, i, 0);
      std::wstring name(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
      SendDlgItemMessageW(window(), IDC_ENV_PRINTERS, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()));
      name.resize(static_cast<std::size_t>(length > 0 ? length : 0));
      values.prohibitedPrinters.push_back(fromWide(name));
    }
    values.paperAbOnly = IsDlgButtonChecked(window(), IDC_ENV_PAPER_AB) == BST_CHECKED;
    values.noProhibitedWarning = IsDlgButtonChecked(window(), IDC_ENV_NO_PROHIBITED_WARNING) == BST_CHECKED;
    return values;
  }

  Settings& settings_;
};

}  // namespace

void runEnvironmentDialog(HINSTANCE instance, HWND owner, Settings& settings, Messages& messages) {
  EnvironmentDialog dialog(settings, messages);
  dialog.run(instance, owner, IDD_ENVIRONMENT);
}

}  // namespace dovevar::win
