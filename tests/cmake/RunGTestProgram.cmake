# cmake -DPROGRAM=... -DRESULTS=DIR -P RunGTestProgram.cmake: runs a test
# program once, writing GoogleTest's XML report and the program's exit status
# into DIR, and always succeeds: the entries of its cases and of its exit
# status (CheckGTestCase.cmake) pass or fail on their own.
file(REMOVE_RECURSE "${RESULTS}")
file(MAKE_DIRECTORY "${RESULTS}")
execute_process(COMMAND "${PROGRAM}" "--gtest_output=xml:${RESULTS}/report.xml" RESULT_VARIABLE status)
file(WRITE "${RESULTS}/status" "${status}")
