# Shared by the MinGW-w64 toolchain files: Windows as target, the cross tools, a static runtime.
set(CMAKE_SYSTEM_NAME Windows)
# The POSIX thread model: the default one has no std::mutex, which googletest needs.
set(CMAKE_C_COMPILER ${ZANDOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZANDOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZANDOR_MINGW_TRIPLE}-windres)

# Libraries and headers come from the cross sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZANDOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static C and C++ runtime, so the program needs nothing beyond the system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
