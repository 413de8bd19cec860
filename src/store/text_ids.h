// The numbers of the interface messages and labels that the program looks up in the
// text tables. The texts themselves live in the UI text file (dist/ui_texts.txt, built
// into wchar_set.ini); code names a text only through these constants.
//
// Label Cnnn is entry nnn of the first label table (kLabelsC), label Dnnn of the second
// (kLabelsD); the kLabelC / kLabelD prefix says which table a constant belongs to.
#pragma once

#include <array>

namespace dovevar {

// ---- Interface messages (kind 0: OK box, kind 1: Yes/No question) -------------------

// Start-up, first run, language change.
inline constexpr int kMsgScriptSetFileNotRead = 0;
inline constexpr int kMsgSetupBeforeCadPicker = 52;
inline constexpr int kMsgSetupBeforeEnvironment = 53;
inline constexpr int kMsgSetupNoPlotStyleFolder = 54;

// Environment dialog.
inline constexpr int kMsgPathTooLong = 64;

// Collecting drawings.
inline constexpr int kMsgFolderHasNoDrawings = 2;
inline constexpr int kMsgFolderSelectNothingAdded = 22;
inline constexpr int kMsgFolderSelectNoFolderChosen = 49;

// Drawing list commands.
inline constexpr int kMsgDeleteWithoutSelection = 4;
inline constexpr int kMsgMoveWithoutSelection = 8;
inline constexpr int kMsgEditRowWithoutSelection = 9;
inline constexpr int kMsgCopyRowWithoutSelection = 10;
inline constexpr int kMsgPasteOrNumberWithoutSelection = 11;
inline constexpr int kMsgNothingCopied = 12;
inline constexpr int kMsgSortFailed = 13;
inline constexpr int kMsgListMustBeEmpty = 16;
inline constexpr int kMsgNoLayoutColumn = 56;

// Run script and runs of the CAD application.
inline constexpr int kMsgCadNotStarted = 6;
inline constexpr int kMsgScriptViewerNotStarted = 7;
inline constexpr int kMsgScriptFileSaved = 15;
inline constexpr int kMsgRunScriptNotCreated = 19;
inline constexpr int kMsgListIsEmpty = 20;
inline constexpr int kMsgRunWithoutSelection = 21;
inline constexpr int kMsgScriptSetLacksPathItems = 57;
inline constexpr int kMsgRunScriptLineTooLong = 58;
inline constexpr int kMsgRunScriptPathTooLong = 59;

// Printers.
inline constexpr int kMsgPrintersNotReady = 14;
inline constexpr int kMsgNoMemoryForPaperNames = 23;
inline constexpr int kMsgPaperCountChanged = 24;
inline constexpr int kMsgPaperListFull = 25;
inline constexpr int kMsgProhibitedPrinterFound = 27;
inline constexpr int kMsgPrintersNotListed = 28;

// Stored files.
inline constexpr int kMsgSettingsFileNotOpened = 18;
inline constexpr int kMsgListPathNotLst = 55;

// Script selection dialog.
inline constexpr int kMsgSetTitleEmpty = 34;
inline constexpr int kMsgSetTitleUnknown = 35;
inline constexpr int kMsgAskLeaveScriptSelection = 36;

// Script detail dialog. The guarded operations ask twice: they run only after Yes to
// the first question and No to the second.
inline constexpr int kMsgNoItemSelected = 37;
inline constexpr int kMsgSetHasFiftyItems = 38;
inline constexpr int kMsgAskPasteItems = 39;
inline constexpr int kMsgAskCancelPaste = 40;
inline constexpr int kMsgAskClearSet = 41;
inline constexpr int kMsgAskCancelClear = 42;
inline constexpr int kMsgAskImportItems = 43;
inline constexpr int kMsgAskCancelImport = 44;
inline constexpr int kMsgImportNotDone = 45;
inline constexpr int kMsgAskExportItems = 46;
inline constexpr int kMsgAskCancelExport = 47;
inline constexpr int kMsgExportNotDone = 48;
inline constexpr int kMsgAskReplaceExportFile = 50;
inline constexpr int kMsgTransferFinished = 51;

// Every message the program shows, in number order.
inline constexpr std::array kUsedMessages = {
    kMsgScriptSetFileNotRead, kMsgFolderHasNoDrawings, kMsgDeleteWithoutSelection,
    kMsgCadNotStarted, kMsgScriptViewerNotStarted, kMsgMoveWithoutSelection,
    kMsgEditRowWithoutSelection, kMsgCopyRowWithoutSelection,
    kMsgPasteOrNumberWithoutSelection, kMsgNothingCopied, kMsgSortFailed,
    kMsgPrintersNotReady, kMsgScriptFileSaved, kMsgListMustBeEmpty,
    kMsgSettingsFileNotOpened, kMsgRunScriptNotCreated, kMsgListIsEmpty,
    kMsgRunWithoutSelection, kMsgFolderSelectNothingAdded, kMsgNoMemoryForPaperNames,
    kMsgPaperCountChanged, kMsgPaperListFull, kMsgProhibitedPrinterFound,
    kMsgPrintersNotListed, kMsgSetTitleEmpty, kMsgSetTitleUnknown,
    kMsgAskLeaveScriptSelection, kMsgNoItemSelected, kMsgSetHasFiftyItems,
    kMsgAskPasteItems, kMsgAskCancelPaste, kMsgAskClearSet, kMsgAskCancelClear,
    kMsgAskImportItems, kMsgAskCancelImport, kMsgImportNotDone, kMsgAskExportItems,
    kMsgAskCancelExport, kMsgExportNotDone, kMsgFolderSelectNoFolderChosen,
    kMsgAskReplaceExportFile, kMsgTransferFinished, kMsgSetupBeforeCadPicker,
    kMsgSetupBeforeEnvironment, kMsgSetupNoPlotStyleFolder, kMsgListPathNotLst,
    kMsgNoLayoutColumn, kMsgScriptSetLacksPathItems, kMsgRunScriptLineTooLong,
    kMsgRunScriptPathTooLong, kMsgPathTooLong,
};

// The messages shown as Yes/No questions (kind 1).
inline constexpr std::array kQuestionMessages = {
    kMsgAskLeaveScriptSelection, kMsgAskPasteItems,  kMsgAskCancelPaste,
    kMsgAskClearSet,             kMsgAskCancelClear, kMsgAskImportItems,
    kMsgAskCancelImport,         kMsgAskExportItems, kMsgAskCancelExport,
    kMsgAskReplaceExportFile,
};

// ---- Labels of the first table (Cnnn) -------------------------------------------------

// Cell values that the File-name rules write into the orientation and plot-area columns.
inline constexpr int kLabelCPortrait = 0;
inline constexpr int kLabelCLandscape = 1;
inline constexpr int kLabelCPlotAreaLayout = 2;
inline constexpr int kLabelCPlotAreaExtents = 3;
inline constexpr int kLabelCPlotAreaDisplay = 4;

// Titles of the folder browsers and file pickers.
inline constexpr int kLabelCFolderBrowserTitle = 5;  // looked up, then replaced by 6 or 7
inline constexpr int kLabelCDwgFolderTitle = 6;
inline constexpr int kLabelCDxfFolderTitle = 7;
inline constexpr int kLabelCDrawingPickerTitle = 8;
inline constexpr int kLabelCImportTitle = 28;
inline constexpr int kLabelCExportTitle = 29;
inline constexpr int kLabelCSaveAsTitle = 30;  // List files and Run scripts alike
inline constexpr int kLabelCListLoadTitle = 31;
inline constexpr int kLabelCCadPickerTitle = 39;
inline constexpr int kLabelCRunScriptPickerTitle = 40;
inline constexpr int kLabelCEndDrawingPickerTitle = 41;
inline constexpr int kLabelCChooseFolderTitle = 71;

// Toolbar tooltips: button 330 + i shows label kLabelCFirstToolTip + i.
inline constexpr int kFirstToolbarButton = 330;
inline constexpr int kToolbarButtonCount = 17;
inline constexpr int kLabelCFirstToolTip = 10;
inline constexpr int kLabelCLastToolTip = kLabelCFirstToolTip + kToolbarButtonCount - 1;

// Column headings of the folder-select dialog and of the printer listing; the paper
// columns are headed by kLabelCPaperColumn followed directly by their number.
inline constexpr int kLabelCFolderNameColumn = 32;
inline constexpr int kLabelCFolderDateColumn = 33;
inline constexpr int kLabelCPrinterColumn = 34;
inline constexpr int kLabelCPaperColumn = 35;

// Titles of the line edit dialog by its purpose. The initial-values title holds one
// "%s" that receives the current script set's title.
inline constexpr int kLabelCEditRowsTitle = 36;
inline constexpr int kLabelCEditColumnsTitle = 37;
inline constexpr int kLabelCInitialValuesTitle = 38;

// Script detail dialog: headings of the item list, in column order.
inline constexpr int kLabelCItemInUseColumn = 42;
inline constexpr int kLabelCItemTitleColumn = 43;
inline constexpr int kLabelCItemOutputModeColumn = 44;
inline constexpr int kLabelCItemDisplayModeColumn = 45;
inline constexpr int kLabelCItemEditModeColumn = 46;
inline constexpr int kLabelCItemWidthColumn = 47;
inline constexpr int kLabelCItemFirstSelectTextColumn = 48;  // choices 1 to 5: 48 to 52
inline constexpr int kLabelCItemInitialValueColumn = 53;
inline constexpr int kLabelCItemCommandColumn = 54;

// Script detail dialog: the names of the modes, label first + mode. Each begins with
// its mode number, which is what a stored combo box text is read as.
inline constexpr int kLabelCFirstOutputMode = 55;  // output modes 0 to 4
inline constexpr int kOutputModeCount = 5;
inline constexpr int kLabelCFirstDisplayMode = 60;  // display modes 0 to 4
inline constexpr int kDisplayModeCount = 5;
inline constexpr int kLabelCFirstEditMode = 65;  // edit modes 0 to 5
inline constexpr int kEditModeCount = 6;

// Read-failure report: shown as "<path>,<label>".
inline constexpr int kLabelCFileNotReadable = 78;

inline constexpr std::array kUsedLabelsC = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,                                       //
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,      //
    28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,                  //
    42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54,                      //
    55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70,          //
    71, 78,
};

// ---- Labels of the second table (Dnnn): dialog captions -------------------------------

// Common buttons.
inline constexpr int kLabelDOk = 0;
inline constexpr int kLabelDCancel = 1;
inline constexpr int kLabelDClose = 3;
inline constexpr int kLabelDRegister = 4;

// Version dialog and about window.
inline constexpr int kLabelDVersionCaption = 10;
inline constexpr int kLabelDAboutCaption = 11;
inline constexpr int kLabelDAboutLine1 = 12;
inline constexpr int kLabelDAboutLine2 = 13;
inline constexpr int kLabelDAboutLine3 = 14;

// Environment settings dialog.
inline constexpr int kLabelDEnvironmentCaption = 15;
inline constexpr int kLabelDProhibitedPrintersGroup = 16;
inline constexpr int kLabelDPathsGroup = 17;
inline constexpr int kLabelDPaperSizesGroup = 18;
inline constexpr int kLabelDCadExecutableHeading = 19;
inline constexpr int kLabelDRunScriptHeading = 20;
inline constexpr int kLabelDEndDrawingHeading = 21;
inline constexpr int kLabelDPrinterNameHeading = 22;
inline constexpr int kLabelDPlotStyleFolderHeading = 23;
inline constexpr int kLabelDDeletePrinter = 24;
inline constexpr int kLabelDPaperAbOnly = 25;
inline constexpr int kLabelDNoProhibitedWarning = 79;

// Script selection dialog.
inline constexpr int kLabelDScriptSelectionCaption = 26;
inline constexpr int kLabelDScriptSetHeading = 27;
inline constexpr int kLabelDScriptDetails = 28;

// Printer listing, line edit and search dialogs.
inline constexpr int kLabelDPrinterListCaption = 29;
inline constexpr int kLabelDLineEditCaption = 30;
inline constexpr int kLabelDSearchCaption = 35;
inline constexpr int kLabelDSearchButton = 36;

// Folder-select dialog.
inline constexpr int kLabelDFolderSelectCaption = 37;
inline constexpr int kLabelDDrawingTypeHeading = 38;
inline constexpr int kLabelDReadDrawings = 39;

// File-name rules dialog. kLabelDPrinterRules is both the printer rules' check box and
// the heading of their paper boxes.
inline constexpr int kLabelDRulesCaption = 46;
inline constexpr int kLabelDPrinterRules = 47;
inline constexpr int kLabelDSearchTextHeading = 48;
inline constexpr int kLabelDPrinterHeading = 49;
inline constexpr int kLabelDOrientationRules = 50;
inline constexpr int kLabelDPortrait = 51;
inline constexpr int kLabelDLandscape = 52;
inline constexpr int kLabelDPlotAreaRules = 53;
inline constexpr int kLabelDPlotAreaLayout = 54;
inline constexpr int kLabelDPlotAreaExtents = 55;
inline constexpr int kLabelDPlotAreaDisplay = 56;
inline constexpr int kLabelDApplyRulesOnCollect = 57;

// Script detail dialog.
inline constexpr int kLabelDScriptDetailCaption = 58;
inline constexpr int kLabelDNewItem = 59;
inline constexpr int kLabelDReadItem = 60;
inline constexpr int kLabelDRewriteItem = 61;
inline constexpr int kLabelDDeleteItem = 62;
inline constexpr int kLabelDCopySetItems = 63;
inline constexpr int kLabelDPasteSetItems = 64;
inline constexpr int kLabelDClearSet = 65;
inline constexpr int kLabelDImportSetItems = 66;
inline constexpr int kLabelDExportSetItems = 67;
inline constexpr int kLabelDInUse = 68;
inline constexpr int kLabelDItemTitle = 69;
inline constexpr int kLabelDOutputMode = 70;
inline constexpr int kLabelDWidth = 71;
inline constexpr int kLabelDEditMode = 72;
inline constexpr int kLabelDSelectTexts = 73;
inline constexpr int kLabelDInitialValue = 74;
inline constexpr int kLabelDSetTitle = 75;
inline constexpr int kLabelDCommand = 76;
inline constexpr int kLabelDDisplayMode = 77;

inline constexpr std::array kUsedLabelsD = {
    0,  1,  3,  4,                                                           //
    10, 11, 12, 13, 14,                                                      //
    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,                              //
    26, 27, 28, 29, 30, 35, 36, 37, 38, 39,                                  //
    46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57,                          //
    58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75,  //
    76, 77, 79,
};

}  // namespace dovevar
