# Included by ctest for each test program (TEST_INCLUDE_FILES): lists the
# program's cases (again only when the program changed) and registers one
# entry per case, so that each case, and each row of a parameterised table,
# passes or fails on its own.
#
# ISOLATED programs run each case in a process of its own. The others run
# once (the entry PROGRAM, which keeps one simulator per suite as the program
# was written for, or per shard of the cases), and each case's entry reads its
# result from that run's reports; PROGRAM.exit fails when the program itself
# ended badly (a leak found at exit, a crash).
set(listing "${QG_RESULTS}.cases")
if(NOT EXISTS "${listing}" OR "${QG_PROGRAM}" IS_NEWER_THAN "${listing}")
  # Through `cmake -E env`: what ctest's own environment holds (leak
  # checking on) must reach the tests unchanged.
  execute_process(COMMAND "${QG_CMAKE}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "${QG_PROGRAM}"
                          --gtest_list_tests OUTPUT_VARIABLE output RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(WARNING "${QG_PROGRAM} --gtest_list_tests failed (${status})")
  endif()
  set(cases "")
  string(REPLACE "\n" ";" lines "${output}")
  set(suite "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ #][^ ]*)\\.( |$)")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ ]+)")
      list(APPEND cases "${suite}.${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(status EQUAL 0)
    file(WRITE "${listing}" "${cases}")
  endif()
else()
  file(READ "${listing}" cases)
endif()

# A program that lists no case (it failed to start) still runs, and fails.
if(QG_ISOLATED AND NOT cases STREQUAL "")
  foreach(case IN LISTS cases)
    add_test("${QG_NAME}.${case}" "${QG_PROGRAM}" "--gtest_filter=${case}")
    set_tests_properties("${QG_NAME}.${case}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600
                         SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  endforeach()
  return()
endif()

add_test("${QG_NAME}" "${QG_CMAKE}" "-DPROGRAM=${QG_PROGRAM}" "-DRESULTS=${QG_RESULTS}" "-DSHARDS=${QG_SHARDS}" -P
         "${QG_SCRIPTS}/RunGTestProgram.cmake")
set_tests_properties("${QG_NAME}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600
                     FIXTURES_SETUP "${QG_NAME}")
foreach(case IN LISTS cases ITEMS exit)
  string(REGEX MATCH "^([^.]+)\\.(.+)$" parts "${case}")
  if(parts)
    set(where "-DSUITE=${CMAKE_MATCH_1}" "-DCASE=${CMAKE_MATCH_2}")
  else()
    set(where "")
  endif()
  add_test("${QG_NAME}.${case}" "${QG_CMAKE}" "-DRESULTS=${QG_RESULTS}" ${where} -P
           "${QG_SCRIPTS}/CheckGTestCase.cmake")
  set_tests_properties("${QG_NAME}.${case}" PROPERTIES FIXTURES_REQUIRED "${QG_NAME}" SKIP_REGULAR_EXPRESSION
                       "GoogleTest case skipped")
endforeach()
