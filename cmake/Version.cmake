# The project's version, written once (in project() above) and handed to every program that
# prints it: link `prelo_version` and include "prelo/version.h".
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/prelo/version.h @ONLY)
add_library(prelo_version INTERFACE)
target_include_directories(prelo_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
