# The Windows builds: the PE32 release checked as built, the 64-bit build's tests and real window under Wine.
source "$ROOT/tools/lib.sh"
cd "$ROOT"

fail() {
  echo "windows: $*" >&2
  exit 1
}
step() { echo "--- windows: $* ($(( $(date +%s) - stage_start )) s)"; }
# A googletest run; a filter that selects no test fails like a failing test.
gtest_run() {
  local out
  out=$("$@" 2>&1) || { echo "$out"; fail "$*: tests failed"; }
  echo "$out"
  grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' <<<"${out//$'\r'/}" || fail "$*: no test selected"
}
stage_start=$(date +%s)

# No window procedure or window-data call may cast away a pointer's width: the 64-bit build would run
# but the same source could truncate elsewhere.
if grep -nE '\(WNDPROC\)|_cast<WNDPROC>|SetWindowLong[AW]?\(|GetWindowLong[AW]?\(|\(LONG\)|_cast<LONG>' \
    ui/win32/*.cpp ui/win32/*.h tests/win32/*.cpp; then
  fail "casts that hide 32-bit faults (use WNDPROC-typed functions and Get/SetWindowLongPtr with LONG_PTR)"
fi

step "32-bit release build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
exe=build/win32/ui/win32/zandor.exe
description=$(file -b "$exe")
echo "$exe: $description, $(stat -c %s "$exe") bytes"
[[ "$description" == "PE32 executable (GUI) Intel 80386"* ]] || fail "zandor.exe is not a 32-bit GUI program"
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for dll in $imports; do
  case "$dll" in
    GDI32.DLL | KERNEL32.DLL | USER32.DLL | MSVCRT.DLL) ;;
    OLEACC.DLL | OLEAUT32.DLL | OLE32.DLL) ;;  # the board for assistive technology
    *) fail "zandor.exe needs $dll, which Windows does not ship" ;;
  esac
done
grep -q -- '-Werror' build/win32/ui/win32/CMakeFiles/zandor.dir/flags.make || fail "the release is not built with -Werror"
# The art is drawn at build time into the resources: none of the art code, nor the null toolkit, goes in.
map=build/win32/ui/win32/zandor.map
[ -s "$map" ] || fail "no link map at $map to check"
art=$(awk '{ while (match($0, /[a-z_]+\.a\((artwork|image|null_toolkit)\.cpp\.obj\)/)) {
  print substr($0, RSTART, RLENGTH); $0 = substr($0, RSTART + RLENGTH) } }' "$map" | sort -u)
[ -z "$art" ] || fail "zandor.exe holds the art code: $art"
# The x87 unit keeps extra bits, so a draw such as 0.6f * 5 would compare above 3: the game's and the
# computer's float arithmetic must run in SSE registers as on 64 bits. Loads and stores of the x87 stack
# remain where the 32-bit calling convention returns a float in it.
x87=$(find build/win32 -path '*zandor_core.dir/*' \( -path '*/game/*' -o -path '*/ai/*' \) -name '*.obj' \
  -exec i686-w64-mingw32-objdump -d --no-show-raw-insn {} + |
  grep -E $'\tf(add|sub|mul|div|i?u?com|sqrt|abs|chs|rndint|scale|prem|xtract|sin|cos|ptan|patan|2xm1|yl2x|tst|xam|iadd|isub|imul|idiv|ist)[a-z0-9]*[[:space:]]' || true)
[ -z "$x87" ] || fail "x87 arithmetic in the 32-bit game and computer objects:"$'\n'"$x87"
[ -n "$(find build/win32 -path '*zandor_core.dir/*' -path '*/ai/*' -name '*.obj')" ] || fail "no 32-bit ai objects to check"
(cd build/win32 && cpack -G ZIP >/dev/null)
package=$(ls build/win32/zandor-*-win32.zip)
listing=$(unzip -Z1 "$package" | sort | tr '\n' ' ')
[ "$listing" = "README.txt zandor.exe " ] || fail "$package holds: $listing"
unzip -p "$package" README.txt | grep -qv $'\r$' && fail "the read-me in $package has lines without CR LF"
echo "package: $package"

step "64-bit build"
cmake --preset win64 >/dev/null
cmake --build --preset win64

# One Wine prefix for this run, in a folder of its own, with its server kept up between programs.
work=$(mktemp -d /tmp/zandor-windows.XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
step "Wine prefix"
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p 120
DISPLAY="" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1

step "core and window logic tests under Wine"
DISPLAY="" ctest --preset win64

step "the log's time in two regional formats"
mkdir -p "$work/locale"
for locale in en_US de_DE; do
  localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8"
  gtest_run env LOCPATH="$work/locale" LC_ALL=$locale.UTF-8 ZANDOR_LOCALE=${locale/_/-} DISPLAY="" \
    /usr/lib/wine/wine64 build/win64/tests/win32/win32_tests.exe --gtest_filter='*RegionalFormat' --gtest_brief=1
done

step "the real window under Wine and Xvfb"
# A display no X server listens on, not even one whose lock file was removed; Xvfb tells its number when ready.
display=$((RANDOM % 800 + 100))
while grep -q "X11-unix/X$display\$" /proc/net/unix; do display=$((display + 1)); done
exec 9>"$work/display"
Xvfb ":$display" -displayfd 9 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 9>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
# An English interface, as Wine takes it from the locale; then the program's menus under a German one.
LC_ALL=C.UTF-8 ctest --test-dir build/win64 -L window --no-tests=error --output-on-failure
german=$(LOCPATH="$work/locale" LC_ALL=de_DE.UTF-8 /usr/lib/wine/wine64 build/win64/tests/win32/win32_tests.exe \
  --gtest_filter='*UsersLanguage' --gtest_brief=1) || fail "the menus under a German interface: $german"
grep -q 'PASSED.*1 test' <<<"$german" || fail "no test of the German menus ran: $german"
/usr/bin/python3 tests/e2e/play.py build/win64/ui/win32/zandor.exe two_players
step "the installer"
bash tests/installer/installer_test.sh build/win32 build/win64
# At 144 DPI the window and its board are half as large again, and clicks must still find their cells.
/usr/lib/wine/wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
/usr/bin/python3 tests/e2e/play.py build/win64/ui/win32/zandor.exe scaled
step "done"
