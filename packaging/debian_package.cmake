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
# The libraries the programs link, worked out from the binaries; ffmpeg only makes the videos.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)
set(CPACK_STRIP_FILES ON)
include(CPack)
