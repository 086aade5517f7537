# The Windows build packs itself as a ZIP for the players and translators who are on Windows:
# the player prelo-host.exe with the DLLs it loads, the asset tool prelo-assets.exe, the sample set
# the player plays, LICENSE and README.txt, all in one folder. `cpack` in the build folder makes
# build/package/prelo-<version>-win32.zip.
if(NOT TARGET prelo-host OR NOT TARGET prelo-assets OR NOT TARGET Prelo)
  return()
endif()
install(PROGRAMS $<TARGET_FILE:prelo-host> $<TARGET_FILE:prelo-assets> DESTINATION ${PRELO_INSTALL_BIN_DIR})
install(FILES $<TARGET_FILE:Prelo> $<TARGET_FILE:Graph> $<TARGET_FILE:Layerforge>
        DESTINATION ${PRELO_INSTALL_MODULE_DIR})
install(DIRECTORY ${PRELO_SAMPLE_ASSETS_DIR}/ DESTINATION ${PRELO_INSTALL_SAMPLE_DIR})
configure_file(README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME prelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME prelo-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_SOURCE_DIR}/build/package)
include(CPack)
