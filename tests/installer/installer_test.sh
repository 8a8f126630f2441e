#!/usr/bin/env bash
# Checks the 32-bit installer as built, and runs its 64-bit twin under Wine: upgrades, downgrades, a running
# game, another folder, uninstalls.
# Usage: installer_test.sh BUILD32 BUILD64, with the Windows stage's fresh WINEPREFIX and its Xvfb's DISPLAY.
set -euo pipefail
b32=$1 b64=$2 wine=/usr/lib/wine/wine64
fail() { echo "installer: $*" >&2; kill $(jobs -p) 2>/dev/null; kill -CONT $(jobs -p) 2>/dev/null; exit 1; }  # no window stays
poll() { local end=$((SECONDS + 90)); until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }
timed() { local s; s=$(date +%s%N); "${@:2}" || fail "$1"; echo "$1: $((($(date +%s%N) - s) / 1000000)) ms"; }
unix() { local p=${1#C:\\}; echo "$WINEPREFIX/drive_c/${p//\\//}"; }
uninstall() { $wine "$1/uninstall.exe" /S && poll gone "$1"; }  # it goes on from a copy in %TEMP%
inplace() { printf '"%s\\uninstall.exe" /S _?=%s\r\n' "$1" "$1" >"$WINEPREFIX/drive_c/u.bat" && $wine cmd /c 'C:\u.bat' >/dev/null; }  # waits for its exit code; cmd passes _?= unquoted
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES-};winemenubuilder.exe=d"  # no copy in the host's menus
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$b64/CMakeCache.txt")
publisher=$(sed -n '/^ZANDOR_MAINTAINER:STRING=/{s///;s/ *<[^>]*>$//;p}' "$b64/CMakeCache.txt")
setup32=$b32/zandor-$version-setup.exe setup64=$b64/zandor-$version-win64-setup.exe

[[ "$(file -b "$setup32")" == "PE32 executable (GUI) Intel 80386"* ]] || fail "$setup32: not 32-bit GUI"
7z e -so "$setup32" zandor.exe | cmp - "$b32/ui/win32/zandor.exe" || fail "$setup32 lacks its zandor.exe"
echo "installer sizes: $(stat -c '%n %s bytes' "$setup32" "$setup64" | tr '\n' ' ')"

old=$(mktemp -d /tmp/zandor-old.XXXXXX) && trap 'rm -rf "$old"' EXIT && cp "$b64/ui/win32/zandor.exe" "$old" && echo >>"$old/zandor.exe"
makensis -V1 -NOCD -DAMD64 -DVERSION=0.9 -DVERSION4=0.9.0.0 -DPUBLISHER=P -DCOPYRIGHT=C -DEXE="$old/zandor.exe" -DLICENSE=LICENSE \
  -DHOMEPAGE=https://zandor.invalid/ -DREADME="$b64/ui/win32/README.txt" -DICON="$b64/ui/win32/art/zandor.ico" -DOUTFILE="$old/setup.exe" packaging/windows/zandor.nsi  # version 0.9 of another zandor.exe, with a home page

$wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v 'Local AppData' /t REG_EXPAND_SZ /d 'C:\users\Zan Dor\Local' /f >/dev/null 2>&1  # a blank in the installer's folder
IFS=';' read -r local roaming < <($wine cmd /c 'echo %LOCALAPPDATA%;%APPDATA%' | tr -d '\r')
win_dir='C:\users\Zan Dor\Local\Programs\Zandor' lnk="$(unix "$roaming")/Microsoft/Windows/Start Menu/Programs/Zandor.lnk"
dir=$(unix "$win_dir") key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zandor'
gone() { ! $wine reg query "$key" >/dev/null 2>&1 && [ ! -e "$lnk" ] && [ ! -e "$1/uninstall.exe" ]; }
log="O lost to Nerd God"  # the game's log beside itself, and in its other folder, which is no installer's
mkdir -p "$(unix "$local")/Zandor" && echo "$log" >"$(unix "$local")/Zandor/AILog.txt"
value() { $wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }'; }
play() { $wine "$1/zandor.exe" & game=$!; poll xdotool search --onlyvisible --name '^Zandor \[O:0; X:0\]$' >/dev/null || fail "no game window"; }

timed "silent install of 0.9" $wine "$old/setup.exe" /S
[ "$(value URLInfoAbout) $(value HelpLink)" = "https://zandor.invalid/ https://zandor.invalid/" ] || fail "no home page"
play "$dir" && kill -STOP $game  # a game that answers nothing stops the upgrade and the uninstall, changing nothing
$wine "$setup64" /S && fail "an upgrade over a hung game reported success"
inplace "$win_dir" && fail "an uninstall under a hung game reported success"
cmp "$dir/zandor.exe" "$old/zandor.exe" && [ "$(value DisplayVersion)" = 0.9 ] || fail "a failed upgrade changed 0.9"
kill -CONT $game && poll eval '! xdotool search --name "^Zandor \\[" >/dev/null' || fail "the woken game stays"; play "$dir"
timed "silent upgrade closing the game" $wine "$setup64" /S
wait $game && cmp "$dir/zandor.exe" "$b64/ui/win32/zandor.exe" && [ "$(value DisplayVersion)" = "$version" ] || fail "the old game stays"
! $wine "$old/setup.exe" /S && [ "$(value DisplayVersion)" = "$version" ] || fail "a silent downgrade went ahead"
$wine "$old/setup.exe" /S /DOWNGRADE && [ "$(value DisplayVersion)" = 0.9 ] || fail "/DOWNGRADE did not downgrade"

echo "$log" >"$dir/AILog.txt" && : >"$dir/AILog.txt.lock"  # another folder: the log comes along, one Apps entry
win_dir='C:\Games\Zandor' other=$dir dir=$WINEPREFIX/drive_c/Games/Zandor
timed "silent upgrade into another folder" $wine "$setup64" /S "/D=$win_dir"
[ ! -e "$other" ] && [ "$(ls "$dir" | tr '\n' ' ')" = "AILog.txt AILog.txt.lock README.txt uninstall.exe zandor.exe " ] ||
  fail "the old folder stays, or $dir holds: $(ls "$dir")"
strings -a "$lnk" | grep -qxF "$win_dir\\zandor.exe" || fail "the shortcut starts no $win_dir\\zandor.exe"
strings -a -el "$lnk" | grep -qF "$win_dir\\zandor.exe" || fail "the shortcut lacks the game's icon"
kib=$(stat -c %s "$dir"/{README.txt,uninstall.exe,zandor.exe} | awk '{ k += int(($1 + 1023) / 1024) } END { printf "0x%x", k }')
values=$($wine reg query "$key" | tr -d '\r')
while IFS='|' read -r name type value; do
  grep -qxF "    $name    $type    $value" <<<"$values" || fail "$name is not $type $value in: $values"
done <<EOF
DisplayName|REG_SZ|Zandor
DisplayVersion|REG_SZ|$version
Publisher|REG_SZ|$publisher
DisplayIcon|REG_SZ|$win_dir\\zandor.exe,0
InstallLocation|REG_SZ|$win_dir
EstimatedSize|REG_DWORD|$kib
UninstallString|REG_SZ|"$win_dir\\uninstall.exe"
QuietUninstallString|REG_SZ|"$win_dir\\uninstall.exe" /S
NoModify|REG_DWORD|0x1
NoRepair|REG_DWORD|0x1
EOF

cp -r "$dir" "$dir-stray" && inplace 'C:\Games\Zandor-stray'  # a stray copy's uninstaller takes nothing of this one
[ "$(value InstallLocation)" = "$win_dir" ] && [ -e "$lnk" ] || fail "a stray uninstaller took the Apps entry or the shortcut"
play "$dir" && timed "silent uninstall closing the game" uninstall "$dir" && wait $game
[ "$(ls -A "$dir" | tr '\n' ' ')" = "AILog.txt AILog.txt.lock " ] || fail "left after the uninstall: $(ls -A "$dir")"
[ "$(cat "$dir/AILog.txt" "$(unix "$local")/Zandor/AILog.txt")" = "$log"$'\n'"$log" ] || fail "a log was lost"
