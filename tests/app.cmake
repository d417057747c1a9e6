# Tests of the program entry's pieces and of the real binary.
jaggo_unit_test(options_test unit/options_test.cpp LIBS jaggo::options)
jaggo_unit_test(command_line_test unit/command_line_test.cpp LIBS jaggo::app)
if(WIN32)
  return()  # the Windows build's process and window tests are in windows.cmake
endif()

add_test(NAME process_command_line COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/process/test_command_line.py)
set_tests_properties(process_command_line PROPERTIES LABELS process ENVIRONMENT "${JAGGO_TEST_ENV}")
if(JAGGO_BUILD_TIME_TESTS_ONLY)
  return()  # the rest needs a display
endif()

add_test(NAME window_start_and_keys COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_start_and_keys.py)
set_tests_properties(window_start_and_keys PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV}")

# Asks GLX directly (through libGL, which only the tests link) what the
# display offers, so the window tests can check jaggo's report against it.
find_package(X11 REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
add_executable(glx_probe tools/glx_probe.cpp)
target_link_libraries(glx_probe PRIVATE OpenGL::OpenGL OpenGL::GLX X11::X11)

list(APPEND JAGGO_TEST_ENV "GLX_PROBE=$<TARGET_FILE:glx_probe>")

# The sample counts the program lists for a sweep, against the probe's list of the same display.
add_executable(offered_samples_window_test unit/offered_samples_window_test.cpp)
target_link_libraries(offered_samples_window_test PRIVATE jaggo::app GTest::gtest)
add_test(NAME offered_samples_window
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/harness/with_xvfb.py $<TARGET_FILE:offered_samples_window_test>)
set_tests_properties(offered_samples_window PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV}")
add_test(NAME window_report_and_picture COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_report_and_picture.py)
set_tests_properties(window_report_and_picture PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300
  ENVIRONMENT "${JAGGO_TEST_ENV}")

# The README's run command without a display (its part after the build), with a driver that lies
# about its sample count among its runs (the fault shim below).
add_test(NAME process_headless_run COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/process/test_headless_run.py)
set_tests_properties(process_headless_run PROPERTIES LABELS "process;window" SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")

# app/ uses only the entry points on its one list, and every one on it.
add_test(NAME app_gl_calls_listed
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/check_gl_calls.py ${PROJECT_SOURCE_DIR})
set_tests_properties(app_gl_calls_listed PROPERTIES LABELS "generated;source")

# A driver that rejects the shaders, gives no version, claims samples it does not draw or
# forces anti-aliasing, preloaded in front of GLFW's address query. Built without the
# sanitizers: it only hands out pointers.
add_library(gl_fault_shim SHARED tools/gl_fault_shim.cpp)
target_include_directories(gl_fault_shim PRIVATE $<TARGET_PROPERTY:jaggo::gl_loader,INTERFACE_INCLUDE_DIRECTORIES>
  ${PROJECT_SOURCE_DIR})
target_link_libraries(gl_fault_shim PRIVATE ${CMAKE_DL_LIBS})
add_test(NAME window_gl_faults COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_gl_faults.py)
set_tests_properties(window_gl_faults PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV};GL_FAULT_SHIM=$<TARGET_FILE:gl_fault_shim>")
