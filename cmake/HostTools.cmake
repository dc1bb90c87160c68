# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Programs that run during the build (the generators of constant data) are built for the build
# machine. In a native build they are ordinary targets. In a cross build each is a small project
# of its own (cmake/HostTools) built with the build machine's compiler, ZANDREL_HOST_CXX, and
# appears here as an imported executable of the same name. Either way a custom command runs
# one as COMMAND NAME ... DEPENDS NAME.

include_guard(GLOBAL)
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(ZANDREL_HOST_CXX c++ CACHE STRING "C++ compiler for the build machine, for the generators")
endif()

# zandrel_host_executable(NAME SOURCE...): a generator from sources given as absolute paths; the
# source root is its include directory.
function(zandrel_host_executable name)
  cmake_path(GET CMAKE_CURRENT_FUNCTION_LIST_DIR PARENT_PATH root)
  if(NOT CMAKE_CROSSCOMPILING)
    add_executable(${name} ${ARGN})
    target_include_directories(${name} PRIVATE ${root})
    target_compile_features(${name} PRIVATE cxx_std_20)
    return()
  endif()
  set(dir ${PROJECT_BINARY_DIR}/host-tools/${name})
  string(REPLACE ";" "|" sources "${ARGN}")
  ExternalProject_Add(${name}_host_build
    SOURCE_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/HostTools
    BINARY_DIR ${dir}
    LIST_SEPARATOR |
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${ZANDREL_HOST_CXX} -DCMAKE_BUILD_TYPE=Release
               -DZANDREL_SOURCE_DIR=${root} -DZANDREL_TOOL=${name}
               -DZANDREL_TOOL_SOURCES=${sources}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${dir}/${name})
  add_executable(${name} IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${dir}/${name})
  add_dependencies(${name} ${name}_host_build)
endfunction()
