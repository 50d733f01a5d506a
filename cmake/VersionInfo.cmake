# Who makes Velmora, as the programs' properties, the installer and the
# read-me name it. The version itself is the project's version.
set(VELMORA_PUBLISHER "The Velmora developers")
set(VELMORA_COPYRIGHT "Copyright (C) 2026 ${VELMORA_PUBLISHER}")

# velmora_version_resource(<target> <file name> <description>)
# Gives a Windows program its version information.
function(velmora_version_resource target file_name description)
  set(VELMORA_FILE_NAME "${file_name}")
  set(VELMORA_FILE_DESCRIPTION "${description}")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()
