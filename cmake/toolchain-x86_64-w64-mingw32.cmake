# Cross build for 64-bit Windows with Debian's g++-mingw-w64-x86-64; its programs run here under Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZANDOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Debian installs the 64-bit loader here and no wine64 on PATH.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
