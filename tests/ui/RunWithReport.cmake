# Runs a window test on Windows and shows its report. Without a console a
# Windows program's test report goes to the debugger, so it is written to a
# file and printed from there.
# cmake -DEMULATOR=... -DTEST=... -DREPORT=... -P RunWithReport.cmake
execute_process(COMMAND ${EMULATOR} ${TEST} -o ${REPORT},txt RESULT_VARIABLE result)
if(EXISTS ${REPORT})
  file(READ ${REPORT} report)
  message("${report}")
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST} failed (${result})")
endif()
