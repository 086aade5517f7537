# The Debian package of the Linux player, made by `cpack --config build/<preset>/CPackConfig.cmake`
# into build/package/prelo_<version>_amd64.deb. Installed under /usr; the programs find their
# libraries and the sample set relative to themselves, so nothing goes on the library path.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_SOURCE_DIR}/build/package)
set(CPACK_PACKAGE_CONTACT "${PRELO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for the opening demo of a game")
set(CPACK_PACKAGE_DESCRIPTION
    "Plays the 125-second opening demo of a game in a window with sound: still\n"
    "pictures, per-pixel effects and a movie, all driven by the music's clock.\n"
    "It comes with a generated sample set of pictures, movie and music, and can\n"
    "render the demo to a video and a contact sheet.")
list(JOIN CPACK_PACKAGE_DESCRIPTION "" CPACK_PACKAGE_DESCRIPTION)
# The libraries the programs link, worked out from the binaries by dpkg-shlibdeps when cpack runs
# (debian_depends.cmake). CPack's own scan would find the same, but would also have the
# maintainer scripts call ldconfig for lib/prelo, a private folder that is not on the library path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(elf_files)
foreach(target IN LISTS installed_commands ITEMS Prelo Graph Layerforge platform)
  list(APPEND elf_files "$<TARGET_FILE:${target}>")
endforeach()
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake
     CONTENT "set(PRELO_ELF_FILES \"${elf_files}\")
set(PRELO_PRIVATE_LIBRARY_DIR \"${CMAKE_BINARY_DIR}/bin\")
set(PRELO_SHLIBDEPS_WORK_DIR \"${CMAKE_CURRENT_BINARY_DIR}/shlibdeps\")
include(\"${CMAKE_CURRENT_SOURCE_DIR}/debian_depends.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake)
# ffmpeg only makes the rendered videos: a suggestion, since as a recommendation it would pull in
# far more than the player needs.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS ffmpeg)
set(CPACK_STRIP_FILES ON)
include(CPack)
