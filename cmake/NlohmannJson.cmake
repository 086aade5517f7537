# nlohmann-json (header-only), through which every JSON text is read and written. The native
# build finds Debian's nlohmann-json3-dev; the mingw and web builds get a copy of its headers
# alone, staged in the build tree, so that they never see the machine's own /usr/include.
if(NOT (WIN32 OR EMSCRIPTEN))
  find_package(nlohmann_json 3 REQUIRED)
  return()
endif()

set(PRELO_NLOHMANN_JSON_HEADERS /usr/include/nlohmann
    CACHE PATH "The headers of Debian's nlohmann-json3-dev, copied for the cross builds")
if(NOT EXISTS ${PRELO_NLOHMANN_JSON_HEADERS}/json.hpp)
  message(FATAL_ERROR "no nlohmann/json.hpp in ${PRELO_NLOHMANN_JSON_HEADERS}: install nlohmann-json3-dev "
                      "(scripts/install play) or set PRELO_NLOHMANN_JSON_HEADERS")
endif()
set(staged ${CMAKE_BINARY_DIR}/third_party/nlohmann-json/include)
file(COPY ${PRELO_NLOHMANN_JSON_HEADERS} DESTINATION ${staged})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${staged})
