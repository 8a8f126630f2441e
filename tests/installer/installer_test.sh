#!/usr/bin/env bash
# Checks the 32-bit installer as built, and runs its 64-bit twin under Wine: install, reinstall, uninstall.
# Usage: installer_test.sh BUILD32 BUILD64, with the Windows stage's fresh WINEPREFIX and its Xvfb's DISPLAY.
set -euo pipefail
b32=$1 b64=$2 wine=/usr/lib/wine/wine64
fail() { echo "installer: $*" >&2; kill $(jobs -p) 2>/dev/null; exit 1; }  # no window of ours stays up
poll() { local end=$((SECONDS + 90)); until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }
timed() { local s; s=$(date +%s%N); "${@:2}" || fail "$1"; echo "$1: $((($(date +%s%N) - s) / 1000000)) ms"; }
unix() { local p=${1#C:\\}; echo "$WINEPREFIX/drive_c/${p//\\//}"; }
uninstall() { $wine "$1/uninstall.exe" /S && poll gone "$1"; }  # it goes on from a copy in %TEMP%
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES-};winemenubuilder.exe=d"  # no copy in the host's menus
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$b64/CMakeCache.txt")
publisher=$(sed -n '/^ZANDOR_MAINTAINER:STRING=/{s///;s/ *<[^>]*>$//;p}' "$b64/CMakeCache.txt")
setup32=$b32/zandor-$version-setup.exe setup64=$b64/zandor-$version-win64-setup.exe

[[ "$(file -b "$setup32")" == "PE32 executable (GUI) Intel 80386"* ]] || fail "$setup32: not 32-bit GUI"
7z e -so "$setup32" zandor.exe | cmp - "$b32/ui/win32/zandor.exe" || fail "$setup32 lacks its zandor.exe"
echo "installer sizes: $(stat -c '%n %s bytes' "$setup32" "$setup64" | tr '\n' ' ')"

IFS=';' read -r local roaming < <($wine cmd /c 'echo %LOCALAPPDATA%;%APPDATA%' | tr -d '\r')
win_dir="$local\\Programs\\Zandor" lnk="$(unix "$roaming")/Microsoft/Windows/Start Menu/Programs/Zandor.lnk"
dir=$(unix "$win_dir") key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zandor'
gone() { ! $wine reg query "$key" >/dev/null 2>&1 && [ ! -e "$lnk" ] && [ ! -e "$1/uninstall.exe" ]; }
gone "$dir" || fail "Zandor is installed in a fresh prefix"
log="O lost to Nerd God"  # the game's log beside itself, and in its other folder, which is no installer's
mkdir -p "$(unix "$local")/Zandor" && echo "$log" >"$(unix "$local")/Zandor/AILog.txt"

timed "silent install" $wine "$setup64" /S
[ "$(ls "$dir" | tr '\n' ' ')" = "README.txt uninstall.exe zandor.exe " ] || fail "installed: $(ls "$dir")"
cmp "$dir/zandor.exe" "$b64/ui/win32/zandor.exe"
strings -a "$lnk" | grep -qxF "$win_dir\\zandor.exe" || fail "the shortcut starts no $win_dir\\zandor.exe"
strings -a -el "$lnk" | grep -qF "$win_dir\\zandor.exe" || fail "the shortcut lacks the game's icon"
kib=$(stat -c %s "$dir"/* | awk '{ k += int(($1 + 1023) / 1024) } END { printf "0x%x", k }')
values=$($wine reg query "$key" | tr -d '\r')
while IFS='|' read -r name type value; do
  grep -qxF "    $name    $type    $value" <<<"$values" || fail "$name is not $type $value in: $values"
done <<EOF
DisplayName|REG_SZ|Zandor
DisplayVersion|REG_SZ|$version
Publisher|REG_SZ|$publisher
DisplayIcon|REG_SZ|$win_dir\\zandor.exe,0
EstimatedSize|REG_DWORD|$kib
UninstallString|REG_SZ|"$win_dir\\uninstall.exe"
QuietUninstallString|REG_SZ|"$win_dir\\uninstall.exe" /S
NoModify|REG_DWORD|0x1
NoRepair|REG_DWORD|0x1
EOF

$wine "$dir/zandor.exe" & game=$!
poll xdotool search --onlyvisible --name '^Zandor \[O:0; X:0\]$' >/dev/null || fail "no game window"
kill $game && wait $game || true

echo "$log" >"$dir/AILog.txt"
timed "silent reinstall" $wine "$setup64" /S
timed "silent uninstall" uninstall "$dir"
[ "$(ls -A "$dir")" = AILog.txt ] || fail "left after the uninstall: $(ls -A "$dir")"
[ "$(cat "$dir/AILog.txt" "$(unix "$local")/Zandor/AILog.txt")" = "$log"$'\n'"$log" ] || fail "a log was lost"

# /D= puts it elsewhere (not a name with a blank, which Wine would quote and NSIS not read), and the folder
# goes with the uninstall when it holds no log.
other=$WINEPREFIX/drive_c/Games/Zandor
$wine "$setup64" /S '/D=C:\Games\Zandor' && [ -f "$other/zandor.exe" ] || fail "/D= ignored"
uninstall "$other" && poll test ! -e "$other" || fail "$other stays after the uninstall"
