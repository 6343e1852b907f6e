# Ctrl-C during a run: the runner gets SIGINT a moment after it started and
# must end the run as interrupted. The programs run for hours (a PRINT line
# that recurses without passing a loop head, an endless loop), so the run
# ends only if the driver yields inside them; otherwise it is killed after a
# minute and the test fails.
#   cmake -DRUNNER=... -DCASE=deep_recursion.bas -P RunInterrupted.cmake
execute_process(
  COMMAND timeout --preserve-status --kill-after=60 --signal=INT 1 "${RUNNER}" "${CASE}"
  INPUT_FILE /dev/null
  OUTPUT_VARIABLE output
  RESULT_VARIABLE status)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, not 1 (interrupted); output:\n${output}")
endif()
string(FIND "${output}" "Execution interrupted!" found)
if(found EQUAL -1)
  message(FATAL_ERROR "no \"Execution interrupted!\" in the output:\n${output}")
endif()
