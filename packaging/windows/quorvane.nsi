; The Windows installer of Quorvane, made by packaging/windows/make-installer:
;   makensis -DVERSION=0.1.0 -DSTAGE=DIR -DOUTFILE=FILE -DICON=FILE [-DHAVE_GUI] quorvane.nsi
; STAGE holds two lists of the files to install, written by make-installer:
; install_files.nsh (File commands) and uninstall_files.nsh (the Delete and
; RMDir commands that undo them), so the uninstaller removes exactly what was
; installed. HAVE_GUI, given when there is a quorvane.exe, adds its
; Start-menu shortcut.
;
; Installs for the current user (no administrator needed) or for all users;
; silently: setup.exe /S [/CurrentUser | /AllUsers] [/AddToPath] [/D=FOLDER].
; The uninstaller leaves the user's data folder (%APPDATA%\Quorvane) alone.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"

Name "Quorvane ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Quorvane ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Quorvane"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Quorvane ${VERSION} setup"
VIAddVersionKey LegalCopyright "Copyright 2026 the Quorvane developers"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR Quorvane
; A second install, and the uninstaller, find the mode and folder of the first.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include path.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!ifdef HAVE_GUI
  !define MUI_FINISHPAGE_RUN "$INSTDIR\quorvane.exe"
!endif
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

Var FirstFolderMade

Section "Quorvane" SectionProgram
  SectionIn RO
  Call FindFoldersToMake
  ; An earlier install in the same place is removed first, so that no file
  ; it had and this one has not stays behind; the folders it made are still
  ; the install's to remove.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ReadRegStr $FirstFolderMade SHCTX "${UNINSTALL_KEY}" FirstFolderMade
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"
  ${EndIf}
  !include "${STAGE}/install_files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
!ifdef HAVE_GUI
  CreateShortcut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\quorvane.exe"
!endif
  ; SHCTX is HKCU for the current user, HKLM for all users (MultiUser.nsh).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "Quorvane"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "The Quorvane developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
  ${If} $FirstFolderMade != ""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" FirstFolderMade $FirstFolderMade
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section /o "Add qvn to the PATH" SectionPath
  Call AddInstallFolderToPath
SectionEnd

; The folders above the install folder that the install makes (the first of
; them, the outermost, in $FirstFolderMade), so that the uninstaller removes
; them again when they are empty.
Function FindFoldersToMake
  StrCpy $FirstFolderMade ""
  StrCpy $0 $INSTDIR
  ${Do}
    ${GetParent} $0 $0
    ${If} $0 == ""
    ${OrIf} ${FileExists} "$0\*.*"
      ${ExitDo}
    ${EndIf}
    StrCpy $FirstFolderMade $0
  ${Loop}
FunctionEnd

Function un.RemoveFoldersMade
  ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" FirstFolderMade
  ; Only a folder above this one: $INSTDIR starts with it and a "\".
  StrLen $2 $1
  StrCpy $3 $INSTDIR $2
  StrCpy $4 $INSTDIR 1 $2
  ${If} $1 == ""
  ${OrIf} $3 != $1
  ${OrIf} $4 != "\"
    Return
  ${EndIf}
  StrCpy $0 $INSTDIR
  ${Do}
    ${GetParent} $0 $0
    RMDir $0
  ${LoopUntil} $0 == $1
FunctionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AddToPath" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SectionPath} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Section Uninstall
  !include "${STAGE}/uninstall_files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
  Call un.RemoveFoldersMade
  Delete "$SMPROGRAMS\Quorvane.lnk"
  Call un.RemoveInstallFolderFromPath
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; Started from the install folder, the uninstaller runs as a copy of itself
  ; in a folder in %TEMP%, which Windows deletes at the next start.
  ${If} $EXEDIR != $INSTDIR
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$EXEDIR"
  ${EndIf}
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd
