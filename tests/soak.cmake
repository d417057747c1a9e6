# Soak: fifty start/run/Escape cycles, then 24 rounds of resizes and Space presses with jaggo's own
# live heap counted (the allocation counter of alloc.cmake; not in sanitized builds). Labelled slow,
# so a quick run (ctest --preset quick, or -LE slow) leaves it out; the test command runs it.
set(jaggo_soak_env ${JAGGO_TEST_ENV})
if(NOT JAGGO_SANITIZE)
  list(APPEND jaggo_soak_env "JAGGO_ALLOC_COUNTER=$<TARGET_FILE:alloc_counter>")
endif()
add_test(NAME window_soak COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/window/test_soak.py Soak)
set_tests_properties(window_soak PROPERTIES LABELS "window;soak;slow" SKIP_RETURN_CODE 77 TIMEOUT 600
  ENVIRONMENT "${jaggo_soak_env}")
