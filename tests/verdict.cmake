# jaggo-verdict on the user's own display, a private display standing in for it (weston nested in an
# Xvfb where the Xvfb offers no multisampling), with a driver that forces anti-aliasing (the fault
# shim of app.cmake).
if(JAGGO_BUILD_TIME_TESTS_ONLY)
  return()  # the rest needs a display
endif()

add_test(NAME window_own_display COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_own_display.py)
set_tests_properties(window_own_display PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>;GLFW_WAYLAND_DIR=${PROJECT_SOURCE_DIR}/build-deps/glfw-wayland")

# jaggo-verdict's sweep and JSON against the GLX probe, and the pictures it cannot judge.
add_test(NAME window_verdict COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_verdict.py)
set_tests_properties(window_verdict PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")

# jaggo-verdict's samples read one by one against the GLX probe's positions, and the faults they show.
add_test(NAME window_samples COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_samples.py)
set_tests_properties(window_samples PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")

# jaggo-verdict -o: offscreen objects against the GLX probe's grants, lying objects, and no display.
add_test(NAME window_offscreen COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_offscreen.py)
set_tests_properties(window_offscreen PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")

# jaggo-verdict -p: the PNG files decoded and held against the run's own output; a folder that cannot
# be written, or only in part.
add_test(NAME window_pictures COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_pictures.py)
set_tests_properties(window_pictures PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")
