# jaggo: jaggo_install_program(TARGET) installs a program in the component `runtime`: into the
# binaries' folder, or on Windows at the package's top, beside glfw3.dll.
function(jaggo_install_program target)
  if(WIN32)
    install(TARGETS ${target} RUNTIME DESTINATION . COMPONENT runtime)
  else()
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
  endif()
endfunction()
