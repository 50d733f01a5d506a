# One set of options for every target, so that the simulation does the same
# single-precision arithmetic natively and in the Windows build.
function(velmora_compile_options target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /fp:precise)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_compile_options(${target} PRIVATE /arch:SSE2)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -ffp-contract=off -fno-fast-math)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
      # x87 arithmetic would keep extra bits between steps.
      target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
    endif()
  endif()
endfunction()

# Windows programs carry their C and C++ runtime inside, so nothing but
# system DLLs has to lie beside them.
function(velmora_windows_program target)
  velmora_compile_options(${target})
  set_target_properties(${target} PROPERTIES
    WIN32_EXECUTABLE ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    # The static runtime brings its debugging sections along, about half of
    # a program's size; the programs that are built to ship (every build but
    # Debug) leave them and the symbols out, so the programs the tests run
    # are the very bytes the package carries.
    target_link_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-s>)
  endif()
endfunction()
