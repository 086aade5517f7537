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

include(DebianSource)
prelo_debian_source(PRELO_BENCHMARK_SOURCE_DIR benchmark CMakeLists.txt "Google Benchmark's source for the Windows build")

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
