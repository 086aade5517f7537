# Test helpers. Every test executable is one CTest test; on the Windows and browser builds CTest
# runs it through the cross-compiling emulator (wine, see cmake/wine-run; node, which emscripten's
# toolchain names).
if(PRELO_TESTS AND (WIN32 OR EMSCRIPTEN))
  # Debian ships GoogleTest as source; build it with the cross compiler. The browser build's
  # programs have no threads.
  if(EMSCRIPTEN)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  else()
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # It defines the GTest:: aliases itself.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
elseif(PRELO_TESTS)
  find_package(GTest REQUIRED)
endif()

# prelo_add_test(NAME SOURCES a.cpp b.cpp LIBS x y [LABELS l] [WORKING_DIRECTORY d])
function(prelo_add_test name)
  if(NOT PRELO_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "WORKING_DIRECTORY" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# prelo_add_fuzzer(NAME SOURCES ... LIBS ...): a libFuzzer target, built only in the fuzz preset;
# the target `fuzzers` builds them all.
if(PRELO_FUZZ)
  add_custom_target(fuzzers)
endif()
function(prelo_add_fuzzer name)
  if(NOT PRELO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
endfunction()
