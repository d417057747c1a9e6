# Soak: fifty start/run/Escape cycles, then twenty seconds of resizes and Space
# presses with the resident memory watched. Well under a minute in the plain build.
add_test(NAME window_soak COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/window/test_soak.py Soak)
set_tests_properties(window_soak PROPERTIES LABELS "window;soak" SKIP_RETURN_CODE 77 TIMEOUT 400
  ENVIRONMENT "${JAGGO_TEST_ENV}")
