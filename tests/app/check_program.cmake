# Runs a program and checks its exit status and what it wrote.
#   cmake -DPROGRAM=p "-DARGS=a;b" -DSTATUS=n -DOUT=regex -DERR=regex -P check_program.cmake
# OUT and ERR must match the whole of each stream; an unset one must be empty.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} ${ARGS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
set(failures)
if(NOT status STREQUAL STATUS)
  list(APPEND failures "exit status ${status}, expected ${STATUS}")
endif()
foreach(stream out err)
  string(TOUPPER ${stream} name)
  if(NOT DEFINED ${name})
    set(${name} "")
  endif()
  if(NOT "${${stream}}" MATCHES "^${${name}}$")
    list(APPEND failures "standard ${stream}put:\n${${stream}}does not match:\n${${name}}")
  endif()
endforeach()
if(failures)
  list(JOIN failures "\n" failures)
  message(FATAL_ERROR "${PROGRAM} ${ARGS}:\n${failures}")
endif()
