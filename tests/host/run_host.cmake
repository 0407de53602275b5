# run_host.cmake: runs rividi-host once and checks its exit status and output.
#   HOST, EMULATOR (may be empty), MODULE (passed as --module), ARGS ("|" between arguments),
#   EXIT (expected status), EXPECTED (a file the whole standard output must equal), STDOUT_HAS,
#   STDOUT_LACKS, STDERR_HAS ("|" between literal texts), SOURCE_DIR.
# In the output, SOURCE_DIR reads as <src> and MODULE as <module>.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EMULATOR} "${HOST}" --module "${MODULE}" ${args}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 100)

foreach(stream IN ITEMS out err)
  string(REPLACE "${MODULE}" "<module>" ${stream} "${${stream}}")
  string(REPLACE "${SOURCE_DIR}" "<src>" ${stream} "${${stream}}")
endforeach()

set(problems "")
if(NOT "${status}" STREQUAL "${EXIT}")
  string(APPEND problems "exit status ${status}, expected ${EXIT}\n")
endif()
if(EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT out STREQUAL expected)
    string(APPEND problems "standard output differs from ${EXPECTED}\n")
  endif()
endif()
foreach(check IN ITEMS STDOUT_HAS STDOUT_LACKS STDERR_HAS)
  string(REPLACE "|" ";" texts "${${check}}")
  set(stream "${out}")
  if(check STREQUAL "STDERR_HAS")
    set(stream "${err}")
  endif()
  foreach(text IN LISTS texts)
    string(FIND "${stream}" "${text}" at)
    if(check STREQUAL "STDOUT_LACKS" AND NOT at EQUAL -1)
      string(APPEND problems "standard output holds: ${text}\n")
    elseif(NOT check STREQUAL "STDOUT_LACKS" AND at EQUAL -1)
      string(APPEND problems "${check}: missing: ${text}\n")
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "${problems}--- standard output:\n${out}--- standard error:\n${err}")
endif()
