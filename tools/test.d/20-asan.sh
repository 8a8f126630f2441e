# The core and window-logic tests, and a replay of the fuzzer's corpus, under AddressSanitizer and UBSan.
source "$ROOT/tools/lib.sh"
cd "$ROOT"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
