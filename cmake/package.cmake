# jaggo: the Debian package (cpack -G DEB) and the source package (cpack --config CPackSourceConfig.cmake).
# The DEB takes the program and manual page (component `runtime`) and the files only a Debian
# package has (component `debian`: copyright, changelog, lintian override), laid out as Debian's
# policy and lintian want. A plain install never writes the `debian` component.

# The package's maintainer; Debian's DEBFULLNAME/DEBEMAIL give the default when set.
set(jaggo_maintainer "jaggo developers <maintainers@jaggo.dev>")
if(DEFINED ENV{DEBEMAIL} AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
  set(jaggo_name "jaggo developers")
  if(DEFINED ENV{DEBFULLNAME} AND NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(jaggo_name "$ENV{DEBFULLNAME}")
  endif()
  set(jaggo_maintainer "${jaggo_name} <$ENV{DEBEMAIL}>")
endif()
set(JAGGO_MAINTAINER "${jaggo_maintainer}" CACHE STRING "Maintainer of the Debian package: Name <address>")
# The Debian revision of this upstream version: 1 for the first package of it.
set(JAGGO_DEB_REVISION 1 CACHE STRING "Debian revision of the package (the part after the version's '-')")
set(JAGGO_DEB_VERSION ${PROJECT_VERSION}-${JAGGO_DEB_REVISION})

# The copyright file in Debian's machine-readable format, its license text taken from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE jaggo_license)
string(REGEX REPLACE "^.*Copyright \\(c\\) ([^\n]*)\n\n" "" jaggo_license_body "${jaggo_license}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${jaggo_license}")
set(jaggo_copyright_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\n+$" "" jaggo_license_body "${jaggo_license_body}")
string(REPLACE "\n\n" "\n.\n" jaggo_license_body "${jaggo_license_body}")
string(REPLACE "\n" "\n " jaggo_license_body " ${jaggo_license_body}")
file(WRITE ${PROJECT_BINARY_DIR}/doc/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: jaggo

Files: *
Copyright: ${jaggo_copyright_holder}
License: Expat
${jaggo_license_body}
")
# The changelog's entry is dated like the sources (cmake/source-date.cmake).
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in ${PROJECT_BINARY_DIR}/doc/changelog.Debian @ONLY)
jaggo_gzip(${PROJECT_BINARY_DIR}/doc/changelog.Debian jaggo_changelog_gz)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright ${jaggo_changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME jaggo COMPONENT debian EXCLUDE_FROM_ALL)

# A Debian package (cpack -G DEB). GLFW is Debian's shared library and the
# only dependency beyond the C and C++ runtimes; dpkg-shlibdeps works out the
# versions from the binary's needs.
#
# For GLFW it is told better than its symbols file: the window attributes the
# program asks for need 3.3 (dlsym'd calls do not show in the symbols), and
# Debian's Wayland build, which conflicts with the X11 one, serves as well.
set(jaggo_shlibs_script ${PROJECT_BINARY_DIR}/jaggo-deb-shlibs.cmake)
file(WRITE ${jaggo_shlibs_script} [=[
# Written by jaggo's cmake/package.cmake; runs before CPack calls dpkg-shlibdeps
# in the folder of the one package that holds all the components.
if(CPACK_GENERATOR STREQUAL "DEB")
  file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/ALL_COMPONENTS_IN_ONE/debian/shlibs.local"
    "libglfw 3 libglfw3 (>= 3.3) | libglfw3-wayland (>= 3.3)\n")
endif()
]=])
set(CPACK_PRE_BUILD_SCRIPTS ${jaggo_shlibs_script})
set(CPACK_PACKAGE_NAME jaggo)
set(CPACK_PACKAGE_VENDOR "jaggo developers")
set(CPACK_PACKAGE_CONTACT "${JAGGO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive diagnostic for multisample anti-aliasing in OpenGL")
set(CPACK_PACKAGE_DESCRIPTION "jaggo opens an OpenGL window with a requested number of samples, reports\n\
the chosen framebuffer configuration, the sample count and the driver's\n\
strings, and draws two turning squares, one without and one with\n\
multisampling, so that their edges can be compared.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
# One package of exactly these components.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL runtime debian)
set(CPACK_DEBIAN_PACKAGE_NAME jaggo)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${JAGGO_DEB_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The source package: what git tracks, never a build folder, the third-party
# files under build-deps/ or anything else .gitignore names. Each pattern is a
# regular expression on a file's full path; CPack writes them into its own
# configuration file, which reads them once more, hence their backslashes doubled.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME jaggo-${PROJECT_VERSION})
set(jaggo_regex_special "([][.+^$()|])")  # what a regular expression must escape
string(REGEX REPLACE "${jaggo_regex_special}" "\\\\\\1" jaggo_source_regex "${PROJECT_SOURCE_DIR}")
set(jaggo_ignored "/.git/")
file(STRINGS ${PROJECT_SOURCE_DIR}/.gitignore jaggo_gitignore REGEX "^[^#]")
list(APPEND jaggo_ignored ${jaggo_gitignore})
set(CPACK_SOURCE_IGNORE_FILES "")
foreach(pattern IN LISTS jaggo_ignored)
  # A .gitignore glob as a regular expression.
  string(REGEX REPLACE "${jaggo_regex_special}" "\\\\\\1" regex "${pattern}")
  string(REPLACE "*" "[^/]*" regex "${regex}")
  string(REPLACE "?" "[^/]" regex "${regex}")
  if(regex MATCHES "^/" AND NOT pattern STREQUAL "/.git/")
    set(regex "^${jaggo_source_regex}${regex}")
  elseif(NOT regex MATCHES "^/")
    set(regex "/${regex}")
  endif()
  if(NOT regex MATCHES "/$")
    string(APPEND regex "$")
  endif()
  string(REPLACE "\\" "\\\\" regex "${regex}")
  list(APPEND CPACK_SOURCE_IGNORE_FILES "${regex}")
endforeach()
include(CPack)
