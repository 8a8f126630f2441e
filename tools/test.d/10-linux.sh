# The native Linux build: core, window logic, Qt front end, and their tests.
source "$ROOT/tools/lib.sh"
cd "$ROOT"
cmake --preset default
cmake --build --preset default
ctest --preset default
