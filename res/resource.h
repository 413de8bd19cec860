// Resource ids of Dovevar.exe. Numbers are fixed: stored files, the UI text file and
// the test bench refer to them.
#pragma once

#define IDS_APP_TITLE 40000  // "Dovevar 0.00", the title until start-up has finished
#define IDS_CLASS_NAME 109   // "DOVEVAR", the main window's class name

// Menus of the UI languages: 109 + language (Japanese, English, Korean, Chinese).
#define IDR_MENU_JAPANESE 109
#define IDR_ACCELERATORS 109

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
