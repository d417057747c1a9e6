# jaggo: the Windows package (cpack -G ZIP): jaggo-VERSION-win64.zip.
# The programs, GLFW's DLL beside them, the licence texts and the README at the top, and in docs/
# the documents and pictures the README links to, so that its links hold in the unpacked folder.
install(FILES "${PROJECT_BINARY_DIR}/glfw3.dll" "${JAGGO_GLFW_LICENSE}" "${PROJECT_SOURCE_DIR}/README.md"
        DESTINATION .)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
# jaggo.exe carries the mingw-w64 runtime's start-up and C library pieces,
# some of whose licences ask for their notices to travel with the binary.
set(JAGGO_MINGW_RUNTIME_LICENSE /usr/share/doc/mingw-w64-x86-64-dev/copyright
    CACHE FILEPATH "Copyright and licence text of the mingw-w64 runtime")
if(EXISTS "${JAGGO_MINGW_RUNTIME_LICENSE}")
  install(FILES "${JAGGO_MINGW_RUNTIME_LICENSE}" DESTINATION . RENAME License-mingw-w64-runtime.txt)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/package-metadata.cmake)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "jaggo-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
