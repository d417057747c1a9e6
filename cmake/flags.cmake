# jaggo: the compiler flags every project target shares, as the interface target jaggo::flags.
# Each flag is given only to the compilers that know it; the fuzz target adds only the engine.
add_library(jaggo_flags INTERFACE)
add_library(jaggo::flags ALIAS jaggo_flags)

set(jaggo_gcc_like "$<CXX_COMPILER_ID:GNU,Clang,AppleClang>")
target_compile_options(jaggo_flags INTERFACE
  "$<${jaggo_gcc_like}:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wsign-conversion;-Wold-style-cast;-Wnon-virtual-dtor;-Wcast-qual;-Wformat=2>"
  "$<$<CXX_COMPILER_ID:MSVC>:/W4;/permissive->")
if(JAGGO_WERROR)
  target_compile_options(jaggo_flags INTERFACE "$<${jaggo_gcc_like}:-Werror>" "$<$<CXX_COMPILER_ID:MSVC>:/WX>")
endif()

if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # mingw-w64: the C and C++ runtimes linked in, so programs need no DLL but Windows' own and GLFW's.
  target_link_options(jaggo_flags INTERFACE -static)
endif()

if(JAGGO_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang|AppleClang)$")
    message(FATAL_ERROR "JAGGO_SANITIZE needs GCC or Clang, not ${CMAKE_CXX_COMPILER_ID}")
  endif()
  target_compile_options(jaggo_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(jaggo_flags INTERFACE -fsanitize=address,undefined)
endif()

# libFuzzer's coverage in every project target, so the fuzzer sees the loader's
# branches; the fuzz target alone links the engine (tests/fuzz.cmake). Fuzzing
# without the sanitizers would find crashes only.
if(JAGGO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang" OR NOT JAGGO_SANITIZE)
    message(FATAL_ERROR "JAGGO_FUZZ needs Clang and JAGGO_SANITIZE (the fuzz preset sets both)")
  endif()
  target_compile_options(jaggo_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()
