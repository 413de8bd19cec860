// Resource ids of Dovevar.exe. Numbers are fixed: stored files, the UI text file and
// the test bench refer to them.
#pragma once

#define IDS_APP_TITLE 40000  // "Dovevar 0.00", the title until start-up has finished
#define IDS_CLASS_NAME 109   // "DOVEVAR", the main window's class name
