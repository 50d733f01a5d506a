# Who makes Velmora, as the programs' properties, the installer and the
# read-me name it. The version itself is the project's version.
set(VELMORA_PUBLISHER "The Velmora developers")
set(VELMORA_COPYRIGHT_YEARS "2026")
set(VELMORA_COPYRIGHT "Copyright (C) ${VELMORA_COPYRIGHT_YEARS} ${VELMORA_PUBLISHER}")

# Who answers for the Linux package, as Debian's Maintainer field names it:
# "Name <address>". A build for a distribution gives its own, whole or as a
# name with the address apart. The address is taken, as Debian's packaging
# tools take it, from DEBEMAIL where that is set; else it lies in the
# reserved domain .invalid, which says plainly that no one reads it.
set(default_address "maintainer@velmora.invalid")
if(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  string(REGEX REPLACE "^.*<([^>]+)>.*$" "\\1" default_address "$ENV{DEBEMAIL}")
endif()
set(VELMORA_MAINTAINER_ADDRESS "${default_address}" CACHE STRING
    "Address of the Debian package's maintainer")
set(VELMORA_MAINTAINER "${VELMORA_PUBLISHER}" CACHE STRING
    "Maintainer of the Debian package: Name <address>, or a name for VELMORA_MAINTAINER_ADDRESS")
if(NOT VELMORA_MAINTAINER MATCHES "<[^>]+@[^>]+>$")
  set(VELMORA_MAINTAINER "${VELMORA_MAINTAINER} <${VELMORA_MAINTAINER_ADDRESS}>")
endif()

# What the painting is, in one line and in a few, for the Linux package and
# the description that XScreenSaver's settings program shows.
set(VELMORA_SUMMARY "glowing streams of light swept by flow fields, for XScreenSaver")
set(VELMORA_DESCRIPTION
    "Streams of glowing points pour out of slowly drifting emitters and are
swept around by three invisible, ever-changing flow fields. Every picture
fades over the next frames, so the streams leave trails of light on black.")

# The maker's web page, which the settings dialog's button "その他の作品"
# opens in the default browser. Left empty, the button opens the read-me
# (Readme.txt) that ships beside the programs.
set(VELMORA_MAKER_URL "" CACHE STRING "Web page opened by the settings dialog's other-works button")

# velmora_version_resource(<target> <file name> <description>)
# Gives a Windows program its version information.
function(velmora_version_resource target file_name description)
  set(VELMORA_FILE_NAME "${file_name}")
  set(VELMORA_FILE_DESCRIPTION "${description}")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()

# velmora_program_manifest(<target> <rc file> <manifest file name> <assembly name>
#                          [PER_MONITOR_DPI])
# Makes the program's manifest from cmake/program.manifest.in with the
# project's version, in the target's build folder, where the program's .rc
# file finds it by name. A program aware of the system's resolution is laid out
# once for it; one aware of each monitor's gets every monitor's own pixels.
function(velmora_program_manifest target rc_file file_name assembly_name)
  cmake_parse_arguments(PARSE_ARGV 4 arg "PER_MONITOR_DPI" "" "")
  if(arg_PER_MONITOR_DPI)
    set(VELMORA_MANIFEST_DPI_AWARE "true/pm")
    set(VELMORA_MANIFEST_DPI_AWARENESS "PerMonitorV2, PerMonitor")
  else()
    set(VELMORA_MANIFEST_DPI_AWARE "true")
    set(VELMORA_MANIFEST_DPI_AWARENESS "System")
  endif()
  set(VELMORA_MANIFEST_NAME "${assembly_name}")
  set(VELMORA_MANIFEST_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${file_name})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${manifest} @ONLY)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
  set_property(SOURCE ${rc_file} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
endfunction()
