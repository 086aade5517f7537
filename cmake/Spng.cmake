# libspng, through which every PNG file is read and written. The native build links Debian's
# libspng-dev. Debian has none for mingw or emscripten, so those builds compile Debian's own source
# package of it (scripts/fetch-source) as Debian builds it (without its SIMD paths), on the same
# zlib as the rest of the build; so does the fuzz build, whose fuzzers must see into the reader.
if(NOT (WIN32 OR EMSCRIPTEN OR PRELO_FUZZ))
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(spng REQUIRED IMPORTED_TARGET GLOBAL spng)
  add_library(Spng::Spng ALIAS PkgConfig::spng)
  return()
endif()

include(DebianSource)
prelo_debian_source(PRELO_SPNG_SOURCE_DIR libspng spng/spng.c "Unpacked libspng source")
add_library(spng_from_source STATIC ${PRELO_SPNG_SOURCE_DIR}/spng/spng.c)
target_include_directories(spng_from_source SYSTEM PUBLIC ${PRELO_SPNG_SOURCE_DIR}/spng)
target_compile_definitions(spng_from_source PUBLIC SPNG_STATIC PRIVATE SPNG_DISABLE_OPT)
# Third-party code: built as its authors build it, without our warnings-as-errors.
target_compile_options(spng_from_source PRIVATE -w)
target_link_libraries(spng_from_source PUBLIC ZLIB::ZLIB)
add_library(Spng::Spng ALIAS spng_from_source)
