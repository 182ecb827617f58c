# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The posix thread model gives std::thread and std::mutex. libgcc and libstdc++
# are linked statically so the programs run (under Wine too) without extra DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QVN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QVN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QVN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QVN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QVN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# winpthread too, so std::thread needs no DLL beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Runs the Windows programs (tests, test discovery) on this Linux host.
find_program(QVN_WINE NAMES wine wine64)
if(QVN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QVN_WINE})
endif()

# GCC 12 reports false -Wrestrict overlaps inside std::string's inlined copies
# at -O2 (GCC bug 105329); the Linux build keeps the warning.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
