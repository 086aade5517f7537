# zlib for the browser build, compiled from Debian's own zlib source package (fetched and
# unpacked once by scripts/fetch-source into build/sources), so movie frames inflate through the
# same zlib calls as in the other builds and nothing comes from outside Debian's archive.
include(DebianSource)
prelo_debian_source(PRELO_ZLIB_SOURCE_DIR zlib zlib.h "Unpacked zlib source")
set(zlib_names adler32 compress crc32 deflate infback inffast inflate inftrees trees uncompr zutil)
list(TRANSFORM zlib_names PREPEND ${PRELO_ZLIB_SOURCE_DIR}/)
list(TRANSFORM zlib_names APPEND .c)
add_library(zlib_from_source STATIC ${zlib_names})
target_include_directories(zlib_from_source SYSTEM PUBLIC ${PRELO_ZLIB_SOURCE_DIR})
# Third-party code: built as its authors build it, without our warnings-as-errors.
target_compile_options(zlib_from_source PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS zlib_from_source)
