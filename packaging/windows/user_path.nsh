; ntc-beta: the install folder on the user's PATH (HKCU\Environment), so
; that `ntc-beta-cli` runs in any new Command Prompt or PowerShell window.
; The rest of PATH stays as it was, character for character: the folder is
; added as the last entry and the uninstaller takes out that entry alone.
; NSIS holds at most NSIS_MAX_STRLEN - 1 characters in a variable; a longer
; PATH reads back as an error, and is then left alone rather than written
; back cut short (or empty).
;   Call AddToPath          (installer; $INSTDIR)
;   Call un.RemoveFromPath  (uninstaller; $INSTDIR)
; Both tell the running programs (Explorer first) that the environment
; changed, so that the windows they open next see it.

!include LogicLib.nsh
!include WinMessages.nsh

!define USER_ENVIRONMENT "Environment"

; $0 = 1 when the user has a PATH value at all (of any length), else 0.
Function PathValueExists
    Push $1
    Push $2
    StrCpy $0 0
    StrCpy $1 0
    ${Do}
        ClearErrors
        EnumRegValue $2 HKCU "${USER_ENVIRONMENT}" $1
        ${If} ${Errors}
        ${OrIf} $2 == ""
            ${Break}
        ${EndIf}
        ${If} $2 == "Path" ; StrCmp: case does not matter, as in Windows
            StrCpy $0 1
            ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
    ${Loop}
    Pop $2
    Pop $1
FunctionEnd

!macro TELL_ENVIRONMENT_CHANGED
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
!macroend

; $1 = 1 when the entry $2 names the install folder (with or without a
; trailing backslash; case does not matter), else 0.
!macro IS_INSTALL_FOLDER un
Function ${un}IsInstallFolder
    StrCpy $1 0
    ${If} $2 == $INSTDIR
    ${OrIf} $2 == "$INSTDIR\"
        StrCpy $1 1
    ${EndIf}
FunctionEnd
!macroend
!insertmacro IS_INSTALL_FOLDER ""
!insertmacro IS_INSTALL_FOLDER "un."

; Walks PATH ($0) entry by entry. $3 = the entries that do not name the
; install folder, joined by ";" as they were; $4 = how many entries were
; kept; $5 = how many named the install folder.
!macro SPLIT_PATH un
Function ${un}SplitPath
    Push $1
    Push $2
    Push $6
    Push $7
    StrCpy $2 "" ; the entry being read
    StrCpy $3 ""
    StrCpy $4 0
    StrCpy $5 0
    StrCpy $6 0 ; the position in $0
    ${Do}
        StrCpy $7 $0 1 $6
        ${If} $7 == ";"
        ${OrIf} $7 == ""
            Call ${un}IsInstallFolder
            ${If} $1 == 1
                IntOp $5 $5 + 1
            ${ElseIf} $4 == 0
                StrCpy $3 $2
                IntOp $4 $4 + 1
            ${Else}
                StrCpy $3 "$3;$2"
                IntOp $4 $4 + 1
            ${EndIf}
            ${IfThen} $7 == "" ${|} ${Break} ${|}
            StrCpy $2 ""
        ${Else}
            StrCpy $2 "$2$7"
        ${EndIf}
        IntOp $6 $6 + 1
    ${Loop}
    Pop $7
    Pop $6
    Pop $2
    Pop $1
FunctionEnd
!macroend
!insertmacro SPLIT_PATH ""
!insertmacro SPLIT_PATH "un."

Function AddToPath
    ClearErrors
    ReadRegStr $0 HKCU "${USER_ENVIRONMENT}" "Path"
    ${If} ${Errors}
        Call PathValueExists
        ${If} $0 == 1
            MessageBox MB_OK|MB_ICONINFORMATION "$(PathTooLong)" /SD IDOK
            Return
        ${EndIf}
        StrCpy $0 ""
    ${EndIf}
    Call SplitPath
    ${IfThen} $5 > 0 ${|} Return ${|} ; on PATH already
    ; The new PATH, with its ";", must fit in a variable whole.
    StrLen $1 $0
    StrLen $2 $INSTDIR
    IntOp $1 $1 + $2
    IntOp $1 $1 + 1
    ${If} $1 >= ${NSIS_MAX_STRLEN}
        MessageBox MB_OK|MB_ICONINFORMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    ${If} $0 == ""
        WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" $INSTDIR
    ${Else}
        WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" "$0;$INSTDIR"
    ${EndIf}
    !insertmacro TELL_ENVIRONMENT_CHANGED
FunctionEnd

Function un.RemoveFromPath
    ClearErrors
    ReadRegStr $0 HKCU "${USER_ENVIRONMENT}" "Path"
    ${IfThen} ${Errors} ${|} Return ${|} ; none, or too long to have been changed
    Call un.SplitPath
    ${IfThen} $5 == 0 ${|} Return ${|}
    ${If} $4 == 0
        DeleteRegValue HKCU "${USER_ENVIRONMENT}" "Path"
    ${Else}
        WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" $3
    ${EndIf}
    !insertmacro TELL_ENVIRONMENT_CHANGED
FunctionEnd
