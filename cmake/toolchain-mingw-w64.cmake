# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Cross-builds the Windows program with Debian's MinGW-w64 toolchain: the
# 32-bit program by default, or with VARNEL_MINGW_ARCH=x86_64 a 64-bit build of
# it for machines whose kernel runs no 32-bit code (its tests then run under
# 64-bit Wine).
set(VARNEL_MINGW_ARCH i686 CACHE STRING "i686 for the 32-bit program, x86_64 for a 64-bit build")
set(triple ${VARNEL_MINGW_ARCH}-w64-mingw32)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VARNEL_MINGW_ARCH})

set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Hardened as Windows expects of a program: address-space layout
# randomisation (with the 64-bit address space where there is one), no code
# run from data, and the stack protector, whose support code links in
# statically and so needs no DLL beyond the system's.
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat)
if(VARNEL_MINGW_ARCH STREQUAL "x86_64")
    add_link_options(-Wl,--high-entropy-va)
endif()

# The tests run the programs under Wine: Debian's wine runs 32-bit programs,
# its wine64 loader 64-bit ones.
if(VARNEL_MINGW_ARCH STREQUAL "x86_64")
    find_program(WINE64_PROGRAM NAMES wine64 PATHS /usr/lib/wine)
    set(wine ${WINE64_PROGRAM})
else()
    find_program(WINE_PROGRAM wine)
    set(wine ${WINE_PROGRAM})
endif()
if(wine)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${wine})
endif()
