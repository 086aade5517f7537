# prelo_simd_sources(TARGET SET FILE...): adds the files of one instruction set to a target, each
# built with exactly that set's flags (sse2, avx2, mmx-sse for Pixmill's baseline, wasm-simd128 for
# the browser). Where the processor has no such set the files are built with the build's own
# flags and hand out no kernels (simd/kernel_table.h), so every module lists the same files
# everywhere.
function(prelo_simd_sources target set)
  if(NOT set MATCHES "^(sse2|avx2|mmx-sse|wasm-simd128)$")
    message(FATAL_ERROR "prelo_simd_sources: no instruction set '${set}'")
  endif()
  string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" cpu)
  set(flags "")
  if(EMSCRIPTEN)
    if(set STREQUAL "wasm-simd128")
      set(flags -msimd128)
    endif()
  elseif(cpu MATCHES "^(x86_64|amd64|i[3-6]86|x86)$" AND NOT set STREQUAL "wasm-simd128")
    if(set STREQUAL "sse2")
      set(flags -msse2)
    elseif(set STREQUAL "avx2")
      set(flags -mavx2)
    else()
      set(flags -mmmx -msse)
    endif()
    # A 32-bit caller may hand over a stack aligned to only 4 bytes: realign where a vector spills.
    if(cpu MATCHES "^(i[3-6]86|x86)$")
      list(APPEND flags -mincoming-stack-boundary=2)
    endif()
  endif()
  target_sources(${target} PRIVATE ${ARGN})
  set_source_files_properties(${ARGN} TARGET_DIRECTORY ${target} PROPERTIES COMPILE_OPTIONS "${flags}")
endfunction()
