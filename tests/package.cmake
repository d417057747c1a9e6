# The plain install's layout; the Debian package, built from debian/ by dpkg-buildpackage in the
# test's own folder (from the sources, whatever this build is), checked by lintian, unpacked and run;
# and the source package.
add_test(NAME package_install COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/test_install.sh ${PROJECT_BINARY_DIR})
set_tests_properties(package_install PROPERTIES LABELS package)
add_test(NAME package_deb
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/test_deb.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/deb-test)
set_tests_properties(package_deb PROPERTIES LABELS "package;source;slow" SKIP_RETURN_CODE 77 TIMEOUT 900)
add_test(NAME package_source COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/test_source.sh ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
set_tests_properties(package_source PROPERTIES LABELS "package;source" SKIP_RETURN_CODE 77 TIMEOUT 120)
