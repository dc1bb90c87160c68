# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The portable folder and the two packages made of it: zandrel-VERSION-win64.zip and
# zandrel-VERSION-win64-setup.exe (NSIS). The folder holds the programs, the DLLs they load
# (found from their import tables, so nothing is listed by hand), Qt's plug-ins, the licences
# and 说明.txt.

# Plug-ins by folder: the platform, the native style of Windows Vista to 11 (without it Qt draws
# the classic Windows 95 look), and the readers of GIF and JPEG images (Qt Gui reads PNG and BMP
# itself).
set(ZANDREL_QT_PLUGINS platforms/QWindowsIntegrationPlugin styles/QWindowsVistaStylePlugin
    imageformats/QGifPlugin imageformats/QJpegPlugin)

set(plugin_files)
foreach(plugin IN LISTS ZANDREL_QT_PLUGINS)
  cmake_path(GET plugin PARENT_PATH folder)
  cmake_path(GET plugin FILENAME name)
  if(NOT TARGET Qt6::${name})
    message(FATAL_ERROR "This Qt has no plug-in ${name}")
  endif()
  list(APPEND plugin_files "${folder}=$<TARGET_FILE:Qt6::${name}>")
endforeach()

find_program(ZANDREL_PE_OBJDUMP NAMES ${ZANDREL_MINGW_TRIPLE}-objdump x86_64-w64-mingw32-objdump objdump REQUIRED)
find_program(ZANDREL_PE_STRIP NAMES ${ZANDREL_MINGW_TRIPLE}-strip x86_64-w64-mingw32-strip strip REQUIRED)

# The DLLs and plug-ins are copied stripped; cmake/InstallWindowsRuntime.cmake does the work at
# install time, when the programs exist.
install(CODE "
  set(zandrel_executables \"$<TARGET_FILE:zandrel>;$<TARGET_FILE:zandrel-gen>;$<TARGET_FILE:zandrel-studio>\")
  set(zandrel_plugins \"${plugin_files}\")
  set(zandrel_dll_dirs \"${ZANDREL_QT_BIN_DIR};${ZANDREL_MINGW_DLL_DIRS}\")
  set(zandrel_objdump \"${ZANDREL_PE_OBJDUMP}\")
  set(zandrel_strip \"${ZANDREL_PE_STRIP}\")
  set(zandrel_stage \"${PROJECT_BINARY_DIR}/stripped-runtime\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallWindowsRuntime.cmake)

# Licences: ours, Qt's (with the notes scripts/build-qt-windows leaves in its prefix: the exact
# Debian source and the options it was built with, beside a copy of the script), the MinGW
# runtime's, and FreeType's where zandrel-gen links it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-2.0-or-later.txt DESTINATION licenses/Zandrel)
if(NOT EXISTS ${QT6_INSTALL_PREFIX}/licenses/qtbase)
  message(FATAL_ERROR "${QT6_INSTALL_PREFIX} has no licences folder: build Qt with scripts/build-qt-windows")
endif()
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/qtbase/ DESTINATION licenses/Qt)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/build-qt-windows DESTINATION licenses/Qt)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/MinGW-w64.cmake DESTINATION licenses/Qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/MinGW-runtime
        RENAME libstdc++-libgcc-copyright.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses/MinGW-runtime RENAME GPL-3.0.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses/MinGW-runtime
        RENAME libwinpthread-copyright.txt)
if(TARGET Freetype::Freetype)
  get_target_property(freetype_library Freetype::Freetype IMPORTED_LOCATION_RELEASE)
  if(NOT freetype_library)
    get_target_property(freetype_library Freetype::Freetype IMPORTED_LOCATION)
  endif()
  cmake_path(GET freetype_library PARENT_PATH freetype_prefix)
  cmake_path(GET freetype_prefix PARENT_PATH freetype_prefix)
  if(EXISTS ${freetype_prefix}/licenses/freetype)
    install(DIRECTORY ${freetype_prefix}/licenses/freetype/ DESTINATION licenses/FreeType)
  else()
    message(FATAL_ERROR "FreeType at ${freetype_prefix} has no licences folder: build it with scripts/build-qt-windows")
  endif()
endif()

# 说明.txt, for Notepad: UTF-8 with a byte order mark and CR LF line ends.
string(ASCII 239 187 191 ZANDREL_BOM)
configure_file(${PROJECT_SOURCE_DIR}/desktop/windows/Readme.txt.in ${PROJECT_BINARY_DIR}/说明.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/说明.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME zandrel-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The installer's name gains "-setup" (CPack names both packages alike).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackWindowsNames.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zandrel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zandrel)
set(CPACK_NSIS_DISPLAY_NAME Zandrel)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/desktop/windows/zandrel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/desktop/windows/zandrel.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# desktop/windows/NSIS.template.in stands in for CPack's own template.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/desktop/windows)
