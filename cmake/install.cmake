# jaggo: what a plain `cmake --install` places: the two programs (cmake/program.cmake) and their
# manual pages in the component `runtime`, the licence in the component `license`. Nothing
# distribution-specific: debian/ holds what only the Debian package has.

# Directories the install creates get the usual 0755 whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# jaggo_gzip(SOURCE VARIABLE): a build-time copy of SOURCE compressed as Debian
# ships documentation (best, without name or time stamp, so it is reproducible);
# VARIABLE receives its path.
function(jaggo_gzip source variable)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/gz/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(jaggo_gz_${name} ALL DEPENDS ${copy}.gz)
  set(${variable} ${copy}.gz PARENT_SCOPE)
endfunction()

# The manual pages carry the project's version and the sources' date.
foreach(page jaggo jaggo-verdict)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  jaggo_gzip(${PROJECT_BINARY_DIR}/man/${page}.1 page_gz)
  install(FILES ${page_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
endforeach()
# The licence as written; the Debian package carries it as its copyright file instead.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT license)
