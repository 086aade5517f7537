# Warnings as errors everywhere; the Windows build adds the target's code page, SSE2 float
# arithmetic (so 32-bit float results equal the x86-64 build's) and fully static runtimes.
add_compile_options(-Wall -Wextra -Werror -Wno-missing-field-initializers)

if(WIN32)
  add_compile_options(-msse2 -mfpmath=sse)
  # Texts are UTF-8 in the source and Shift-JIS in the binary, as the target systems expect.
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP932>)
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
endif()

if(EMSCRIPTEN)
  # The effects round floats with the SSE conversions; emscripten maps them onto wasm SIMD, which
  # rounds the same way (the browser tests compare frames with the native build's).
  add_compile_options(-msimd128 -msse)
endif()

# The native build is hardened as Debian builds its packages, with the flags dpkg-buildflags gives
# when every hardening feature is on (fortify, stack protector, relro, bind-now). The build type
# chooses optimisation and debug information; the sanitizer and fuzz builds bring checks of their own.
if(NOT WIN32 AND NOT EMSCRIPTEN AND NOT PRELO_SANITIZE AND NOT PRELO_FUZZ)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS}
                              --get ${kind} OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(FILTER flags EXCLUDE REGEX "^(-g|-O.*|-ffile-prefix-map=.*)$")
      if(kind STREQUAL LDFLAGS)
        add_link_options(${flags})
      else()
        add_compile_options(${flags})
      endif()
    endforeach()
  endif()
endif()

if(PRELO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PRELO_FUZZ)
  # Every library is instrumented for coverage; the fuzz targets add the libFuzzer driver.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
if(EMSCRIPTEN)
  include(WebZlib)
else()
  find_package(ZLIB REQUIRED)
endif()
