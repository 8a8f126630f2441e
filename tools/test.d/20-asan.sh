# The core, window-logic and loss-log tests (unit_tests) under AddressSanitizer and UBSan.
source "$ROOT/tools/lib.sh"
cd "$ROOT"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
