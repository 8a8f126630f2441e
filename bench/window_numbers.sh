#!/usr/bin/env bash
# Window numbers of the Qt front end on a private Xvfb with no window manager: start to first complete paint
# (seen through X DAMAGE), processor time to it and peak memory of the game against the fair Qt6 window (same
# menus, a painted 300 x 300 image and a two-line label, no game) and a bare one, interleaved runs at screen
# scales 1 and 2; then processor time during the one-second end-of-game hold and mouse release to repaint.
# Usage: bench/window_numbers.sh [build dir, default build/default] (configured with ZANDOR_BENCH).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build/default}" && pwd)"
RUNS="${RUNS:-15}"
cmake --build "$BUILD" --target zandor fair_qt minimal_qt window_probe -j2 >/dev/null
PROBE="$BUILD/bench/window_probe"

TMP="$(mktemp -d)"
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$TMP"
}
trap cleanup EXIT

mkfifo "$TMP/display"
Xvfb -displayfd 5 -screen 0 1024x900x24 -noreset -nolisten tcp >/dev/null 2>&1 5>"$TMP/display" &
XVFB_PID=$!
read -r number <"$TMP/display"
[ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number" XDG_RUNTIME_DIR="$TMP" QT_QPA_PLATFORM=xcb
numlockx on
# The game writes nothing beside the build's own binary.
cp "$BUILD/ui/qt/zandor" "$TMP/zandor"

# Starts a program under the probe; leaves its first-paint time in $paint, its processor time to it in $cpu
# and its pid in $pid. close_probe then reports its peak memory in $rss and ends it.
start() {
  rm -f "$TMP/in" "$TMP/out" && mkfifo "$TMP/in"
  "$PROBE" start "$@" <"$TMP/in" >"$TMP/out" &
  probe_pid=$!
  exec 6>"$TMP/in"
  until [ -s "$TMP/out" ]; do sleep 0.01; done
  read -r _ paint _ cpu _ pid <"$TMP/out"
}
close_probe() {
  exec 6>&-
  wait "$probe_pid" || true
  rss=$(awk '/peak_rss_kb/ {print $2}' "$TMP/out")
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

programs=(fair="$BUILD/bench/fair_qt" minimal="$BUILD/bench/minimal_qt" zandor="$TMP/zandor")
for scale in 1 2; do
  for ((i = 0; i < RUNS; i++)); do
    for entry in "${programs[@]}"; do
      name=${entry%%=*}
      start env QT_SCALE_FACTOR=$scale "${entry#*=}"
      sleep 0.3  # start-up settles before its peak memory is read
      close_probe
      echo "$paint" >>"$TMP/$name.$scale.ms"; echo "$cpu" >>"$TMP/$name.$scale.cpu"; echo "$rss" >>"$TMP/$name.$scale.rss"
    done
  done
  for entry in "${programs[@]}"; do
    name=${entry%%=*}
    printf 'startup scale %s %s: paint %s ms, cpu %s ms, rss %s kB (medians of %s)\n' "$scale" "$name" \
      "$(median <"$TMP/$name.$scale.ms")" "$(median <"$TMP/$name.$scale.cpu")" "$(median <"$TMP/$name.$scale.rss")" "$RUNS"
  done
done

# One more run of the game, played.
start "$TMP/zandor"
win=$(xdotool search --sync --onlyvisible --name '^Zandor \[' | head -1)
xdotool windowfocus --sync "$win"
eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "wx=" $4} /Absolute upper-left Y/ {print "wy=" $4} /Height/ {print "wh=" $2}')"
bx=$wx; by=$((wy + wh - 340))

# Mouse release to the O on screen, one-player mode: the O is drawn before the computer thinks.
: >"$TMP/click.ms"
for cell in 0 2 4 6 8 1 3; do
  xdotool key F2
  "$PROBE" click $((bx + cell % 3 * 100 + 20)) $((by + cell / 3 * 100 + 18)) 64 76 | awk '{print $2}' >>"$TMP/click.ms"
  sleep 0.7  # the computer's reply
done
click_ms=$(median <"$TMP/click.ms")

# Processor time of the game while it holds a finished board: two players, O wins the top row.
# Nanoseconds on the processor, from the scheduler's own account (finer than clock ticks).
ticks() { awk '{print $1}' "/proc/$pid/schedstat"; }
xdotool key alt+f; sleep 0.2; xdotool key 2; sleep 0.2
click() { xdotool mousemove --sync $((bx + $1 % 3 * 100 + 50)) $((by + $1 / 3 * 100 + 50)) click 1; }
click 0; xdotool key KP_Left; click 1; xdotool key KP_Begin; sleep 0.3
idle0=$(ticks); sleep 1.2; idle1=$(ticks)
hold0=$(ticks); click 2; sleep 1.2; hold1=$(ticks)
caption=$(xdotool getwindowname "$win")
[ "$caption" = "Zandor [O:1; X:0]" ] || echo "warning: the hold was not measured on a win ($caption)" >&2
close_probe; played_rss=$rss

awk -v pr="$played_rss" -v c="$click_ms" -v h0="$hold0" -v h1="$hold1" -v i0="$idle0" -v i1="$idle1" 'BEGIN {
  printf "peak RSS after play: zandor %.1f MB\n", pr / 1024
  printf "processor time over 1.2 s: idle %.2f ms; winning click + 1 s hold + next board %.2f ms\n", (i1 - i0) / 1e6, (h1 - h0) / 1e6
  printf "mouse release to repainted O (median of 7): %.2f ms\n", c
}'
