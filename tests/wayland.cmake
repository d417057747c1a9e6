# jaggo under a Wayland compositor, where the context is EGL's: weston nested in
# a private Xvfb where the system GLFW runs on Wayland (3.4), whose picture and
# keys go through the Xvfb; else a headless weston with Debian's Wayland build
# of GLFW 3.3 (fetched into the build dir by the test).
find_package(OpenGL REQUIRED COMPONENTS EGL)
add_executable(egl_probe tools/egl_probe.cpp)
target_link_libraries(egl_probe PRIVATE OpenGL::EGL ${CMAKE_DL_LIBS})

add_test(NAME wayland_report COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_wayland.py)
set_tests_properties(wayland_report PROPERTIES LABELS "wayland;window" SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};EGL_PROBE=$<TARGET_FILE:egl_probe>;GLFW_WAYLAND_DIR=${CMAKE_CURRENT_BINARY_DIR}/glfw-wayland")
