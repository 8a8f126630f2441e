# A time-bounded fuzzing run over every input handler; any crash, hang or broken invariant fails it.
source "$ROOT/tools/lib.sh"
cd "$ROOT"
cmake --preset fuzz
cmake --build --preset fuzz
# The committed corpus is only the seed: new inputs go to a scratch copy, never into the tree.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp fuzz/corpus/* "$work/corpus/"
seconds="${ZANDOR_FUZZ_SECONDS:-60}"
if ! TMPDIR="$work" build/fuzz/fuzz/zandor_fuzz -max_total_time="$seconds" -max_len=2048 -len_control=0 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" 2>"$work/fuzz.log"; then
  tail -n 60 "$work/fuzz.log"
  for found in "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-*; do
    [ -e "$found" ] || continue
    echo "Finding $(basename "$found"), as hex:"
    od -An -tx1 -v "$found" | head -n 40
  done
  echo "Fuzzing found a fault."
  exit 1
fi
grep -E '^(Done|zandor fuzz:|stat::)' "$work/fuzz.log"
# The saved inputs alone play O into every cell; fewer means the positions no longer cover the board.
grep -q '^zandor fuzz: O reached 9 of 9 cells' "$work/fuzz.log" || { echo "The fuzzing left cells O never reached."; exit 1; }
