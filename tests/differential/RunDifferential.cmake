# Runs every golden program, every example and every typed-command test
# through both engines, with the clock fixed, and compares standard output,
# exit status and the canvas log byte for byte. A difference is a fault of
# the fast engine: the literal engine defines the behaviour.
#   cmake -DRUNNER=... -DSOURCE_DIR=... -DWORKDIR=... -P RunDifferential.cmake

file(GLOB_RECURSE cases RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/tests/programs/*.bas" "${SOURCE_DIR}/tests/programs/*.cmd" "${SOURCE_DIR}/examples/*.bas")
# Programs that run until they are interrupted are the interruption test's
# own (tests/programs/interrupt); here they would only run into the time limit.
list(FILTER cases EXCLUDE REGEX "^tests/programs/interrupt/")
list(SORT cases)

# Runs one case through one engine into WORKDIR/<engine>/<name>.
function(run_case case engine outvar statusvar)
  get_filename_component(dir "${SOURCE_DIR}/${case}" DIRECTORY)
  get_filename_component(name "${case}" NAME_WLE)
  get_filename_component(ext "${case}" LAST_EXT)
  if(case MATCHES "^examples/")
    set(dir "${SOURCE_DIR}/tests/programs/examples")
  endif()
  set(input "/dev/null")
  set(args "${SOURCE_DIR}/${case}")
  if(ext STREQUAL ".cmd")
    set(input "${SOURCE_DIR}/${case}")
    set(args "")
  elseif(EXISTS "${dir}/${name}.in")
    set(input "${dir}/${name}.in")
  endif()
  set(options "")
  if(EXISTS "${dir}/${name}.args")
    file(READ "${dir}/${name}.args" options)
    string(STRIP "${options}" options)
    separate_arguments(options UNIX_COMMAND "${options}")
  endif()
  # The drawing calls are compared too: into a file of their own unless the
  # case already puts them among its output.
  set(log "")
  if(NOT options MATCHES "--canvas-log")
    set(log --canvas-log canvas.log)
  endif()
  # Both engines run in the same fresh directory, so that paths a program
  # shows are the same; what a run leaves is kept under the engine's name.
  string(REPLACE "/" "_" key "${case}")
  set(run "${WORKDIR}/run")
  set(work "${WORKDIR}/${engine}/${key}")
  file(REMOVE_RECURSE "${run}" "${work}")
  file(MAKE_DIRECTORY "${run}" "${WORKDIR}/${engine}")
  execute_process(
    COMMAND "${RUNNER}" --engine=${engine} --fixed-clock ${options} ${log} ${args}
    WORKING_DIRECTORY "${run}"
    INPUT_FILE "${input}"
    OUTPUT_FILE "${run}/stdout"
    ERROR_QUIET
    RESULT_VARIABLE status
    TIMEOUT 60)
  file(RENAME "${run}" "${work}")
  set(${outvar} "${work}" PARENT_SCOPE)
  set(${statusvar} "${status}" PARENT_SCOPE)
endfunction()

set(failures "")
list(LENGTH cases count)
foreach(case IN LISTS cases)
  run_case("${case}" literal literal literal_status)
  run_case("${case}" fast fast fast_status)
  if(NOT literal_status STREQUAL fast_status)
    list(APPEND failures "${case}: exit status ${fast_status}, literal ${literal_status}")
  endif()
  foreach(file stdout canvas.log)
    if(EXISTS "${literal}/${file}" OR EXISTS "${fast}/${file}")
      execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${literal}/${file}" "${fast}/${file}"
                      RESULT_VARIABLE different)
      if(different)
        list(APPEND failures "${case}: ${file} differs (${literal} and ${fast})")
      endif()
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "The engines disagree:\n${text}")
endif()
message(STATUS "${count} cases: both engines agree")
