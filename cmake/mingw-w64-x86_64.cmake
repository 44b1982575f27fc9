# Cross-building the Qt-free layers, zarnet-cli.exe and their tests for
# 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix).
# The programs are linked statically, so each .exe runs on its own; the
# tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZARNET_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZARNET_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARNET_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARNET_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZARNET_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
