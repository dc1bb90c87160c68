# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The Windows build: its resources, the portable folder's layout, and, in a cross build, the
# emulator the tests run under. Included before the targets are made; cmake/PackageWindows.cmake
# adds the DLLs, the plug-ins and the packages after them.

# The portable folder holds the programs at its top, beside their DLLs.
set(CMAKE_INSTALL_BINDIR .)

# Folders of the DLLs the programs load: Qt's, and the MinGW runtime's (libstdc++, libgcc,
# winpthread), asked of the compiler.
set(ZANDREL_QT_BIN_DIR ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(ZANDREL_QT_PLUGIN_DIR ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
set(ZANDREL_MINGW_DLL_DIRS)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is (${path})")
  endif()
  cmake_path(GET path PARENT_PATH dir)
  cmake_path(NORMAL_PATH dir)
  list(APPEND ZANDREL_MINGW_DLL_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES ZANDREL_MINGW_DLL_DIRS)

# Tests of a cross build run under Wine, finding the DLLs where they were built.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run)
  foreach(dir IN LISTS ZANDREL_QT_BIN_DIR ZANDREL_MINGW_DLL_DIRS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --path ${dir})
  endforeach()
endif()

# zandrel_windows_resource(TARGET DESCRIPTION [ICON]): the program's icon (Zandrel's unless
# another is named) and its version resource (file and product version, product name,
# description, copyright), as Explorer shows them.
function(zandrel_windows_resource target description)
  set(ZANDREL_RC_FILE_NAME $<TARGET_FILE_NAME:${target}>)
  set(ZANDREL_RC_INTERNAL_NAME ${target})
  set(ZANDREL_RC_DESCRIPTION ${description})
  set(ZANDREL_RC_ICON ${PROJECT_SOURCE_DIR}/desktop/windows/zandrel.ico)
  if(ARGC GREATER 2)
    set(ZANDREL_RC_ICON ${ARGV2})
  endif()
  if(NOT PROJECT_VERSION_PATCH)
    set(PROJECT_VERSION_PATCH 0)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/desktop/windows/Version.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc.in @ONLY)
  file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc
       INPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc.in)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY
               OBJECT_DEPENDS ${ZANDREL_RC_ICON})
endfunction()
