# CLI11, header-only, from Debian's libcli11-dev. The native build finds its headers on the
# compiler's own path. The Windows build gets a folder holding CLI11's headers alone: the
# system's /usr/include holds the build machine's headers, which must never reach mingw.
find_path(PRELO_CLI11_HEADERS CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(NOT PRELO_CLI11_HEADERS)
  message(FATAL_ERROR "CLI11 is missing: scripts/install play installs libcli11-dev")
endif()
add_library(cli11 INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(cli11_copy ${CMAKE_BINARY_DIR}/third_party/cli11)
  file(COPY ${PRELO_CLI11_HEADERS}/CLI DESTINATION ${cli11_copy})
  target_include_directories(cli11 SYSTEM INTERFACE ${cli11_copy})
endif()
if(EMSCRIPTEN)
  # CLI11 reports through exceptions, which the browser build otherwise leaves off.
  target_compile_options(cli11 INTERFACE -fexceptions)
  target_link_options(cli11 INTERFACE -fexceptions)
endif()
