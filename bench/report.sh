#!/usr/bin/env bash
# Prints the performance tables, every figure measured in this one run on this machine: start to first
# paint, processor time to it and peak memory of the game against the fair Qt6 window at scales 1 and 2,
# processor time of a one-second Pause against a busy wait, mouse release to repaint, and all 255,168
# games through the engine.
# Usage: bench/report.sh [build dir, default build/default] (configured with ZANDOR_BENCH=ON).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build/default}" && pwd)"
cmake --build "$BUILD" --target engine_numbers -j2 >/dev/null

# The window figures come from the window measuring script, when the build has the Qt front end.
window=""
if [ -f "$ROOT/bench/window_numbers.sh" ] && grep -q '^ZANDOR_QT:BOOL=ON' "$BUILD/CMakeCache.txt"; then
  window="$(bash "$ROOT/bench/window_numbers.sh" "$BUILD" 2>/dev/null)" || window=""
fi
pick() { # pick REGEX: the first match's first group in the window figures, or n/a
  local v
  v="$(printf '%s\n' "$window" | sed -nE "s/$1/\\1/p" | head -n1)"
  echo "${v:-n/a}"
}
click_ms=$(pick '^mouse release to repainted O \(median of [0-9]+\): ([0-9.]+) ms.*')

engine="$("$BUILD/bench/engine_numbers")"
read -r _ games games_ms < <(grep '^all_games' <<<"$engine")
read -r _ pause_cpu pause_wall < <(grep '^pause_cpu' <<<"$engine")
read -r _ busy_cpu busy_wall < <(grep '^busy_cpu' <<<"$engine")

# Start-up: one row per scale and program, from "startup scale S NAME: paint P ms, cpu C ms, rss R kB".
echo "| Scale | Program | First complete paint | CPU to first paint | Peak RSS |"
echo "|---|---|---|---|---|"
printf '%s\n' "$window" | awk '/^startup scale/ {sub(":", "", $4); printf "| %sx | %s | %s ms | %s ms | %.1f MB |\n", $3, $4, $6, $9, $12 / 1024}'
echo
echo "| Measure | Zandor | Yardstick |"
echo "|---|---|---|"
echo "| Processor time during a one-second Pause (SystemClock, ${pause_wall} s) | $pause_cpu ms |" \
  "busy-wait loop of the same length (${busy_wall} s): $busy_cpu ms |"
echo "| Mouse release to repainted board (median) | $click_ms ms | |"
echo "| All $games games through Game::PlaceMark (null toolkit, best of 5) | $games_ms ms | |"
