# Runs velmora-face as a user would: each bad argument ends with code 2 and a
# one-line message, good ones write a PNG of the control's size in pixels.
# cmake -DFACE=<program> -DOUTPUT_DIR=<folder> -P velmora_face_test.cmake

set(picture ${OUTPUT_DIR}/velmora_face_test.png)
foreach(bad
    "-o;${picture}"                          # no step
    "1:Normal"                               # no output
    "-o;${OUTPUT_DIR}/face.bmp;1:Normal"     # not a PNG
    "-o;${picture};5:Normal"                 # no such mode
    "-o;${picture};1:Pushed"                 # no such face
    "-o;${picture};Normal"                   # no mode
    "--width;wide;-o;${picture};1:Normal"
    "--height;0;-o;${picture};1:Normal"
    "--depth;24;-o;${picture};1:Normal"
    "-o")
  execute_process(COMMAND ${FACE} ${bad}
                  RESULT_VARIABLE code ERROR_VARIABLE message OUTPUT_VARIABLE out)
  string(REGEX MATCHALL "\n" lines "${message}")
  list(LENGTH lines line_count)
  if(NOT code EQUAL 2 OR NOT line_count EQUAL 1 OR NOT message MATCHES "^velmora-face: "
     OR NOT out STREQUAL "")
    message(FATAL_ERROR "'${bad}' gave code ${code}, stderr '${message}', stdout '${out}'")
  endif()
endforeach()

# PNG width and height are the big-endian words at bytes 16 and 20.
foreach(run "960;375;0000004000000019" "1875;600;0000007d00000028")
  list(GET run 0 width)
  list(GET run 1 height)
  list(GET run 2 size)
  file(REMOVE ${picture})
  execute_process(COMMAND ${FACE} --width ${width} --height ${height} -o ${picture}
                          2:HighLight 4:HighLightSelect
                  RESULT_VARIABLE code ERROR_VARIABLE message)
  if(NOT code EQUAL 0 OR NOT EXISTS ${picture})
    message(FATAL_ERROR "${width} x ${height} gave code ${code}, stderr '${message}'")
  endif()
  file(READ ${picture} head LIMIT 8 HEX)
  file(READ ${picture} dimensions OFFSET 16 LIMIT 8 HEX)
  if(NOT head STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL size)
    message(FATAL_ERROR "${width} x ${height}: not a PNG of the right size (${head}, ${dimensions})")
  endif()
endforeach()
file(REMOVE ${picture})
