# SPDX-License-Identifier: MIT
# Cross-builds the Qt-free part of NickBridge for 64-bit Windows with Debian's mingw-w64 (posix
# threads, so std::thread and friends work) and runs the results under Wine.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DNICKBRIDGE_GUI=OFF ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NICKBRIDGE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NICKBRIDGE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NICKBRIDGE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${NICKBRIDGE_MINGW_TRIPLET}-windres)

# One self-contained .exe per program: no libstdc++/libgcc/winpthread DLLs to copy next to it
# or to point WINEPATH at.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and test discovery run the .exe files through Wine.
find_program(NICKBRIDGE_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NICKBRIDGE_WINE})

# Headers, libraries and packages come from the mingw sysroot only; the one exception is the
# header-only CLI11 of libcli11-dev, named directly.
set(CMAKE_FIND_ROOT_PATH /usr/${NICKBRIDGE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CLI11_DIR /usr/share/cmake/CLI11 CACHE PATH "CLI11's CMake package (header-only)")
# CLI11's package names /usr/include as its include folder. Passed as -isystem it would put glibc's
# headers in front of mingw's; as -idirafter it is searched last (after mingw's own headers), and
# CMake then counts it as a compiler folder and leaves it out of the command lines.
set(CMAKE_C_FLAGS_INIT "-idirafter /usr/include")
set(CMAKE_CXX_FLAGS_INIT "-idirafter /usr/include")
