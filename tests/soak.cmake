# Soak: fifty start/run/Escape cycles, then 24 rounds of resizes and Space presses with the
# resident memory watched. About a minute in the plain build: labelled slow, so a quick run
# (ctest --preset quick, or -LE slow) leaves it out; the test command runs it.
add_test(NAME window_soak COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/window/test_soak.py Soak)
set_tests_properties(window_soak PROPERTIES LABELS "window;soak;slow" SKIP_RETURN_CODE 77 TIMEOUT 600
  ENVIRONMENT "${JAGGO_TEST_ENV}")
