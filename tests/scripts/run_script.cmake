# Runs one script test: a fresh data folder, a fixed seed and date; fails unless the script ends with status 0.
file(REMOVE_RECURSE ${DATA})
file(MAKE_DIRECTORY ${DATA})
set(extra)
if(MODE STREQUAL "widgets")
    set(extra --widgets)
endif()
execute_process(
    COMMAND ${TALLYVEX} --script ${SCRIPT} --data-dir ${DATA} --seed 1 --date 2026-05-01 ${extra}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE transcript
    ERROR_VARIABLE errors)
message("${transcript}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "script failed (status ${status}):\n${errors}")
endif()
