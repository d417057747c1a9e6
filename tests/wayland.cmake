# jaggo-verdict under a Wayland compositor, where the context is EGL's: weston
# nested in a private Xvfb, with a driver that lies about its samples among its
# runs (the fault shim of app.cmake). Where the system GLFW has no Wayland
# (Debian 12's 3.3), it runs with Debian's Wayland build of it, which
# scripts/install-deps.sh test unpacks into build-deps/glfw-wayland.
find_package(OpenGL REQUIRED COMPONENTS EGL)
add_executable(egl_probe tools/egl_probe.cpp)
target_link_libraries(egl_probe PRIVATE OpenGL::EGL ${CMAKE_DL_LIBS})

add_test(NAME wayland_report COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_wayland.py)
set_tests_properties(wayland_report PROPERTIES LABELS "wayland;window" SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV};EGL_PROBE=$<TARGET_FILE:egl_probe>;GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>;GLFW_WAYLAND_DIR=${PROJECT_SOURCE_DIR}/build-deps/glfw-wayland")
