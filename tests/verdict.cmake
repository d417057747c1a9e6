# The picture held against the report: the grey-level reading on synthetic pictures (pure Python,
# the same in every build), and the run on the user's own display, a private Xvfb standing in for
# it, with a driver that forces anti-aliasing (the fault shim of app.cmake).
add_test(NAME verdict_coverage COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/unit/test_coverage.py)
set_tests_properties(verdict_coverage PROPERTIES LABELS "unit;source" ENVIRONMENT "${JAGGO_TEST_ENV}")
if(JAGGO_BUILD_TIME_TESTS_ONLY)
  return()  # the rest needs a display
endif()

add_test(NAME window_own_display COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_own_display.py)
set_tests_properties(window_own_display PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")

# jaggo-verdict's sweep and JSON against the GLX probe, and the pictures it cannot judge.
add_test(NAME window_verdict COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_verdict.py)
set_tests_properties(window_verdict PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")
