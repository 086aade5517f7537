# Google Benchmark for the benchmarks. The native build uses Debian's package; Debian has none
# for mingw, so the Windows build compiles Debian's own source of it (scripts/fetch-source) with
# the cross compiler, before our warning and code-page flags apply, and every later
# find_package(benchmark) finds that build.
if(NOT PRELO_BENCH OR PRELO_SANITIZE OR PRELO_FUZZ)
  return()
endif()
if(NOT WIN32)
  find_package(benchmark REQUIRED)
  return()
endif()

set(PRELO_BENCHMARK_SOURCE_DIR "" CACHE PATH "Google Benchmark's source for the Windows build (default: fetched)")
# Fetched again when the folder has gone, as it does when Debian moves to a new version.
if(NOT EXISTS "${PRELO_BENCHMARK_SOURCE_DIR}/CMakeLists.txt")
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-source benchmark ${CMAKE_SOURCE_DIR}/build/sources
                  OUTPUT_VARIABLE fetched OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE fetch_status)
  if(NOT fetch_status EQUAL 0 OR NOT EXISTS "${fetched}/CMakeLists.txt")
    message(FATAL_ERROR "scripts/fetch-source benchmark failed; set PRELO_BENCHMARK_SOURCE_DIR or PRELO_BENCH=OFF")
  endif()
  set(PRELO_BENCHMARK_SOURCE_DIR "${fetched}" CACHE PATH "Google Benchmark's source for the Windows build" FORCE)
endif()

set(BENCHMARK_ENABLE_TESTING OFF CACHE BOOL "" FORCE)
set(BENCHMARK_ENABLE_GTEST_TESTS OFF CACHE BOOL "" FORCE)
set(BENCHMARK_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
set(BENCHMARK_INSTALL_DOCS OFF CACHE BOOL "" FORCE)
# Its release checks with -Werror are for its own CI, not for a newer compiler than it knew.
set(BENCHMARK_ENABLE_WERROR OFF CACHE BOOL "" FORCE)
# Debian's source takes its version from the packaging; this value makes it use project()'s.
set(GIT_VERSION "0.0.0")
include(FetchContent)
FetchContent_Declare(benchmark SOURCE_DIR ${PRELO_BENCHMARK_SOURCE_DIR} OVERRIDE_FIND_PACKAGE)
FetchContent_MakeAvailable(benchmark)
