# jaggo: the Windows package (cpack -G ZIP): jaggo-VERSION-win64.zip.
# The program, GLFW's DLL beside it, the licence text and the README, all at the top.
install(FILES "${PROJECT_BINARY_DIR}/glfw3.dll" "${JAGGO_GLFW_LICENSE}" "${PROJECT_SOURCE_DIR}/README.md"
        DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PRE_BUILD_SCRIPTS "")  # the Debian package's shlibs step
set(CPACK_PACKAGE_FILE_NAME "jaggo-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
