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

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
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

; Sets $0 to 1 when $1 may take the install: it is missing or empty, or an
; earlier install of ours went there. Anything else in it is a person's.
Function FolderIsOurs
  Push $2
  Push $3
  StrCpy $0 1
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $2 $1 done
  FindFirst $3 $2 "$1\*"
  loop:
    StrCmp $2 "" found_end
    StrCmp $2 "." next
    StrCmp $2 ".." next
    StrCpy $0 0
    Goto found_end
  next:
    FindNext $3 $2
    Goto loop
  found_end:
    FindClose $3
  done:
  Pop $3
  Pop $2
FunctionEnd

; The install goes into a folder of its own, so that neither it nor the
; uninstaller ever overwrites or deletes a person's file: a chosen folder that
; holds anything else gets \${PRODUCT} appended; if that one is taken too, the
; folder is refused. Sets $0 to 1 when $INSTDIR may be used.
Function ChooseOwnFolder
  Push $1
  StrCpy $1 $INSTDIR
  Call FolderIsOurs
  StrCmp $0 1 chosen
  StrCpy $1 "$INSTDIR\${PRODUCT}"
  Call FolderIsOurs
  StrCmp $0 1 0 chosen
  StrCpy $INSTDIR $1
  chosen:
  Pop $1
FunctionEnd

!macro RefusalText VAR
  StrCpy ${VAR} "$INSTDIR holds files of its own, and so does its ${PRODUCT} folder. Choose an empty folder."
!macroend

Function DirectoryLeave
  Call ChooseOwnFolder
  StrCmp $0 1 usable
  !insertmacro RefusalText $0
  MessageBox MB_OK|MB_ICONSTOP $0
  Abort
  usable:
FunctionEnd

Section "ZT-VOLTRAIL" MainSection
  Call ChooseOwnFolder
  StrCmp $0 1 usable
  !insertmacro RefusalText $0
  MessageBox MB_OK|MB_ICONSTOP $0 /SD IDOK
  Abort $0
  usable:
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
  ; What this section put down, not whatever else the folder holds.
  SectionGetSize ${MainSection} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put down goes, by name: a missing file is no error,
; a file someone added since stays, and so does the folder that holds it. The
; user's settings (HKCU\Software\ZT_VOLTRAIL) stay for a later install.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\${PROGRAM}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
