# The fuzz targets of the loader and of the picture analysis: each one's seed corpus replayed as an
# ordinary test in every build, and with JAGGO_FUZZ (the fuzz preset) the libFuzzer binaries
# tools/fuzz.sh runs.
set(jaggo_fuzz_dir ${CMAKE_CURRENT_LIST_DIR}/fuzz)

# name: the target (NAME_replay, NAME_corpus for the test); the corpus is fuzz/CORPUS.
function(jaggo_fuzz_target name corpus)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "LIBS")
  add_executable(${name}_replay ${jaggo_fuzz_dir}/${name}.cpp ${jaggo_fuzz_dir}/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${arg_LIBS})
  add_test(NAME ${name}_corpus COMMAND ${name}_replay ${jaggo_fuzz_dir}/${corpus})
  set_tests_properties(${name}_corpus PROPERTIES LABELS unit)
  if(JAGGO_FUZZ)
    add_executable(${name} ${jaggo_fuzz_dir}/${name}.cpp)
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endif()
endfunction()

jaggo_fuzz_target(loader_fuzz corpus LIBS jaggo::gl_loader jaggo_test_support)
jaggo_fuzz_target(picture_fuzz picture_corpus LIBS jaggo::picture)
