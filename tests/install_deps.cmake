# The Windows part's GLFW fetch (scripts/install-deps.sh windows): an unreachable registry and a
# file that differs from its committed checksum each fail with one line and leave nothing behind.
add_test(NAME process_install_deps COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/process/test_install_deps.sh ${PROJECT_SOURCE_DIR})
set_tests_properties(process_install_deps PROPERTIES LABELS "process;source" SKIP_RETURN_CODE 77 TIMEOUT 120)
