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
# Every shard reports every case; a case it left to another goes from its
# report, so that each case is reported once, by the shard that ran it (and
# not at all when that shard ended before writing its report).
function(drop_cases_left_to_another_shard path)
  file(READ "${path}" report)
  set(kept "")
  string(FIND "${report}" "<testcase " at)
  while(at GREATER_EQUAL 0)
    string(SUBSTRING "${report}" 0 ${at} before)
    string(APPEND kept "${before}")
    string(SUBSTRING "${report}" ${at} -1 report)
    string(REGEX MATCH "^<testcase [^>]*/>" closed "${report}")
    if(closed)
      string(LENGTH "${closed}" end)
    else()
      string(FIND "${report}" "</testcase>" end)
      math(EXPR end "${end} + 11")
    endif()
    string(SUBSTRING "${report}" 0 ${end} case)
    string(SUBSTRING "${report}" ${end} -1 report)
    string(FIND "${case}" "left to another shard" left)
    if(left LESS 0)
      string(APPEND kept "${case}")
    endif()
    string(FIND "${report}" "<testcase " at)
  endwhile()
  string(APPEND kept "${report}")
  file(WRITE "${path}" "${kept}")
endfunction()

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
  set(report "${RESULTS}/report-${shard}.xml")
  if(EXISTS "${report}")
    drop_cases_left_to_another_shard("${report}")
  endif()
endforeach()
file(WRITE "${RESULTS}/status" "${status}")
