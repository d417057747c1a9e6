# jaggo: jaggo_library(NAME SOURCES... [DEPENDS targets...]) makes the folder's static library,
# jaggo::NAME, from the CMakeLists.txt of that folder.
#
# Headers are included by their folder, as "gl_loader/gl.h". Each library gets an
# include root of its own in the build tree that holds its folder alone (a link to
# it), and passes that root on to what links it. So a file can include a folder
# only if its target depends on that folder's library: the dependencies stay one
# way (app -> gl_loader, options, matrix, decimal) because nothing else compiles.
function(jaggo_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  add_library(jaggo_${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  add_library(jaggo::${name} ALIAS jaggo_${name})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(jaggo_${name} PUBLIC $<BUILD_INTERFACE:${root}>)
  target_link_libraries(jaggo_${name} PUBLIC jaggo::flags ${ARG_DEPENDS})
endfunction()
