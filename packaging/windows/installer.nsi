; Per-user installer of ZT-VOLTRAIL for Windows (no administrator rights).
;
;   makensis -DVERSION=1.0 -DEXE=path/ZT-VOLTRAIL-V1.exe -DREADME=path/README.txt
;            [-DICON=path/ZT-VOLTRAIL-V1.ico] [-DOUTFILE=path/ZT-VOLTRAIL-1.0-setup.exe]
;            installer.nsi
;
; scripts/package-windows.sh calls it so.

!ifndef VERSION
  !error "VERSION is not defined (-DVERSION=x.y)"
!endif
!ifndef EXE
  !error "EXE is not defined (-DEXE=path of ZT-VOLTRAIL-V1.exe)"
!endif
!ifndef README
  !error "README is not defined (-DREADME=path of README.txt)"
!endif
!ifndef OUTFILE
  !define OUTFILE "ZT-VOLTRAIL-${VERSION}-setup.exe"
!endif

; Debian's Wine runs 64-bit programs only, and the program is 64-bit anyway.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "ZT-VOLTRAIL"
; The program keeps its settings under a section named after its own file
; name, so the installed copy must keep exactly this name.
!define PROGRAM "ZT-VOLTRAIL-V1.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; A second run goes where the first one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!include "MUI2.nsh"
!include "FileFunc.nsh"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "ZT-VOLTRAIL"
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=${PROGRAM}" "${EXE}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ZT-VOLTRAIL developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put down goes: a missing file is no error, and the
; user's settings (HKCU\Software\ZT_VOLTRAIL) stay for a later install.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\${PROGRAM}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
