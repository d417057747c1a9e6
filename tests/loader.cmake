# Tests of the entry-point loader: fake-context unit tests, the generated table
# against the registry, and a real context under a private X server.
jaggo_unit_test(loader_test ${CMAKE_CURRENT_LIST_DIR}/unit/loader_test.cpp LIBS jaggo::gl_loader)
if(WIN32 OR JAGGO_BUILD_TIME_TESTS_ONLY)
  return()  # the rest needs the host's registry or a display
endif()

# The committed table must be exactly what the registry gives today.
add_test(NAME loader_generated_table
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/../gl_loader/gen_gl_table.py
          ${JAGGO_GL_XML} --check ${CMAKE_CURRENT_LIST_DIR}/../gl_loader/gl_table.gen.h)
set_tests_properties(loader_generated_table PROPERTIES LABELS "generated;source")

# load_gl(glfwGetProcAddress) on a real context; exits 77 without a display.
add_executable(loader_window_test ${CMAKE_CURRENT_LIST_DIR}/unit/loader_window_test.cpp)
target_link_libraries(loader_window_test PRIVATE jaggo::app GTest::gtest)
add_test(NAME loader_window
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/harness/with_xvfb.py $<TARGET_FILE:loader_window_test>)
set_tests_properties(loader_window PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 120
  ENVIRONMENT "${JAGGO_TEST_ENV}")
