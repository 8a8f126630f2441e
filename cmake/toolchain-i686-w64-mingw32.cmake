# Cross build for 32-bit Windows (PE32, i386) with Debian's g++-mingw-w64-i686.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZANDOR_MINGW_TRIPLE i686-w64-mingw32)
# Float arithmetic in SSE registers, rounded to single precision at every step as on 64 bits: the x87
# unit keeps extra bits, so a draw such as 0.6f * 5 would compare above 3 and change the computer's play.
# Every processor that runs a supported Windows has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
