# Which libraries the runner loads: the picture module (and with it Qt) only
# when a picture is asked for (--canvas) or a program asks a question that
# only real fonts answer. Run with -DRUNNER=... -DCASES=<folder> -DWORKDIR=...
# The dynamic loader lists every library it opens when LD_DEBUG=files is set.

function(loaded_libraries out program)
  file(MAKE_DIRECTORY "${WORKDIR}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=files QT_QPA_PLATFORM=offscreen "${RUNNER}" ${ARGN} "${program}"
    WORKING_DIRECTORY "${WORKDIR}"
    OUTPUT_VARIABLE output ERROR_VARIABLE trace RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} ${ARGN}: exit ${status}\n${output}")
  endif()
  set(${out} "${trace}" PARENT_SCOPE)
endfunction()

function(expect_no_qt program)
  loaded_libraries(trace "${program}" ${ARGN})
  if(trace MATCHES "libQt6|morvane-picture")
    string(REGEX MATCH "[^\n]*(libQt6|morvane-picture)[^\n]*" line "${trace}")
    message(FATAL_ERROR "${program} ${ARGN} loaded the picture machinery:\n${line}")
  endif()
endfunction()

function(expect_qt program)
  loaded_libraries(trace "${program}" ${ARGN})
  if(NOT trace MATCHES "morvane-picture")
    message(FATAL_ERROR "${program} ${ARGN} did not load the picture module")
  endif()
endfunction()

expect_no_qt("${CASES}/no_drawing.bas")
expect_no_qt("${CASES}/shapes_only.bas")
if(PICTURES)
  expect_qt("${CASES}/shapes_only.bas" --canvas "${WORKDIR}/shapes.png")
endif()
