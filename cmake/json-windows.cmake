# jaggo: the JSON library for the Windows build as the imported target nlohmann_json::nlohmann_json.
# It is header-only: Debian's headers (nlohmann-json3-dev) are copied into a private folder, as
# GLFW's are, so that the cross compiler never sees the host's /usr/include.
set(JAGGO_JSON_HEADERS /usr/include/nlohmann CACHE PATH "Folder with nlohmann/json.hpp and its parts")
if(NOT EXISTS "${JAGGO_JSON_HEADERS}/json.hpp")
  message(FATAL_ERROR "JSON headers: json.hpp not found in '${JAGGO_JSON_HEADERS}' (Debian package nlohmann-json3-dev)")
endif()
file(COPY "${JAGGO_JSON_HEADERS}/" DESTINATION "${PROJECT_BINARY_DIR}/json-include/nlohmann")
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${PROJECT_BINARY_DIR}/json-include")
