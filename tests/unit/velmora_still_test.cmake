# Runs velmora-still as a user would: bad arguments end with code 2 and a
# message, good ones write the picture.
# cmake -DSTILL=<program> -DOUTPUT_DIR=<folder> -P velmora_still_test.cmake

execute_process(COMMAND ${STILL} --width 64 --height 48 --frames 2 --seed 1 -o still.bmp
                RESULT_VARIABLE code ERROR_VARIABLE message OUTPUT_VARIABLE out)
if(NOT code EQUAL 2 OR NOT message MATCHES "\\.png, \\.jpg or \\.jpeg" OR NOT out STREQUAL "")
  message(FATAL_ERROR "a bad output name gave code ${code}, stderr '${message}', stdout '${out}'")
endif()

execute_process(COMMAND ${STILL} --width 64 --frames 2 --seed 1 -o still.png
                RESULT_VARIABLE code ERROR_VARIABLE message)
if(NOT code EQUAL 2 OR NOT message MATCHES "--height is missing")
  message(FATAL_ERROR "a missing height gave code ${code}, stderr '${message}'")
endif()

foreach(name still.png still.jpg)
  set(path ${OUTPUT_DIR}/velmora_still_test_${name})
  file(REMOVE ${path})
  execute_process(COMMAND ${STILL} --width 64 --height 48 --frames 3 --seed 1 -o ${path}
                  RESULT_VARIABLE code ERROR_VARIABLE message)
  if(NOT code EQUAL 0 OR NOT EXISTS ${path})
    message(FATAL_ERROR "writing ${name} gave code ${code}, stderr '${message}'")
  endif()
  file(READ ${path} head LIMIT 4 HEX)
  if(name STREQUAL "still.png" AND NOT head STREQUAL "89504e47")
    message(FATAL_ERROR "${name} does not start like a PNG: ${head}")
  elseif(name STREQUAL "still.jpg" AND NOT head MATCHES "^ffd8ff")
    message(FATAL_ERROR "${name} does not start like a JPEG: ${head}")
  endif()
  file(REMOVE ${path})
endforeach()
