# Helpers shared by the CMake files of the tree.

# GCC marks the static data of inline functions and templates that headers make visible (Boost.System's
# error categories among them) as unique symbols, and the loader never unloads a library that defines
# one, nor any library such a library has bound a symbol to. The module and the stand-in libraries it
# brings in are built without them (ordinary weak symbols instead), so the module unloads with its host.
set(TSL_NO_UNIQUE "")
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(TSL_NO_UNIQUE -fno-gnu-unique)
endif()

# Sources of a folder (not recursive), picked up as helpers add files.
function(tsl_sources out)
  set(all)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

# One stand-in library of the host: tsl_hostlib(Name DEPS Other ...), built from hostlibs/Name.
function(tsl_hostlib name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  tsl_sources(src hostlibs/${name})
  if(NOT src)
    set(src ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} SHARED ${src})
  target_compile_options(${name} PRIVATE ${TSL_NO_UNIQUE})
  target_link_libraries(${name} PUBLIC hosttypes ${ARG_DEPS})
endfunction()

# A GoogleTest program of one test folder: tsl_test(name LIBS ...), sources tests/<name>/*.cpp.
function(tsl_test name)
  cmake_parse_arguments(ARG "" "SUPPORT" "LIBS" ${ARGN})
  if(NOT ARG_SUPPORT)
    set(ARG_SUPPORT tsl_testsupport)
  endif()
  tsl_sources(src tests/${name})
  if(NOT src)
    return()
  endif()
  add_executable(test_${name} ${src})
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} ${ARG_SUPPORT} GTest::gtest)
  add_test(NAME ${name} COMMAND test_${name})
endfunction()
