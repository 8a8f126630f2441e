#!/usr/bin/env bash
# Makes docs/screenshot.png: the real window in mid-game, played under Xvfb with xdotool.
# Run it as yourself, like the set-up commands: tools/screenshot.sh [OUTPUT.png]
# Two players, so the picture is the same every time: O wins one game, then the next is half played.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# The package list brings openbox: a window manager draws the title bar, so the picture shows the
# caption with the score.
ensure_packages build qt package
build_as_user "$@"
cd "$ROOT"
out="$(realpath -m "${1:-$ROOT/docs/screenshot.png}")"
build="$(realpath -m "${ZANDOR_SCREENSHOT_BUILD:-$ROOT/build/default}")"
[ -f "$build/CMakeCache.txt" ] || cmake --preset default -B "$build"
cmake --build "$build" -j2 --target zandor
program="$build/ui/qt/zandor"

work="$(mktemp -d)"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/wm.log" 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$work/home"
HOME="$work/home" QT_QPA_PLATFORM=xcb "$program" >"$work/game.log" 2>&1 &
pids+=($!)

wid=""
for _ in $(seq 100); do
  wid="$(xdotool search --name '^Zandor \[' 2>/dev/null | head -n1 || true)"
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "screenshot: the window did not appear" >&2; cat "$work/game.log" >&2; exit 1; }
xdotool windowactivate --sync "$wid"
sleep 0.5

# The board is the top 300 x 300 of the 302 x 340 client area, under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$wid")"
top=$((HEIGHT - 340))
o() { xdotool mousemove --window "$wid" $((100 * $1 + 50)) $((top + 100 * $2 + 50)) click 1; sleep 0.3; }
x() { xdotool key --window "$wid" "$1"; sleep 0.3; }

xdotool key --clearmodifiers alt+f; sleep 0.3; xdotool key 2; sleep 0.5   # File > 2 Player
o 0 0; x KP_Begin; o 1 0; x Next; o 2 0   # O takes the top row
sleep 1.5                                   # the finished game stays up for a second
x KP_Begin; o 0 0; x Prior; o 0 2           # X, the loser, opens the next game

caption="$(xdotool getwindowname "$wid")"
[ "$caption" = "Zandor [O:1; X:0]" ] || { echo "screenshot: unexpected caption '$caption'" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
import -frame -window "$wid" "$out"
echo "screenshot: $out ($(identify -format '%w x %h' "$out"))"
