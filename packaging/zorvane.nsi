; Zorvane's installer: per user, without administrator rights, into the user's own programs
; folder, so that Keydat.qnp next to the exe stays writable. Built by packaging/CMakeLists.txt:
;   makensis -DVERSION=3.96.0 -DEXE=... -DGUIDE=... -DLICENSE_FILE=... -DICON=...
;            -DAPP_IDS=src/app/app_ids.h -DOUTFILE=... zorvane.nsi
; Switches: /S silent, /AUTORUN start with Windows (also in silent mode), /D=folder.

; 64-bit like the program: a 32-bit Windows is told at once that it cannot run it.
Target amd64-unicode
!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh

; The name of the message that asks a running Zorvane to end, from the program's own header.
!searchparse /file "${APP_IDS}" '#define ZV_EXIT_MESSAGE_NAME "' EXIT_MESSAGE_NAME '"'

!define PRODUCT "Zorvane"
!define EXE_NAME "zorvane.exe"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_FILE "Keydat.qnp"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zorvane"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "Zorvane installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 the Zorvane authors, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

Var AutoRun     ; 1: write the autorun value
Var AutoRunBox

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
Page custom AutoRunPage AutoRunPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "Start Zorvane now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\user-guide.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the user guide"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a running Zorvane the orderly way: its main window (which may be hidden) gets the exit
; request, then we wait for the single-instance mutex to go, which lives as long as the process.
; Other programs name their windows "TMainForm" too: every window of the class gets the message
; registered under Zorvane's own name, which only Zorvane knows and answers.
!macro STOP_RUNNING un
Function ${un}StopRunning
  retry:
  System::Call 'user32::RegisterWindowMessage(t "${EXIT_MESSAGE_NAME}") i .r3'
  StrCpy $0 0
  ${Do}
    FindWindow $0 "TMainForm" "" 0 $0
    ${IfThen} $0 = 0 ${|} ${Break} ${|}
    ${If} $3 <> 0
      SendMessage $0 $3 0 0 /TIMEOUT=5000
    ${EndIf}
  ${Loop}
  StrCpy $1 0
  ${Do}
    System::Call 'kernel32::OpenMutex(i 0x00100000, i 0, t "Zorvane") p .r2'
    ${If} $2 = 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r2)'
    IntOp $1 $1 + 1
    ${IfThen} $1 > 50 ${|} ${Break} ${|}
    Sleep 200
  ${Loop}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Zorvane is still running. Choose Exit in its tray menu, then Retry." \
    /SD IDCANCEL IDRETRY retry
  Abort "Zorvane is still running."
FunctionEnd
!macroend
!insertmacro STOP_RUNNING ""
!insertmacro STOP_RUNNING "un."

Function .onInit
  SetShellVarContext current
  StrCpy $AutoRun 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTORUN" $R1
  ${IfNot} ${Errors}
    StrCpy $AutoRun 1
  ${EndIf}
FunctionEnd

Function AutoRunPage
  !insertmacro MUI_HEADER_TEXT "Start with Windows" \
    "Zorvane can start hidden in the tray, with your mappings active, each time you sign in."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Start Zorvane when Windows starts"
  Pop $AutoRunBox
  ${If} $AutoRun = 1
    ${NSD_Check} $AutoRunBox
  ${EndIf}
  ${NSD_CreateLabel} 0 20u 100% 24u \
    "You can change this later on the Settings page of Zorvane's window."
  Pop $0
  nsDialogs::Show
FunctionEnd

Function AutoRunPageLeave
  ${NSD_GetState} $AutoRunBox $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $AutoRun 1
  ${Else}
    StrCpy $AutoRun 0
  ${EndIf}
FunctionEnd

Section "Zorvane" SecMain
  SectionIn RO
  Call StopRunning
  SetOutPath "$INSTDIR"
  File "/oname=${EXE_NAME}" "${EXE}"
  File "/oname=user-guide.html" "${GUIDE}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Zorvane.lnk" "$INSTDIR\${EXE_NAME}" "" "$INSTDIR\${EXE_NAME}" 0 \
    SW_SHOWNORMAL "" "Keyboard remapper"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME},0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0

  ; The same value the Settings page writes: named after the exe's file name, the path quoted;
  ; like the program, never a second copy beside one for all users.
  ReadRegStr $0 HKLM "${RUN_KEY}" "${EXE_NAME}"
  ${If} $AutoRun = 1
  ${AndIf} $0 == ""
    WriteRegStr HKCU "${RUN_KEY}" "${EXE_NAME}" '"$INSTDIR\${EXE_NAME}" -Hide'
  ${EndIf}
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; Removes a registry key under both roots; the machine-wide one only where we may.
!macro DELETE_BOTH key
  DeleteRegKey HKCU "${key}"
  DeleteRegKey HKLM "${key}"
!macroend

Section "Uninstall"
  Call un.StopRunning
  Delete "$INSTDIR\${EXE_NAME}"
  Delete "$INSTDIR\user-guide.html"
  Delete "$INSTDIR\LICENSE.txt"
  ; Left behind only by a write of the settings file that was cut short, before it was swapped in.
  Delete "$INSTDIR\${SETTINGS_FILE}.new"
  ; After a swap that was cut short the backup is the only copy, which the program takes back at
  ; its next start: it goes, like the file, only when the user says so.
  ${If} ${FileExists} "$INSTDIR\${SETTINGS_FILE}"
  ${OrIf} ${FileExists} "$INSTDIR\${SETTINGS_FILE}.bak"
    MessageBox MB_YESNO|MB_ICONQUESTION \
      "Keep your mappings and settings (${SETTINGS_FILE}) for a later installation?" \
      /SD IDYES IDYES keep
    Delete "$INSTDIR\${SETTINGS_FILE}"
    Delete "$INSTDIR\${SETTINGS_FILE}.bak"
    keep:
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Zorvane.lnk"

  DeleteRegValue HKCU "${RUN_KEY}" "${EXE_NAME}"
  DeleteRegValue HKLM "${RUN_KEY}" "${EXE_NAME}"
  !insertmacro DELETE_BOTH "Software\Quillon\Propertiy"
  !insertmacro DELETE_BOTH "Software\Quillon\DisableKey"
  !insertmacro DELETE_BOTH "SOFTWARE\Quillon\RecentFiles"
  DeleteRegKey /ifempty HKCU "Software\Quillon"
  DeleteRegKey /ifempty HKLM "Software\Quillon"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
