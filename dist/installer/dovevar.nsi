; The Windows installer, built on the build machine by scripts/package:
;   makensis -DVERSION=1.03 -DSTAGE=<folder of the portable files> -DICON=<icon>
;            -DOUTFILE=<installer> dovevar.nsi
; The program goes under Program Files; the Start-menu shortcut starts it in a settings
; folder of the user's own, where it may write its settings, lists and Run scripts.
; Uninstalling removes the program and the shortcut and leaves that folder alone.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh

!define PRODUCT "Dovevar"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dovevar"
!define SETTINGS "$APPDATA\Dovevar"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Dovevar.exe"
!define MUI_FINISHPAGE_RUN_FUNCTION StartInSettingsFolder

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the user's Windows language when it is one of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "SimpChinese"

; The program finds every file in the folder it starts in.
Function StartInSettingsFolder
  SetOutPath "${SETTINGS}"
  Exec '"$INSTDIR\Dovevar.exe"'
FunctionEnd

; A starter file the user may have changed since: copied only when it is not there.
!macro CopyWhenAbsent NAME
  IfFileExists "${SETTINGS}\${NAME}" +2
    CopyFiles /SILENT "$INSTDIR\${NAME}" "${SETTINGS}\${NAME}"
!macroend

Section "Dovevar"
  SetRegView 64
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}/Dovevar.exe"
  File "${STAGE}/wchar_set.ini"
  File "${STAGE}/sprct_set_j.ini"
  File "${STAGE}/sprct_set_e.ini"
  File "${STAGE}/sprct_set_k.ini"
  File "${STAGE}/sprct_set_c.ini"
  File "${STAGE}/Dovevar.pdf"
  File "${STAGE}/readme.txt"
  SetOutPath "$INSTDIR\demo"
  File "${STAGE}/demo/*.dxf"

  ; The settings folder. The interface texts and the manual belong to this version and
  ; are replaced; the Script sets are the user's once copied.
  CreateDirectory "${SETTINGS}"
  CopyFiles /SILENT "$INSTDIR\wchar_set.ini" "${SETTINGS}\wchar_set.ini"
  CopyFiles /SILENT "$INSTDIR\Dovevar.pdf" "${SETTINGS}\Dovevar.pdf"
  !insertmacro CopyWhenAbsent sprct_set_j.ini
  !insertmacro CopyWhenAbsent sprct_set_e.ini
  !insertmacro CopyWhenAbsent sprct_set_k.ini
  !insertmacro CopyWhenAbsent sprct_set_c.ini

  ; The shortcut's working folder is the output folder of the moment.
  SetOutPath "${SETTINGS}"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Dovevar.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual.lnk" "${SETTINGS}\Dovevar.pdf"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dovevar.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext current
  Delete "$INSTDIR\Dovevar.exe"
  Delete "$INSTDIR\wchar_set.ini"
  Delete "$INSTDIR\sprct_set_j.ini"
  Delete "$INSTDIR\sprct_set_e.ini"
  Delete "$INSTDIR\sprct_set_k.ini"
  Delete "$INSTDIR\sprct_set_c.ini"
  Delete "$INSTDIR\Dovevar.pdf"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\demo\*.dxf"
  RMDir "$INSTDIR\demo"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
