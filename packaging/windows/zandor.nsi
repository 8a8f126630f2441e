; The Windows installer: zandor.exe for one user, a Start-menu shortcut, an entry under installed apps.
; makensis gets VERSION, VERSION4, PUBLISHER, COPYRIGHT, EXE, README, LICENSE, ICON and OUTFILE with -D,
; HOMEPAGE when the game has one, and AMD64 for the 64-bit twin the tests run (Wine here runs no 32-bit code).
Unicode true
!ifdef AMD64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "WinMessages.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zandor"
; The class of the game's main window, whichever folder the game runs from.
!define GAME_CLASS "ZandorFrame"

Name "Zandor"
OutFile "${OUTFILE}"
; The user's own programs folder: no administrator, and the game can write its log beside itself.
RequestExecutionLevel user
; A file that cannot be replaced fails the install: never a new version in the Apps list over an old program.
AllowSkipFiles off
InstallDir "$LOCALAPPDATA\Programs\Zandor"
; A new version goes where the old one is, so the log stays with the game.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zandor.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English first, the fallback when Windows speaks none of the others; then the game's own languages.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Zandor"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Zandor ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

; Two messages of the installer's own, in each of its languages.
!macro MESSAGES lang running newer
  LangString GameRunning ${LANG_${lang}} "${running}"
  LangString NewerInstalled ${LANG_${lang}} "${newer}"
!macroend
!insertmacro MESSAGES ENGLISH "Zandor is running. Close it, then choose Retry." \
  "Zandor $0 is installed, which is newer than ${VERSION}. Replace it with ${VERSION}?"
!insertmacro MESSAGES GERMAN "Zandor läuft. Beenden Sie es und wählen Sie dann Wiederholen." \
  "Zandor $0 ist installiert, eine neuere Version als ${VERSION}. Durch ${VERSION} ersetzen?"
!insertmacro MESSAGES SPANISH "Zandor se está ejecutando. Ciérrelo y elija Reintentar." \
  "Está instalado Zandor $0, más reciente que ${VERSION}. ¿Sustituirlo por ${VERSION}?"
!insertmacro MESSAGES FRENCH "Zandor est ouvert. Fermez-le, puis choisissez Réessayer." \
  "Zandor $0 est installé, plus récent que ${VERSION}. Le remplacer par ${VERSION} ?"
!insertmacro MESSAGES ITALIAN "Zandor è in esecuzione. Chiudilo, poi scegli Riprova." \
  "È installato Zandor $0, più recente di ${VERSION}. Sostituirlo con ${VERSION}?"
!insertmacro MESSAGES JAPANESE "Zandor が実行中です。終了してから [再試行] を選んでください。" \
  "${VERSION} より新しい Zandor $0 がインストールされています。${VERSION} に置き換えますか?"
!insertmacro MESSAGES DUTCH "Zandor is geopend. Sluit het en kies dan Opnieuw." \
  "Zandor $0 is geïnstalleerd, nieuwer dan ${VERSION}. Vervangen door ${VERSION}?"
!insertmacro MESSAGES POLISH "Zandor jest uruchomiony. Zamknij go, a potem wybierz Ponów." \
  "Zainstalowany jest Zandor $0, nowszy niż ${VERSION}. Zastąpić go wersją ${VERSION}?"
!insertmacro MESSAGES PORTUGUESEBR "O Zandor está aberto. Feche-o e escolha Repetir." \
  "O Zandor $0 está instalado e é mais novo que o ${VERSION}. Substituí-lo pelo ${VERSION}?"
!insertmacro MESSAGES RUSSIAN "Zandor запущен. Закройте его и нажмите «Повтор»." \
  "Установлен Zandor $0, более новый, чем ${VERSION}. Заменить его версией ${VERSION}?"
!insertmacro MESSAGES SIMPCHINESE "Zandor 正在运行。请关闭它，然后选择“重试”。" \
  "已安装 Zandor $0，比 ${VERSION} 新。要用 ${VERSION} 替换它吗?"

; Every running copy of the game must be gone, and the folder's zandor.exe free, before anything changes.
; The player closes it and retries, or cancels; a silent run asks each copy to close and gives up after
; five seconds, failing with a non-zero exit code.
!macro CLOSE_GAME un
Function ${un}CloseGame
  StrCpy $R9 0
  ${Do}
    FindWindow $R8 "${GAME_CLASS}"
    ${If} $R8 = 0
      ${IfNot} ${FileExists} "$INSTDIR\zandor.exe"
        Return
      ${EndIf}
      ClearErrors
      FileOpen $R7 "$INSTDIR\zandor.exe" a  ; a program still running keeps its file
      ${IfNot} ${Errors}
        FileClose $R7
        Return
      ${EndIf}
    ${EndIf}
    ${IfNot} ${Silent}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GameRunning)" IDRETRY +2
      Abort
    ${ElseIf} $R9 >= 50
      DetailPrint "Zandor is still running"
      Abort
    ${Else}
      ${If} $R8 <> 0
        System::Call "user32::PostMessageW(p $R8, i ${WM_CLOSE}, p 0, p 0)"
      ${EndIf}
      Sleep 100
      IntOp $R9 $R9 + 1
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_GAME ""
!insertmacro CLOSE_GAME "un."

; $LANGUAGE as the game chooses its own: the player's preferred languages in order, each as given, then with
; its last part dropped ("zh-Hans-SG", "zh-Hans", "zh"); English when an English one comes first or none
; matches. Without the list (before Windows Vista), NSIS's own choice stands.
!macro CHOOSE_LANGUAGE un
Function ${un}ChooseLanguage
  System::Call "kernel32::GetUserPreferredUILanguages(i 8, *i .r0, p 0, *i 0 r1) i .r2"
  ${IfThen} $2 = 0 ${|} Return ${|}
  IntOp $3 $1 * 2
  System::Alloc $3
  Pop $3
  System::Call "kernel32::GetUserPreferredUILanguages(i 8, *i .r0, p r3, *i r1 r1) i .r2"
  StrCpy $4 $3
  StrCpy $7 ${LANG_ENGLISH}
  ${Do}
    System::Call "kernel32::lstrcpynW(w .r5, p r4, i ${NSIS_MAX_STRLEN})"
    StrLen $6 $5
    ${If} $2 = 0
    ${OrIf} $6 = 0
      ${Break}
    ${EndIf}
    IntPtrOp $4 $4 + $6
    IntPtrOp $4 $4 + $6
    IntPtrOp $4 $4 + 2
    StrCpy $6 $5 3
    ${If} $5 == "en"
    ${OrIf} $6 == "en-"
      ${Break}
    ${EndIf}
    ${Do}
      StrCpy $6 ""
      ${Select} $5
        ${Case} "de"
          StrCpy $6 ${LANG_GERMAN}
        ${Case} "es"
          StrCpy $6 ${LANG_SPANISH}
        ${Case} "fr"
          StrCpy $6 ${LANG_FRENCH}
        ${Case} "it"
          StrCpy $6 ${LANG_ITALIAN}
        ${Case} "ja"
          StrCpy $6 ${LANG_JAPANESE}
        ${Case} "nl"
          StrCpy $6 ${LANG_DUTCH}
        ${Case} "pl"
          StrCpy $6 ${LANG_POLISH}
        ${Case} "pt-BR"
          StrCpy $6 ${LANG_PORTUGUESEBR}
        ${Case} "ru"
          StrCpy $6 ${LANG_RUSSIAN}
        ${Case} "zh-CN"
          StrCpy $6 ${LANG_SIMPCHINESE}
      ${EndSelect}
      ${If} $6 != ""
        StrCpy $7 $6
        StrCpy $2 0  ; found: the outer walk ends too
        ${Break}
      ${EndIf}
      ; Drop the last part, or stop when there is none.
      StrLen $8 $5
      ${Do}
        IntOp $8 $8 - 1
        ${IfThen} $8 <= 0 ${|} ${ExitDo} ${|}
        StrCpy $9 $5 1 $8
      ${LoopUntil} $9 == "-"
      ${IfThen} $8 <= 0 ${|} ${Break} ${|}
      StrCpy $5 $5 $8
    ${Loop}
  ${Loop}
  System::Free $3
  StrCpy $LANGUAGE $7
FunctionEnd
!macroend
!insertmacro CHOOSE_LANGUAGE ""
!insertmacro CHOOSE_LANGUAGE "un."

Function .onInit
  SetShellVarContext current
  Call ChooseLanguage
  ; An older version over a newer one: the player decides; a silent run refuses unless given /DOWNGRADE.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $0 != ""
    ${VersionCompare} "${VERSION}" $0 $1
    ${If} $1 = 2
      ${GetParameters} $2
      ClearErrors
      ${GetOptions} $2 "/DOWNGRADE" $3
      ${If} ${Errors}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(NewerInstalled)" /SD IDNO IDYES +3
        SetErrorLevel 2
        Quit
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
  Call un.ChooseLanguage
FunctionEnd

Section "Zandor" SecGame
  Call CloseGame
  SetOutPath "$INSTDIR"
  File "/oname=zandor.exe" "${EXE}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A copy in another folder goes, by its own uninstaller run in place (so this waits for it), and its log
  ; comes here, with the lock file beside it. Before the key and the shortcut are written: an older
  ; uninstaller removes them whatever they point at.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ClearErrors
    ExecWait '"$0\uninstall.exe" /S _?=$0' $1
    ${If} ${Errors}
    ${OrIf} $1 <> 0
      ; Nothing of this install stays beside the copy that could not go.
      Delete "$INSTDIR\zandor.exe"
      Delete "$INSTDIR\README.txt"
      Delete "$INSTDIR\uninstall.exe"
      RMDir "$INSTDIR"
      DetailPrint "The copy in $0 could not be removed"
      Abort
    ${EndIf}
    Delete "$0\uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\AILog.txt"
      Rename "$0\AILog.txt" "$INSTDIR\AILog.txt"
      Rename "$0\AILog.txt.lock" "$INSTDIR\AILog.txt.lock"
    ${EndIf}
    RMDir "$0"
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\Zandor.lnk" "$INSTDIR\zandor.exe" "" "$INSTDIR\zandor.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zandor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zandor.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef HOMEPAGE
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
!else
  DeleteRegValue HKCU "${UNINSTALL_KEY}" "URLInfoAbout"
  DeleteRegValue HKCU "${UNINSTALL_KEY}" "HelpLink"
!endif
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, each file rounded up as NSIS counts the packed ones, the uninstaller included.
  SectionGetSize ${SecGame} $0
  FileOpen $1 "$INSTDIR\uninstall.exe" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $2 $2 + 1023
  IntOp $2 $2 / 1024
  IntOp $0 $0 + $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program the Start-menu shortcut starts, in $0 ("" without one): IShellLinkW loaded by IPersistFile.
Function un.ShortcutTarget
  StrCpy $0 ""
  System::Call "ole32::CoCreateInstance(g '{00021401-0000-0000-C000-000000000046}', p 0, i 1, \
                g '{000214F9-0000-0000-C000-000000000046}', *p .r1) i .r2"
  ${IfThen} $2 <> 0 ${|} Return ${|}
  System::Call "$1->0(g '{0000010B-0000-0000-C000-000000000046}', *p .r3) i .r2"
  ${If} $2 = 0
    System::Call "$3->5(w '$SMPROGRAMS\Zandor.lnk', i 0) i .r2"
    ${IfThen} $2 = 0 ${|} System::Call "$1->3(w .r0, i ${NSIS_MAX_STRLEN}, p 0, i 0)" ${|}
    System::Call "$3->2()"
  ${EndIf}
  System::Call "$1->2()"
FunctionEnd

; Only what the installer wrote goes: the folder may be one the user chose, and the player's AILog.txt
; stays, and with it the folder. The game goes first: while it runs, nothing else is touched. The Apps entry
; and the shortcut go only when they are this folder's: another install may have taken them over.
Section "Uninstall"
  Call un.CloseGame
  Delete "$INSTDIR\zandor.exe"
  ${If} ${FileExists} "$INSTDIR\zandor.exe"
    DetailPrint "$INSTDIR\zandor.exe could not be removed"
    Abort
  ${EndIf}
  Delete "$INSTDIR\README.txt"
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${IfThen} $0 == $INSTDIR ${|} DeleteRegKey HKCU "${UNINSTALL_KEY}" ${|}
  Call un.ShortcutTarget
  ${IfThen} $0 == "$INSTDIR\zandor.exe" ${|} Delete "$SMPROGRAMS\Zandor.lnk" ${|}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
