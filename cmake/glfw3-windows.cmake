# jaggo: GLFW for the Windows build as the imported target `glfw`.
# A prebuilt GLFW DLL with its import library, and Debian's GLFW headers.
#
# JAGGO_GLFW_WINDOWS_DIR holds glfw3.dll, glfw3dll.lib and License-GLFW.txt
# (scripts/install-deps.sh puts them there). The headers are copied into a
# private folder so the cross compiler never sees the host's /usr/include.
set(JAGGO_GLFW_WINDOWS_DIR "" CACHE PATH "Folder with GLFW's Windows glfw3.dll, glfw3dll.lib and License-GLFW.txt")
set(JAGGO_GLFW_HEADERS /usr/include/GLFW CACHE PATH "Folder with glfw3.h and glfw3native.h")

foreach(file glfw3.dll glfw3dll.lib License-GLFW.txt)
  if(NOT EXISTS "${JAGGO_GLFW_WINDOWS_DIR}/${file}")
    message(FATAL_ERROR "GLFW for Windows: ${file} not found in JAGGO_GLFW_WINDOWS_DIR "
                        "('${JAGGO_GLFW_WINDOWS_DIR}'); scripts/install-deps.sh fetches it")
  endif()
endforeach()
foreach(file glfw3.h glfw3native.h)
  if(NOT EXISTS "${JAGGO_GLFW_HEADERS}/${file}")
    message(FATAL_ERROR "GLFW headers: ${file} not found in '${JAGGO_GLFW_HEADERS}' (Debian package libglfw3-dev)")
  endif()
  configure_file("${JAGGO_GLFW_HEADERS}/${file}" "${PROJECT_BINARY_DIR}/glfw-include/GLFW/${file}" COPYONLY)
endforeach()

add_library(glfw SHARED IMPORTED)
set_target_properties(glfw PROPERTIES
  IMPORTED_LOCATION "${JAGGO_GLFW_WINDOWS_DIR}/glfw3.dll"
  IMPORTED_IMPLIB "${JAGGO_GLFW_WINDOWS_DIR}/glfw3dll.lib"
  INTERFACE_INCLUDE_DIRECTORIES "${PROJECT_BINARY_DIR}/glfw-include")

# Windows finds a program's DLLs beside it: every program goes into the build
# folder's top, and the DLL with them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
configure_file("${JAGGO_GLFW_WINDOWS_DIR}/glfw3.dll" "${PROJECT_BINARY_DIR}/glfw3.dll" COPYONLY)
set(JAGGO_GLFW_LICENSE "${JAGGO_GLFW_WINDOWS_DIR}/License-GLFW.txt")
