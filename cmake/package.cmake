# jaggo packaging: installation (program, manual page, copyright, changelog) and the Debian
# package that CPack builds from it (cpack -G DEB), laid out as Debian's policy and lintian want.

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
set(JAGGO_DEB_VERSION ${PROJECT_VERSION}-1)

# Directories the install creates get the usual 0755 whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

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
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in ${PROJECT_BINARY_DIR}/doc/changelog.Debian @ONLY)

# Manual page and changelog compressed as Debian ships them: best, without name or time stamp.
set(jaggo_gz_files)
foreach(src man/jaggo.1 ${PROJECT_BINARY_DIR}/doc/changelog.Debian)
  get_filename_component(name ${src} NAME)
  set(copy ${PROJECT_BINARY_DIR}/gz/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${src} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${src}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
  list(APPEND jaggo_gz_files ${copy}.gz)
endforeach()
add_custom_target(jaggo_docs ALL DEPENDS ${jaggo_gz_files})
list(GET jaggo_gz_files 0 jaggo_man_gz)
list(GET jaggo_gz_files 1 jaggo_changelog_gz)
install(FILES ${jaggo_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright ${jaggo_changelog_gz} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME jaggo)

# A Debian package (cpack -G DEB). GLFW is Debian's shared library and the
# only dependency beyond the C and C++ runtimes; dpkg-shlibdeps works out the
# versions from the binary's needs.
#
# For GLFW it is told better than its symbols file: the window attributes the
# program asks for need 3.3 (dlsym'd calls do not show in the symbols), and
# Debian's Wayland build, which conflicts with the X11 one, serves as well.
set(jaggo_shlibs_script ${PROJECT_BINARY_DIR}/jaggo-deb-shlibs.cmake)
file(WRITE ${jaggo_shlibs_script} [=[
# Written by jaggo's cmake/package.cmake; runs before CPack calls dpkg-shlibdeps.
file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/debian/shlibs.local"
  "libglfw 3 libglfw3 (>= 3.3) | libglfw3-wayland (>= 3.3)\n")
]=])
set(CPACK_PRE_BUILD_SCRIPTS ${jaggo_shlibs_script})
set(CPACK_PACKAGE_NAME jaggo)
set(CPACK_PACKAGE_VENDOR "jaggo developers")
set(CPACK_PACKAGE_CONTACT "${JAGGO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive diagnostic for multisample anti-aliasing in OpenGL")
set(CPACK_PACKAGE_DESCRIPTION "jaggo opens an OpenGL window with a requested number of samples, reports\n\
the chosen framebuffer configuration, the sample count and the driver's\n\
strings, and draws two turning squares, one without and one with\n\
multisampling, so that their edges can be compared.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
