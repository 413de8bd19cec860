// Resource ids of Dovevar.exe. Numbers are fixed: stored files, the UI text file and
// the test bench refer to them.
#pragma once

#define IDS_APP_TITLE 40000  // "Dovevar 0.00", the title until start-up has finished
#define IDS_CLASS_NAME 109   // "DOVEVAR", the main window's class name

// Menus of the UI languages: 109 + language (Japanese, English, Korean, Chinese).
#define IDR_MENU_JAPANESE 109
#define IDR_ACCELERATORS 109
#define IDR_LIST_KEYS 120

// Dialog 14: the UI language.
#define IDD_LANGUAGE 14
#define IDC_LANGUAGE_COMBO 1401
#define IDC_LANGUAGE_OK 1001

// Commands sent to the main window.
#define IDM_LANGUAGE 55

// Dialog 5: the printers and their paper names, as a grid made at run time.
#define IDD_PRINTER_LIST 5
#define IDC_PRINTER_GRID 302

// About, version and product-family windows; the program's icons and pictures.
#define IDD_ABOUT 1
#define IDD_VERSION 103
#define IDD_FAMILY 3001
#define IDI_DOVEVAR 107        // the main window's large icon and the program file's
#define IDI_DOVEVAR_SMALL 108  // the main window's small icon
#define IDB_TOOLBAR 113
#define IDB_ABOUT_PICTURE 114
#define IDB_FAMILY_LOGO 121
#define IDB_FAMILY_NAME_PLATE 122
#define IDC_VERSION_TEXT 1511
#define IDC_ABOUT_LINE1 1511
#define IDC_ABOUT_LINE2 1512
#define IDC_ABOUT_LINE3 1513
#define IDC_ABOUT_CLOSE 1001

// Dialog 12: the file-name rules. Rule i of the printer rules has edit 1101 + i, printer
// box 1401 + i and paper box 1405 + i.
#define IDD_FILE_NAME_RULES 12
#define IDC_RULES_OK 1001
#define IDC_RULE_SEARCH_0 1101
#define IDC_RULE_SEARCH_1 1102
#define IDC_RULE_SEARCH_2 1103
#define IDC_RULE_SEARCH_3 1104
#define IDC_RULE_PORTRAIT_SEARCH 1105
#define IDC_RULE_LANDSCAPE_SEARCH 1106
#define IDC_RULE_LAYOUT_SEARCH 1107
#define IDC_RULE_EXTENTS_SEARCH 1108
#define IDC_RULE_DISPLAY_SEARCH 1109
#define IDC_RULE_PRINTER_RULES_ON 1301
#define IDC_RULE_ORIENTATION_RULES_ON 1302
#define IDC_RULE_PLOT_AREA_RULES_ON 1303
#define IDC_RULE_APPLY_ON_COLLECT 1304
#define IDC_RULE_PRINTER_0 1401
#define IDC_RULE_PRINTER_1 1402
#define IDC_RULE_PRINTER_2 1403
#define IDC_RULE_PRINTER_3 1404
#define IDC_RULE_PAPER_0 1405
#define IDC_RULE_PAPER_1 1406
#define IDC_RULE_PAPER_2 1407
#define IDC_RULE_PAPER_3 1408
#define IDC_RULE_PRINTER_SEARCH_HEADING 1511
#define IDC_RULE_PRINTER_HEADING 1512
#define IDC_RULE_PAPER_HEADING 1513
#define IDC_RULE_ORIENTATION_SEARCH_HEADING 1514
#define IDC_RULE_ORIENTATION_HEADING 1515
#define IDC_RULE_PORTRAIT 1516
#define IDC_RULE_LANDSCAPE 1517
#define IDC_RULE_PLOT_AREA_SEARCH_HEADING 1518
#define IDC_RULE_PLOT_AREA_HEADING 1519
#define IDC_RULE_LAYOUT 1520
#define IDC_RULE_EXTENTS 1521
#define IDC_RULE_DISPLAY 1522

// Dialog 16: the folder chooser. Its controls are placed at run time.
#define IDD_FOLDER_CHOOSER 16
#define IDC_CHOOSER_RECENT_LIST 905
#define IDC_CHOOSER_FIRST_FAVOURITE 1001       // 1001..1005: choose favourite 0..4
#define IDC_CHOOSER_FIRST_FAVOURITE_TEXT 1511  // 1511..1515: favourite 0..4 as set
#define IDC_CHOOSER_FIRST_SET_FAVOURITE 1011   // 1011..1015: set favourite 0..4
#define IDC_CHOOSER_OTHER_FOLDER 1021

// Dialog 9: the folder-select dialog, with its folder list made at run time.
#define IDD_FOLDER_SELECT 9
#define IDC_FOLDER_SELECT_TYPE_HEADING 1511
#define IDC_FOLDER_SELECT_DWG 1601
#define IDC_FOLDER_SELECT_DXF 1602
#define IDC_FOLDER_SELECT_BOTH 1603
#define IDC_FOLDER_SELECT_CURRENT 1501
#define IDC_FOLDER_SELECT_READ 1001
#define IDC_FOLDER_SELECT_LIST 904

// Dialog 6: the line edit dialog; its fields are made at run time, ids 500 + item for a
// text box and 2500 + item for a drop-down.
#define IDD_LINE_EDIT 6
#define IDC_LINE_EDIT_OK 1001
#define IDC_LINE_EDIT_CANCEL 1002

// Dialog 8: the search strip.
#define IDD_SEARCH 8
#define IDC_SEARCH_TEXT 1401
#define IDC_SEARCH_GO 1001

// The in-place cell editors over the Drawing list.
#define IDC_CELL_TEXT_BOX 951
#define IDC_CELL_DROP_DOWN 952

// Dialog 2: the environment settings.
#define IDD_ENVIRONMENT 2
#define IDC_ENV_OK 1001
#define IDC_ENV_CANCEL 1002
#define IDC_ENV_CAD_BROWSE 1004
#define IDC_ENV_RUN_SCRIPT_BROWSE 1005
#define IDC_ENV_END_DRAWING_BROWSE 1006
#define IDC_ENV_PLOT_STYLE_BROWSE 1007
#define IDC_ENV_REGISTER_PRINTER 1008
#define IDC_ENV_DELETE_PRINTER 1009
#define IDC_ENV_CAD 1101
#define IDC_ENV_RUN_SCRIPT 1102
#define IDC_ENV_END_DRAWING 1103
#define IDC_ENV_PRINTER_NAME 1104
#define IDC_ENV_PLOT_STYLE 1105
#define IDC_ENV_PRINTERS 1201
#define IDC_ENV_PAPER_AB 1301
#define IDC_ENV_NO_PROHIBITED_WARNING 1302
#define IDC_ENV_PRINTERS_GROUP 1511
#define IDC_ENV_PATHS_GROUP 1512
#define IDC_ENV_PAPER_GROUP 1513
#define IDC_ENV_CAD_HEADING 1514
#define IDC_ENV_RUN_SCRIPT_HEADING 1515
#define IDC_ENV_END_DRAWING_HEADING 1516
#define IDC_ENV_PRINTER_NAME_HEADING 1517
#define IDC_ENV_PLOT_STYLE_HEADING 1518

// Script selection dialog (3).
#define IDD_SCRIPT_SELECTION 3
#define IDC_SCRIPT_SET_HEADING 1511
#define IDC_SCRIPT_SET_TITLE 1401
#define IDC_SCRIPT_SELECT_OK 1001
#define IDC_SCRIPT_SELECT_CANCEL 1002
#define IDC_SCRIPT_DETAILS 1004

// Script detail dialog (13): the item list is made when it opens.
#define IDD_SCRIPT_DETAIL 13
#define IDC_DETAIL_ITEMS 902
#define IDC_DETAIL_IN_USE 1301
#define IDC_DETAIL_TITLE 1101
#define IDC_DETAIL_OUTPUT_MODE 1401
#define IDC_DETAIL_DISPLAY_MODE 1402
#define IDC_DETAIL_EDIT_MODE 1403
#define IDC_DETAIL_WIDTH 1102
#define IDC_DETAIL_FIRST_CHOICE 1103  /* choices 1 to 5: 1103 to 1107 */
#define IDC_DETAIL_INITIAL_VALUE 1108
#define IDC_DETAIL_COMMAND 1109
#define IDC_DETAIL_SET_TITLE 1110
#define IDC_DETAIL_SET_IN_USE 1302
#define IDC_DETAIL_SET_NUMBER 1501
#define IDC_DETAIL_TITLE_HEADING 1511
#define IDC_DETAIL_OUTPUT_HEADING 1512
#define IDC_DETAIL_WIDTH_HEADING 1513
#define IDC_DETAIL_EDIT_HEADING 1514
#define IDC_DETAIL_CHOICES_HEADING 1515
#define IDC_DETAIL_INITIAL_VALUE_HEADING 1516
#define IDC_DETAIL_SET_TITLE_HEADING 1517
#define IDC_DETAIL_COMMAND_HEADING 1518
#define IDC_DETAIL_DISPLAY_HEADING 1519
#define IDC_DETAIL_NEW 1004
#define IDC_DETAIL_READ 1005
#define IDC_DETAIL_REWRITE 1006
#define IDC_DETAIL_DELETE 1007
#define IDC_DETAIL_UP 1008
#define IDC_DETAIL_DOWN 1009
#define IDC_DETAIL_PREVIOUS_SET 1010
#define IDC_DETAIL_NEXT_SET 1011
#define IDC_DETAIL_COPY 1012
#define IDC_DETAIL_PASTE 1013
#define IDC_DETAIL_CLEAR 1014
#define IDC_DETAIL_IMPORT 1015
#define IDC_DETAIL_EXPORT 1016
#define IDC_DETAIL_CLOSE 1002

// The list check and extras settings dialogs, extensions of Dovevar's own.
#define IDD_LIST_CHECK 20
#define IDC_CHECK_SUMMARY 1601
#define IDC_CHECK_GRID 1602
#define IDC_CHECK_SELECT_ROWS 1603
#define IDD_EXTRAS_SETTINGS 21
#define IDC_EXTRAS_CHECK_FIRST 1611
#define IDC_EXTRAS_WATCHDOG_HEADING 1612
#define IDC_EXTRAS_WATCHDOG 1613
#define IDC_EXTRAS_CAD_AT_ONCE_HEADING 1614
#define IDC_EXTRAS_CAD_AT_ONCE 1615
