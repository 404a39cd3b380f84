find_program(GZIP gzip REQUIRED)

# install_gzipped(<file> <destination>) compresses <file> as Debian does, with gzip -9n (best
# compression, no name or time stamp, so the bytes depend on the content alone), and installs
# the result, <file name>.gz, in <destination>.
function(install_gzipped file destination)
  cmake_path(GET file FILENAME name)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND ${GZIP} -9nf ${copy}
    DEPENDS ${file}
    VERBATIM)
  add_custom_target(${name}.gz ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
