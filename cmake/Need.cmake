# need(<variable> <option> <package>) stops the configure step when <variable> is false, with
# the Debian package that <option> needs.
function(need found option package)
  if(NOT ${found})
    message(FATAL_ERROR "${option} needs Debian's ${package}: install it, or turn ${option} off")
  endif()
endfunction()
