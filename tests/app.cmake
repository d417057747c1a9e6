# Tests of the program entry's pieces and of the real binary.
jaggo_unit_test(options_test unit/options_test.cpp LIBS jaggo::options)
jaggo_unit_test(command_line_test unit/command_line_test.cpp ../app/command_line.cpp)
