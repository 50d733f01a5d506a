# The hack as a Debian package:
#
#   cmake --build --preset native --target deb
#
# writes velmora_<version>_<architecture>.deb into the build folder: the hack
# where XScreenSaver looks for it, its description for XScreenSaver's
# settings, and the licence where Debian keeps every package's. The libraries
# it needs are worked out by dpkg-shlibdeps (dpkg-dev).

# Debian's copyright file in its machine-readable form, the licence text
# indented as a field's continuation lines, with "." for an empty line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n" "\n " licence " ${licence}")
string(REGEX REPLACE "\n \n" "\n .\n" licence "${licence}")
string(REGEX REPLACE "\n \n" "\n .\n" licence "${licence}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Velmora\n"
  "\n"
  "Files: *\n"
  "Copyright: ${VELMORA_COPYRIGHT_YEARS} ${VELMORA_PUBLISHER}\n"
  "License: MIT\n"
  "${licence}\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION share/doc/velmora)

# The package's changelog, signed by its maintainer. Velmora is packaged where
# it is made, so the package is a native one and its changelog is the
# changelog.gz of Debian's policy, compressed as the policy asks (gzip -9n).
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog.in changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^velmora \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "renderer/x11/changelog.in has no entry for version ${PROJECT_VERSION} at "
                      "its top: add one")
endif()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
find_program(VELMORA_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND ${VELMORA_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(deb_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION share/doc/velmora)

execute_process(COMMAND dpkg --print-architecture
  OUTPUT_VARIABLE deb_architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT deb_architecture)
  # Not a Debian system: no package.
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VELMORA_PUBLISHER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_architecture})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# XScreenSaver's "GL:" entries, the one this hack's description asks for
# among them, need the GL visual finder of xscreensaver-gl.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver, xscreensaver-gl")
# The first line is the summary; CPack makes the rest continuation lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${VELMORA_SUMMARY}
${VELMORA_DESCRIPTION}

The hack velmora goes to /usr/libexec/xscreensaver and its settings to
XScreenSaver's list of descriptions. XScreenSaver shows it once the
programs of ~/.xscreensaver name it: GL: velmora --root")
if(VELMORA_MAKER_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_MAKER_URL})
endif()
include(CPack)

set(VELMORA_DEB_FILE
    ${CMAKE_BINARY_DIR}/velmora_${PROJECT_VERSION}_${deb_architecture}.deb CACHE INTERNAL "")
add_custom_target(deb
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS velmora deb_changelog
  COMMENT "Making velmora_${PROJECT_VERSION}_${deb_architecture}.deb"
  USES_TERMINAL)
