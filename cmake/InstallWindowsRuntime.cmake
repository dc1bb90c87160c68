# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Run at install time (cmake/PackageWindows.cmake sets the zandrel_* variables): puts beside
# the programs every DLL that they and the plug-ins import, found in zandrel_dll_dirs, and the
# plug-ins in their folders, all stripped. A DLL that is neither found there nor part of Windows
# stops the install, so the folder never lacks one.

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${zandrel_objdump})

# DLLs that come with every Windows 10 and 11 (the import names are lower-cased).
set(windows_dlls
  "^api-ms-win-.*" "^ext-ms-.*"
  "^(advapi32|authz|bcrypt|cfgmgr32|comctl32|comdlg32|crypt32|d3d9|d3d11|d3d12|dwmapi|dwrite|dxgi)\\.dll$"
  "^(gdi32|gdiplus|imm32|iphlpapi|kernel32|mpr|msvcrt|netapi32|ntdll|ole32|oleaut32|opengl32)\\.dll$"
  "^(rpcrt4|secur32|setupapi|shcore|shell32|shlwapi|ucrtbase|user32|userenv|usp10|uxtheme)\\.dll$"
  "^(version|winmm|winspool\\.drv|ws2_32|wtsapi32)(\\.dll)?$")

set(plugin_paths)
foreach(entry IN LISTS zandrel_plugins)
  string(REGEX REPLACE "=.*" "" folder "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" path "${entry}")
  list(APPEND plugin_paths ${path})
  list(APPEND plugin_folders ${folder})
endforeach()

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${zandrel_executables}
  MODULES ${plugin_paths}
  DIRECTORIES ${zandrel_dll_dirs}
  PRE_EXCLUDE_REGEXES ${windows_dlls}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)

# CMake looks for the lower-cased import names, which a Linux file system does not find as
# Qt6Core.dll; those are looked up here without regard to case, and their own imports after them.
set(known ${resolved})
list(TRANSFORM known REPLACE ".*/" "")
list(TRANSFORM known TOLOWER)
while(unresolved)
  set(found)
  foreach(name IN LISTS unresolved)
    set(match)
    foreach(dir IN LISTS zandrel_dll_dirs)
      file(GLOB candidates ${dir}/*.dll)
      foreach(candidate IN LISTS candidates)
        cmake_path(GET candidate FILENAME file_name)
        string(TOLOWER "${file_name}" lower)
        if(lower STREQUAL name AND NOT match)
          set(match ${candidate})
        endif()
      endforeach()
    endforeach()
    if(NOT match)
      message(FATAL_ERROR "The programs import ${name}, which is neither Windows' nor found in "
                          "${zandrel_dll_dirs}")
    endif()
    list(APPEND found ${match})
    list(APPEND known ${name})
  endforeach()
  list(APPEND resolved ${found})
  file(GET_RUNTIME_DEPENDENCIES
    LIBRARIES ${found}
    DIRECTORIES ${zandrel_dll_dirs}
    PRE_EXCLUDE_REGEXES ${windows_dlls}
    RESOLVED_DEPENDENCIES_VAR more
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  list(APPEND resolved ${more})
  list(REMOVE_ITEM unresolved ${known})
endwhile()
list(REMOVE_DUPLICATES resolved)

# Copies file, stripped, into the folder below the install prefix.
function(install_stripped file folder)
  cmake_path(GET file FILENAME name)
  set(copy ${zandrel_stage}/${folder}/${name})
  file(MAKE_DIRECTORY ${zandrel_stage}/${folder})
  execute_process(COMMAND ${zandrel_strip} --strip-unneeded -o ${copy} ${file} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not strip ${file}")
  endif()
  file(INSTALL DESTINATION ${CMAKE_INSTALL_PREFIX}/${folder} TYPE SHARED_LIBRARY FILES ${copy})
endfunction()

foreach(dll IN LISTS resolved)
  install_stripped(${dll} .)
endforeach()
foreach(path folder IN ZIP_LISTS plugin_paths plugin_folders)
  install_stripped(${path} ${folder})
endforeach()
