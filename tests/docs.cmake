# The documents' examples of output (the README, docs/ and the manual pages), each run on a private
# Xvfb and held against the real output, and the manual page's JSON keys against the printer's. The
# examples are those of the project's own machine (Debian 12, llvmpipe), so the check runs once, as
# a check of the source tree.
add_test(NAME docs_examples
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/docs/check_examples.py ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(docs_examples PROPERTIES LABELS "window;source" SKIP_RETURN_CODE 77 TIMEOUT 600
  ENVIRONMENT "${JAGGO_TEST_ENV}")

# The checker itself: a drifted or missing line fails an example, and output without a mark is found.
add_test(NAME docs_examples_checker COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/docs/test_check_examples.py)
set_tests_properties(docs_examples_checker PROPERTIES LABELS source
  ENVIRONMENT "${JAGGO_TEST_ENV};PYTHONPATH=${PROJECT_SOURCE_DIR}/scripts:${CMAKE_CURRENT_SOURCE_DIR}:${CMAKE_CURRENT_SOURCE_DIR}/docs")
