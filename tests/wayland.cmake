# jaggo under a headless Wayland compositor, on Debian's Wayland build of GLFW
# (fetched into the build dir by the test), where the context is EGL's.
find_package(OpenGL REQUIRED COMPONENTS EGL)
add_executable(egl_probe tools/egl_probe.cpp)
target_link_libraries(egl_probe PRIVATE OpenGL::EGL ${CMAKE_DL_LIBS})

add_test(NAME wayland_report COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_wayland.py)
set_tests_properties(wayland_report PROPERTIES LABELS wayland SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};EGL_PROBE=$<TARGET_FILE:egl_probe>;GLFW_WAYLAND_DIR=${CMAKE_CURRENT_BINARY_DIR}/glfw-wayland")
