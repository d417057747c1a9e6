# jaggo: the date of the sources, for the manual page.
# Builds of the same sources give the same files: the date is SOURCE_DATE_EPOCH when
# set (reproducible-builds.org), else the commit date of a git checkout, else the
# time stamp of this project's CMakeLists.txt (which a source package keeps).
# Sets JAGGO_SOURCE_EPOCH and JAGGO_SOURCE_DATE (2026-12-07).
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(JAGGO_SOURCE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  set(JAGGO_SOURCE_EPOCH "")
  find_package(Git QUIET)
  if(Git_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE JAGGO_SOURCE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT JAGGO_SOURCE_EPOCH MATCHES "^[0-9]+$")
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt JAGGO_SOURCE_EPOCH "%s" UTC)
  endif()
endif()
if(NOT JAGGO_SOURCE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: '${JAGGO_SOURCE_EPOCH}'")
endif()

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set: set it for this call only.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(jaggo_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${JAGGO_SOURCE_EPOCH})
string(TIMESTAMP JAGGO_SOURCE_DATE "%Y-%m-%d" UTC)
if(DEFINED jaggo_saved_epoch)
  set(ENV{SOURCE_DATE_EPOCH} "${jaggo_saved_epoch}")
else()
  unset(ENV{SOURCE_DATE_EPOCH})
endif()
