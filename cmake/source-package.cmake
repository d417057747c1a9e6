# jaggo: the source package (cpack --config CPackSourceConfig.cmake): jaggo-VERSION.tar.gz.
# The Debian package is built by Debian's own tools from debian/, the Windows ZIP by
# cmake/package-windows.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/package-metadata.cmake)

# The source package: what git tracks, never a build folder, the third-party
# files under build-deps/ or anything else .gitignore names, nor .git (a folder,
# or in a worktree a file). Each rule becomes a regular expression on a file's
# full path (a folder's ends in "/"), anchored at the source root so that no
# folder above the checkout can match: GitLab CI's /builds/..., a ~/build/ of
# clones. As in git, a rule with a slash before its end is relative to the root,
# any other matches at any depth below it. CPack writes the expressions into its
# own configuration file, which reads them once more, hence their backslashes doubled.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME jaggo-${PROJECT_VERSION})
set(jaggo_regex_special "([][.+^$()|])")  # what a regular expression must escape, less * and ?
string(REGEX REPLACE "([][.+*?^$()|])" "\\\\\\1" jaggo_source_regex "${PROJECT_SOURCE_DIR}")
set(jaggo_ignored ".git")
file(STRINGS ${PROJECT_SOURCE_DIR}/.gitignore jaggo_gitignore REGEX "^[^#]")
list(APPEND jaggo_ignored ${jaggo_gitignore})
set(CPACK_SOURCE_IGNORE_FILES "")
foreach(pattern IN LISTS jaggo_ignored)
  # A .gitignore glob as a regular expression.
  string(REGEX REPLACE "${jaggo_regex_special}" "\\\\\\1" regex "${pattern}")
  string(REPLACE "*" "[^/]*" regex "${regex}")
  string(REPLACE "?" "[^/]" regex "${regex}")
  if(pattern MATCHES "^[^/]+/?$")  # no slash but at its end: at any depth
    set(regex "(.*/)?${regex}")
  endif()
  string(REGEX REPLACE "^/" "" regex "${regex}")
  set(regex "^${jaggo_source_regex}/${regex}")
  if(NOT regex MATCHES "/$")  # a file, or a folder and all below it
    string(APPEND regex "(/|$)")
  endif()
  string(REPLACE "\\" "\\\\" regex "${regex}")
  list(APPEND CPACK_SOURCE_IGNORE_FILES "${regex}")
endforeach()
# CPack checks what it is about to pack before it packs it: a rule that matches a tracked file fails
# the package instead of leaving the file out.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/source-package-check.cmake)
include(CPack)
