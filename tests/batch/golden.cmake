# Runs the batch tool on INPUT and compares standard output and standard
# error byte for byte with EXPECTED_OUT and EXPECTED_ERR; EXPECTED_STATUS is
# "zero" or "nonzero"; ARGS, if given, the tool's arguments.
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(
    COMMAND ${BATCH} ${args}
    INPUT_FILE ${INPUT}
    OUTPUT_FILE ${WORK}.out
    ERROR_FILE ${WORK}.err
    RESULT_VARIABLE status)
if(EXPECTED_STATUS STREQUAL "zero" AND NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}, expected 0")
endif()
if(EXPECTED_STATUS STREQUAL "nonzero" AND status EQUAL 0)
    message(FATAL_ERROR "exit status 0, expected non-zero")
endif()
foreach(stream out err)
    string(TOUPPER ${stream} upper)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}.${stream} ${EXPECTED_${upper}}
        RESULT_VARIABLE differ)
    if(differ)
        file(READ ${WORK}.${stream} got)
        message(FATAL_ERROR "standard ${stream} differs from ${EXPECTED_${upper}}:\n${got}")
    endif()
endforeach()
