# prelo_add_module(NAME SOURCES...): a plug-in shared library named exactly NAME.dll / NAME.so,
# as hosts look modules up by their bare name.
# The browser build links everything into one program, so there a module is an archive that
# nothing builds unless asked (host/web names the modules' exports itself).
function(prelo_add_module name)
  if(EMSCRIPTEN)
    add_library(${name} STATIC EXCLUDE_FROM_ALL ${ARGN})
    target_link_libraries(${name} PRIVATE interfaces)
    return()
  endif()
  add_library(${name} SHARED ${ARGN})
  target_link_libraries(${name} PRIVATE interfaces)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    # No lib prefix on the import library either, and no stdcall decoration games.
    set_target_properties(${name} PROPERTIES IMPORT_PREFIX "" SUFFIX ".dll")
  else()
    set_target_properties(${name} PROPERTIES SUFFIX ".so")
    # Catch missing symbols at link time, except where sanitizer runtimes supply them at load time.
    if(NOT PRELO_SANITIZE AND NOT PRELO_FUZZ)
      target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
  endif()
endfunction()
