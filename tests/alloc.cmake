# Heap allocation tests: the loader's temporary extension list, jaggo's steady frames, and
# jaggo-verdict's judged frame and the frames after it, counted by a malloc counter. Not in
# sanitized builds, whose allocator the counter would stand in front of.
if(NOT JAGGO_SANITIZE)
  add_library(alloc_counter SHARED ${CMAKE_CURRENT_LIST_DIR}/tools/alloc_counter.cpp)
  target_link_libraries(alloc_counter PRIVATE jaggo::flags ${CMAKE_DL_LIBS})

  jaggo_unit_test(alloc_loader_test ${CMAKE_CURRENT_LIST_DIR}/unit/alloc_loader_test.cpp
    LIBS alloc_counter jaggo::gl_loader)
  set_tests_properties(alloc_loader_test PROPERTIES LABELS "unit;alloc")

  # jaggo and jaggo-verdict preloaded with the counter on a private Xvfb: no allocation by our code
  # per frame, and one for the judged picture.
  if(JAGGO_BUILD_TIME_TESTS_ONLY)
    return()
  endif()
  add_test(NAME alloc_frames
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/window/test_soak.py FrameAllocations)
  set_tests_properties(alloc_frames PROPERTIES LABELS "window;alloc" SKIP_RETURN_CODE 77 TIMEOUT 120
    ENVIRONMENT "${JAGGO_TEST_ENV};JAGGO_ALLOC_COUNTER=$<TARGET_FILE:alloc_counter>;JAGGO_VERDICT_BIN=$<TARGET_FILE:jaggo-verdict>")
endif()
