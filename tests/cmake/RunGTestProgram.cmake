# cmake -DPROGRAM=... -DRESULTS=DIR [-DSHARDS=N] -P RunGTestProgram.cmake:
# runs a test program once, writing GoogleTest's XML report and the program's
# exit status into DIR, and always succeeds: the entries of its cases and of
# its exit status (CheckGTestCase.cmake) pass or fail on their own. With
# SHARDS above 1 the program runs as that many processes at once, each with a
# report of its own; each case runs in the first process that is free to take
# it (QgShardClaim, through the directory QG_SHARD_CLAIMS), so that a long
# case holds up one process only. The status is the first failed shard's;
# each shard's output follows the others'.
file(REMOVE_RECURSE "${RESULTS}")
file(MAKE_DIRECTORY "${RESULTS}")
if(NOT SHARDS OR SHARDS LESS 2)
  execute_process(COMMAND "${PROGRAM}" "--gtest_output=xml:${RESULTS}/report.xml" RESULT_VARIABLE status)
  file(WRITE "${RESULTS}/status" "${status}")
  return()
endif()
# One shell starts the shards in the background and waits for each.
file(MAKE_DIRECTORY "${RESULTS}/claims")
set(script "pids=''\nexport QG_SHARD_CLAIMS=\"$1/claims\"\n")
math(EXPR last "${SHARDS} - 1")
foreach(shard RANGE ${last})
  string(APPEND script "\"$0\" "
         "--gtest_output=xml:\"$1/report-${shard}.xml\" >\"$1/output-${shard}\" 2>&1 &\npids=\"$pids $!\"\n")
endforeach()
string(APPEND script "status=0\nfor pid in $pids; do wait $pid; code=$?; [ $status -ne 0 ] || status=$code; done\n"
       "exit $status\n")
execute_process(COMMAND sh -c "${script}" "${PROGRAM}" "${RESULTS}" RESULT_VARIABLE status)
foreach(shard RANGE ${last})
  file(READ "${RESULTS}/output-${shard}" output)
  message("---- shard ${shard} of ${SHARDS}\n${output}")
endforeach()
file(WRITE "${RESULTS}/status" "${status}")
