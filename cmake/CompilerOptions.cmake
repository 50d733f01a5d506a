# One set of options for every target, so that the simulation does the same
# single-precision arithmetic natively and in the Windows build.
function(velmora_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -ffp-contract=off -fno-fast-math)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
    # x87 arithmetic would keep extra bits between steps.
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
  endif()
endfunction()

# Windows programs carry their C and C++ runtime inside, so nothing but
# system DLLs has to lie beside them.
function(velmora_windows_program target)
  velmora_compile_options(${target})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -mwindows)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()
