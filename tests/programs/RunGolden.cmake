# Runs one golden test: the runner on NAME.bas (or, for NAME.cmd, the runner
# with the commands on standard input), compares standard output with
# NAME.out byte for byte and the exit status with NAME.status (0 if absent).
# Standard input comes from NAME.in when it exists.
#   cmake -DRUNNER=... -DCASE=dir/NAME.bas -DWORKDIR=... -P RunGolden.cmake

# The expectations lie beside the case, or in EXPECTED_DIR when the case is a
# program kept elsewhere (the examples).
get_filename_component(dir "${CASE}" DIRECTORY)
if(DEFINED EXPECTED_DIR)
  set(dir "${EXPECTED_DIR}")
endif()
get_filename_component(name "${CASE}" NAME_WLE)
get_filename_component(ext "${CASE}" LAST_EXT)

set(input "/dev/null")
if(ext STREQUAL ".cmd")
  set(input "${CASE}")
  set(args "")
elseif(EXISTS "${dir}/${name}.in")
  set(input "${dir}/${name}.in")
  set(args "${CASE}")
else()
  set(args "${CASE}")
endif()

set(options "")
if(EXISTS "${dir}/${name}.args")
  file(READ "${dir}/${name}.args" options)
  string(STRIP "${options}" options)
  separate_arguments(options UNIX_COMMAND "${options}")
endif()

# Every run starts in a fresh, empty working directory.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
execute_process(
  COMMAND "${RUNNER}" ${options} ${args}
  WORKING_DIRECTORY "${WORKDIR}"
  INPUT_FILE "${input}"
  OUTPUT_FILE "${WORKDIR}/${name}.actual"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)

set(expected_status 0)
if(EXISTS "${dir}/${name}.status")
  file(READ "${dir}/${name}.status" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E compare_files "${dir}/${name}.out" "${WORKDIR}/${name}.actual"
  RESULT_VARIABLE different)
if(different)
  file(READ "${WORKDIR}/${name}.actual" actual)
  file(READ "${dir}/${name}.out" expected)
  message(FATAL_ERROR "Output differs.\n--- expected\n${expected}\n--- actual\n${actual}\n--- stderr\n${errors}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "Exit status ${status}, expected ${expected_status}.\n${errors}")
endif()
