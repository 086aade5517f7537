# Run by cpack (CPACK_PROJECT_CONFIG_FILE, see debian_package.cmake): the Debian package's Depends,
# from the libraries its programs and libraries link, as dpkg-shlibdeps finds them. The build
# names PRELO_ELF_FILES, PRELO_PRIVATE_LIBRARY_DIR (its own libraries, not looked up in Debian)
# and PRELO_SHLIBDEPS_WORK_DIR.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
# dpkg-shlibdeps reads a source package's control file, which this build has no need of.
file(MAKE_DIRECTORY ${PRELO_SHLIBDEPS_WORK_DIR}/debian)
file(TOUCH ${PRELO_SHLIBDEPS_WORK_DIR}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O -l${PRELO_PRIVATE_LIBRARY_DIR} ${PRELO_ELF_FILES}
                WORKING_DIRECTORY ${PRELO_SHLIBDEPS_WORK_DIR}
                OUTPUT_VARIABLE found ERROR_VARIABLE complaints RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT found MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps could not work out the package's Depends: ${complaints}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
