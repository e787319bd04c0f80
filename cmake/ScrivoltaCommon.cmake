# SPDX-License-Identifier: GPL-3.0-or-later
# Settings shared by every target of the project: warnings and sanitizers.

add_library(scrivolta_options INTERFACE)
target_compile_options(scrivolta_options INTERFACE -Wall -Wextra -Wpedantic)
# The test script builds with warnings as errors so that none can land.
if(SCRIVOLTA_WERROR)
  target_compile_options(scrivolta_options INTERFACE -Werror)
endif()
# GCC 12 at -O3 reports std::string concatenations as overlapping copies
# (GCC bug 105329); the warning says nothing about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(scrivolta_options INTERFACE -Wno-restrict)
endif()
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
  target_compile_definitions(scrivolta_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

if(SCRIVOLTA_SANITIZE)
  target_compile_options(scrivolta_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(scrivolta_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing instruments the whole core for coverage and checks it with the
# sanitizers; the fuzz targets add libFuzzer's own main.
if(SCRIVOLTA_FUZZ)
  target_compile_options(scrivolta_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(scrivolta_options INTERFACE -fsanitize=address,undefined)
endif()

# scrivolta_per_dimensione(TARGET...): optimised builds of code the learner
# meets now and then (the windows around the exercise, the reports, the
# history, the PDF writer) favour size: the program's own pages in memory
# shrink by half, while the exercise's judging keeps its speed.
function(scrivolta_per_dimensione)
  foreach(bersaglio ${ARGN})
    target_compile_options(${bersaglio} PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-Os>)
  endforeach()
endfunction()

# scrivolta_core_library(NAME SOURCES...): a plain C++ library of the core.
function(scrivolta_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC scrivolta_options)
endfunction()

# scrivolta_core_test(NAME SOURCES... LIBS ...): one GoogleTest executable per unit.
function(scrivolta_core_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main scrivolta_options)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    SCRIVOLTA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    SCRIVOLTA_SOURCE_DATA="${CMAKE_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS core)
endfunction()

# scrivolta_qt_test(NAME SOURCES... LIBS ...): a QtTest executable run offscreen.
function(scrivolta_qt_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test scrivolta_options)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    SCRIVOLTA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    SCRIVOLTA_SOURCE_DATA="${CMAKE_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS window
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;QT_QUICK_BACKEND=software")
endfunction()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# scrivolta_fuzz_target(NAME SOURCES... LIBS ...): a libFuzzer target; test.sh
# runs every fuzz_* target for a bounded time, seeded from fuzz/seeds/NAME.
function(scrivolta_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  # scripts/test.sh runs every fuzz_* of the build's fuzz folder.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS} scrivolta_options)
endfunction()

# Where the modules the program loads on first use are installed: the
# architecture's private library folder where there is one (Debian), so that
# they stay out of the linker's search path.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(SCRIVOLTA_INSTALL_MODULI lib/${CMAKE_LIBRARY_ARCHITECTURE}/scrivolta)
else()
  set(SCRIVOLTA_INSTALL_MODULI ${CMAKE_INSTALL_LIBDIR}/scrivolta)
endif()
