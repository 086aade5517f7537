# Where `cmake --install` puts things, below the prefix. The programs find the libraries and the
# sample set relative to their own folder, so these folders are handed to the runner as paths
# from bin/ (see host/runner/install_layout.h) and the prefix can move.
if(WIN32)
  # The Windows ZIP: programs and DLLs in one folder, where Windows finds a program's DLLs, and
  # the sample set in samples/ beside them.
  set(PRELO_INSTALL_BIN_DIR .)
  set(PRELO_INSTALL_MODULE_DIR .)
  set(PRELO_INSTALL_SAMPLE_DIR samples)
else()
  set(PRELO_INSTALL_BIN_DIR bin)
  set(PRELO_INSTALL_MODULE_DIR lib/prelo)
  set(PRELO_INSTALL_SAMPLE_DIR share/prelo/samples)
endif()
file(RELATIVE_PATH PRELO_MODULES_FROM_BIN /${PRELO_INSTALL_BIN_DIR} /${PRELO_INSTALL_MODULE_DIR})
file(RELATIVE_PATH PRELO_SAMPLES_FROM_BIN /${PRELO_INSTALL_BIN_DIR} /${PRELO_INSTALL_SAMPLE_DIR})
# Installed programs and libraries find the libraries beside them or in the module folder; the
# build tree keeps its own absolute paths.
set(CMAKE_INSTALL_RPATH "$ORIGIN/${PRELO_MODULES_FROM_BIN};$ORIGIN")
