# jaggo: the source package (cpack --config CPackSourceConfig.cmake): jaggo-VERSION.tar.gz.
# The Debian package is built by Debian's own tools from debian/, the Windows ZIP by
# cmake/package-windows.cmake.
set(CPACK_PACKAGE_NAME jaggo)
set(CPACK_PACKAGE_VENDOR "jaggo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive diagnostic for multisample anti-aliasing in OpenGL")

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
