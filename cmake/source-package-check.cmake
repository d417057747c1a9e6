# jaggo: run by CPack (CPACK_PRE_BUILD_SCRIPTS) once it has gathered the files of the source
# package and before it packs them. When the sources are a git checkout, every file git tracks and
# the tree holds must be among them; otherwise CPack fails, naming one that is not, and makes no
# tarball. A binary package, or sources without git (an unpacked tarball), is not checked.
if(NOT CPACK_INSTALLED_DIRECTORIES)  # only the source package packs directories
  return()
endif()
list(GET CPACK_INSTALLED_DIRECTORIES 0 root)
execute_process(COMMAND git -c core.quotePath=false ls-files WORKING_DIRECTORY "${root}"
  OUTPUT_VARIABLE tracked RESULT_VARIABLE not_git ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
if(not_git)
  return()
endif()
string(REPLACE "\n" ";" tracked "${tracked}")
file(GLOB_RECURSE gathered LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
  "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(gathered)
  list(REMOVE_ITEM tracked ${gathered})
endif()
set(lacking "")
foreach(file IN LISTS tracked)
  if(EXISTS "${root}/${file}")  # a file deleted but not yet committed is not packed
    list(APPEND lacking "${file}")
  endif()
endforeach()
if(lacking)
  list(LENGTH lacking count)
  list(GET lacking 0 first)
  message(FATAL_ERROR "the source package lacks ${count} of the files git tracks (the first: ${first}): "
    "an ignore rule in cmake/source-package.cmake matches them")
endif()
