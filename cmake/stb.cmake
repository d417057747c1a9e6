# jaggo: stb_image_write, the PNG encoder of jaggo-verdict's pictures, as the imported target
# stb::image_write. It is a single header: one source file of ours (verdict/png.cpp) compiles its
# implementation, so no library is linked. Debian's libstb-dev ships it; the Windows build copies it
# into a private folder, as it does GLFW's and the JSON library's headers, so that the cross compiler
# never sees the host's /usr/include.
set(JAGGO_STB_HEADERS /usr/include/stb CACHE PATH "Folder with stb_image_write.h")
if(NOT EXISTS "${JAGGO_STB_HEADERS}/stb_image_write.h")
  message(FATAL_ERROR "stb: stb_image_write.h not found in '${JAGGO_STB_HEADERS}' (Debian package libstb-dev)")
endif()
configure_file("${JAGGO_STB_HEADERS}/stb_image_write.h" "${PROJECT_BINARY_DIR}/stb-include/stb/stb_image_write.h"
  COPYONLY)
add_library(stb::image_write INTERFACE IMPORTED)
# An imported target's folders are system ones: the library's own code is not held to our warnings.
set_target_properties(stb::image_write PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${PROJECT_BINARY_DIR}/stb-include")
