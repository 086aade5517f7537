# Libraries Debian packages only for the machine itself are cross-built from Debian's own source
# package, fetched and unpacked once by scripts/fetch-source into build/sources.
#   prelo_debian_source(VARIABLE PACKAGE MARKER DESCRIPTION)
# Sets the cache path VARIABLE to the unpacked source unless it already names a folder holding
# MARKER; fetched again when that folder has gone, as it does when Debian moves to a new version.
function(prelo_debian_source variable package marker description)
  set(${variable} "" CACHE PATH "${description} (empty: fetched with scripts/fetch-source)")
  if(EXISTS "${${variable}}/${marker}")
    return()
  endif()
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-source ${package} ${CMAKE_SOURCE_DIR}/build/sources
                  OUTPUT_VARIABLE fetched OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT EXISTS "${fetched}/${marker}")
    message(FATAL_ERROR "Debian's source package '${package}' could not be fetched (scripts/fetch-source ${package}); "
                        "set ${variable} to an unpacked copy")
  endif()
  set(${variable} "${fetched}" CACHE PATH "${description}" FORCE)
endfunction()
