# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# 64-bit Windows with Debian's MinGW-w64 cross compiler, POSIX thread model (std::thread and
# std::mutex need it). Used for Qt and FreeType in scripts/build-qt-windows and for Zandrel
# itself in `make windows`; the folders holding Windows libraries come in as CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZANDREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZANDREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZANDREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZANDREL_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${ZANDREL_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${ZANDREL_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and packages for Windows come only from the MinGW tree and the prefixes given in
# CMAKE_PREFIX_PATH; programs that run at build time come from the build machine. The prefixes
# are find roots too, or ONLY would look for them below the MinGW tree.
set(CMAKE_FIND_ROOT_PATH /usr/${ZANDREL_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
