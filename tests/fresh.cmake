# The fresh-system check's failure paths (the full check itself runs from scripts/test.sh).
add_test(NAME process_fresh_check COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/process/test_fresh_check.sh ${PROJECT_SOURCE_DIR})
set_tests_properties(process_fresh_check PROPERTIES LABELS "process;source" SKIP_RETURN_CODE 77 TIMEOUT 120)
