# jaggo tests for the Windows build, run under Wine (the toolchain's emulator)
# with the Wine prefix inside the build folder: the unit tests, the command
# line of jaggo.exe, and a real window on a private Xvfb checked with a WGL probe.
include(${CMAKE_CURRENT_SOURCE_DIR}/app.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/loader.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/fuzz.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/scene.cmake)

# Asks WGL directly (through opengl32, which only this probe links) what the
# display offers, so the window test can check jaggo's report against it.
add_executable(wgl_probe tools/wgl_probe.cpp)
target_link_libraries(wgl_probe PRIVATE opengl32 gdi32 user32)
target_link_options(wgl_probe PRIVATE -static)

# A driver that claims 8 samples, or smooths each frame at the swap, for jaggo-verdict.exe under
# Wine: a glfw3.dll of the tests' own that forwards each of GLFW's exports to the real DLL, renamed
# glfwreal.dll beside it, but glfwGetProcAddress and glfwSwapBuffers (tools/glfw_fault_proxy.cpp). The forwards are written from the real DLL's
# export table, so they follow whichever GLFW the build uses.
execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${JAGGO_GLFW_WINDOWS_DIR}/glfw3.dll OUTPUT_VARIABLE glfw_dump
                COMMAND_ERROR_IS_FATAL ANY)
# An export's line: "[  2] glfwCreateWindow", or with binutils 2.44 "[  2] +base[  3]  0002 glfwCreateWindow".
string(REGEX MATCHALL "\\[ *[0-9]+\\][^\n]* glfw[A-Za-z0-9_]+" glfw_exports "${glfw_dump}")
list(LENGTH glfw_exports glfw_export_count)
if(glfw_export_count LESS 20)  # a proxy without GLFW's functions would leave the program unloadable
  message(FATAL_ERROR "read only ${glfw_export_count} exports from ${JAGGO_GLFW_WINDOWS_DIR}/glfw3.dll with ${CMAKE_OBJDUMP}")
endif()
set(glfw_proxied glfwGetProcAddress glfwSwapBuffers)
list(JOIN glfw_proxied "\n  " glfw_def)
set(glfw_def "LIBRARY glfw3.dll\nEXPORTS\n  ${glfw_def}\n")
foreach(entry IN LISTS glfw_exports)
  string(REGEX REPLACE ".* " "" name "${entry}")
  if(NOT name IN_LIST glfw_proxied)
    string(APPEND glfw_def "  ${name} = glfwreal.${name}\n")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/glfw_fault_proxy.def CONTENT "${glfw_def}")
add_library(glfw_fault_proxy SHARED tools/glfw_fault_proxy.cpp ${CMAKE_CURRENT_BINARY_DIR}/glfw_fault_proxy.def)
target_link_libraries(glfw_fault_proxy PRIVATE jaggo::flags)
set_target_properties(glfw_fault_proxy PROPERTIES PREFIX "")

set(wine_prefix ${PROJECT_BINARY_DIR}/wine-prefix)
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
list(APPEND JAGGO_TEST_ENV
  "WINEPREFIX=${wine_prefix}"
  "WINEDEBUG=-all"
  "JAGGO_EMULATOR=${emulator}"
  "WGL_PROBE=$<TARGET_FILE:wgl_probe>"
  "GLFW_FAULT_PROXY=$<TARGET_FILE:glfw_fault_proxy>")

# The first Wine start fills the prefix (and says so on standard error): done
# once, before any test, so no two tests set it up at the same time. It also
# starts Wine's service processes, which outlive it: they get no pipe of
# CTest's to hold open. Wine's server is ended after the last test.
add_test(NAME wine_prefix COMMAND sh -c "\"$0\" wineboot --init </dev/null >wine-prefix.log 2>&1 || { cat wine-prefix.log; exit 1; }"
                                        ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine_server_end COMMAND sh -c "wineserver -k || true")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_server_end PROPERTIES FIXTURES_CLEANUP wine_prefix)

add_test(NAME process_command_line
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/process/test_command_line.py
          CommandLine.test_help_prints_usage_and_succeeds CommandLine.test_bad_options_print_usage_and_fail)
set_tests_properties(process_command_line PROPERTIES LABELS process)

add_test(NAME window_wine COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/window/test_wine.py)
set_tests_properties(window_wine PROPERTIES LABELS window SKIP_RETURN_CODE 77 TIMEOUT 300)

# The ZIP: built by CPack into the test's own folder, unpacked and run.
add_test(NAME package_zip COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/test_zip.sh ${PROJECT_BINARY_DIR} ${emulator})
set_tests_properties(package_zip PROPERTIES LABELS package SKIP_RETURN_CODE 77 TIMEOUT 300)

get_property(jaggo_all_tests DIRECTORY PROPERTY TESTS)
foreach(test IN LISTS jaggo_all_tests)
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${JAGGO_TEST_ENV}")
  if(NOT test MATCHES "^wine_")
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  endif()
endforeach()
