; qvn on the PATH (quorvane.nsi): the install folder is added to the PATH of
; the current user (HKCU) or, installed for all users, of the system (HKLM),
; and the uninstaller takes it out again only when the installer put it in.
; NSIS strings hold at most 1024 characters: a PATH too long for that is left
; as it is, with a note, and never cut.

!include StrFunc.nsh
!include WinMessages.nsh
${Using:StrFunc} StrStr
${Using:StrFunc} UnStrRep

!define USER_ENVIRONMENT "Environment"
!define SYSTEM_ENVIRONMENT "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

; Out: $R0 the PATH; $R1 "ok", "none" (no PATH value) or "long" (unreadable here).
!macro READ_PATH_FROM ROOT KEY
  StrCpy $R0 ""
  StrCpy $R1 none
  StrCpy $R2 0
  ${Do}
    ClearErrors
    EnumRegValue $R3 ${ROOT} "${KEY}" $R2
    ${If} ${Errors}
    ${OrIf} $R3 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $R2 $R2 + 1
    ${If} $R3 == "Path"
      ClearErrors
      ReadRegStr $R0 ${ROOT} "${KEY}" "Path"
      ; A value longer than the string limit reads as an error.
      ${If} ${Errors}
        StrCpy $R1 long
      ${Else}
        StrCpy $R1 ok
      ${EndIf}
      ${ExitDo}
    ${EndIf}
  ${Loop}
!macroend

!macro PATH_FUNCTIONS UN
  Function ${UN}ReadPath
    ${If} $MultiUser.InstallMode == AllUsers
      !insertmacro READ_PATH_FROM HKLM "${SYSTEM_ENVIRONMENT}"
    ${Else}
      !insertmacro READ_PATH_FROM HKCU "${USER_ENVIRONMENT}"
    ${EndIf}
  FunctionEnd

  ; In: $R0 the new PATH; an empty one removes the value.
  Function ${UN}WritePath
    ${If} $MultiUser.InstallMode == AllUsers
      ${If} $R0 == ""
        DeleteRegValue HKLM "${SYSTEM_ENVIRONMENT}" "Path"
      ${Else}
        WriteRegExpandStr HKLM "${SYSTEM_ENVIRONMENT}" "Path" $R0
      ${EndIf}
    ${ElseIf} $R0 == ""
      DeleteRegValue HKCU "${USER_ENVIRONMENT}" "Path"
    ${Else}
      WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" $R0
    ${EndIf}
    ; Programs started from now on (Explorer's) see the change.
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
  FunctionEnd
!macroend
!insertmacro PATH_FUNCTIONS ""
!insertmacro PATH_FUNCTIONS "un."

Function AddInstallFolderToPath
  Call ReadPath
  StrLen $R2 $R0
  StrLen $R3 $INSTDIR
  IntOp $R2 $R2 + $R3
  ${If} $R1 == long
  ${OrIf} $R2 >= ${NSIS_MAX_STRLEN}
    DetailPrint "The PATH is too long to be changed by this installer; qvn is not on it."
    MessageBox MB_OK|MB_ICONEXCLAMATION "The PATH is too long to be changed by this installer, \
      so qvn was not added to it. Add $INSTDIR to the PATH by hand to run qvn from anywhere." /SD IDOK
    Return
  ${EndIf}
  ${StrStr} $R2 ";$R0;" ";$INSTDIR;"
  ${If} $R2 != ""
    DetailPrint "$INSTDIR is on the PATH already."
    Return
  ${EndIf}
  StrCpy $R2 $R0 1 -1
  ${If} $R0 == ""
  ${OrIf} $R2 == ";"
    StrCpy $R0 "$R0$INSTDIR"
  ${Else}
    StrCpy $R0 "$R0;$INSTDIR"
  ${EndIf}
  Call WritePath
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" AddedToPath 1
  DetailPrint "Added $INSTDIR to the PATH."
FunctionEnd

Function un.RemoveInstallFolderFromPath
  ClearErrors
  ReadRegDWORD $R2 SHCTX "${UNINSTALL_KEY}" AddedToPath
  ${If} ${Errors}
  ${OrIf} $R2 != 1
    Return
  ${EndIf}
  Call un.ReadPath
  ${If} $R1 != ok
    Return
  ${EndIf}
  ; Between separators, so that only the whole entry goes.
  ${UnStrRep} $R0 ";$R0;" ";$INSTDIR;" ";"
  StrCpy $R0 $R0 "" 1
  StrCpy $R0 $R0 -1
  Call un.WritePath
FunctionEnd
