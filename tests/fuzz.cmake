# The loader's fuzz target: its seed corpus replayed as an ordinary test in every
# build, and with JAGGO_FUZZ (the fuzz preset) the libFuzzer binary scripts/fuzz.sh runs.
set(jaggo_fuzz_sources ${CMAKE_CURRENT_LIST_DIR}/fuzz/loader_fuzz.cpp)
set(jaggo_fuzz_corpus ${CMAKE_CURRENT_LIST_DIR}/fuzz/corpus)

add_executable(loader_fuzz_replay ${jaggo_fuzz_sources} ${CMAKE_CURRENT_LIST_DIR}/fuzz/replay_main.cpp)
target_link_libraries(loader_fuzz_replay PRIVATE jaggo::gl_loader jaggo_test_support)
add_test(NAME loader_fuzz_corpus COMMAND loader_fuzz_replay ${jaggo_fuzz_corpus})
set_tests_properties(loader_fuzz_corpus PROPERTIES LABELS unit)

if(JAGGO_FUZZ)
  add_executable(loader_fuzz ${jaggo_fuzz_sources})
  target_link_libraries(loader_fuzz PRIVATE jaggo::gl_loader jaggo_test_support)
  target_link_options(loader_fuzz PRIVATE -fsanitize=fuzzer)
endif()
