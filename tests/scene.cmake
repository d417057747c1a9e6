# Unit tests of the matrix helpers, the context report and the scene.
jaggo_unit_test(matrix_test unit/matrix_test.cpp LIBS jaggo::matrix)
jaggo_unit_test(report_test unit/report_test.cpp LIBS jaggo::app)
jaggo_unit_test(scene_test unit/scene_test.cpp LIBS jaggo::app)
jaggo_unit_test(picture_test unit/picture_test.cpp LIBS jaggo::picture)
jaggo_unit_test(samples_test unit/samples_test.cpp LIBS jaggo::picture)
jaggo_unit_test(verdict_json_test unit/verdict_json_test.cpp LIBS jaggo::verdict)
