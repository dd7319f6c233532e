# Regenerates the reference tables into OUT_DIR and fails when the committed
# ones differ, so that a change to the Python model or its case lists cannot
# leave the C++ tests checking against old numbers.
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/tests/reference/make_tables.py --out ${OUT_DIR}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_tables.py failed (${status})")
endif()
foreach(table reference_cases.inc reference_trace.inc)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/tests/solver/fivecharge/${table} ${OUT_DIR}/${table}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "tests/solver/fivecharge/${table} is stale: run python3 tests/reference/make_tables.py")
  endif()
endforeach()
