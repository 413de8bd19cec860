// Resource ids of Dovevar.exe. Numbers are fixed: stored files, the UI text file and
// the test bench refer to them.
#pragma once

#define IDS_APP_TITLE 40000  // "Dovevar 0.00", the title until start-up has finished
#define IDS_CLASS_NAME 109   // "DOVEVAR", the main window's class name

// Dialog 14: the UI language.
#define IDD_LANGUAGE 14
#define IDC_LANGUAGE_COMBO 1401
#define IDC_LANGUAGE_OK 1001

// Commands sent to the main window.
#define IDM_LANGUAGE 55

// Dialog 5: the printers and their paper names, as a grid made at run time.
#define IDD_PRINTER_LIST 5
#define IDC_PRINTER_GRID 302
