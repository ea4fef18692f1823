# Re-runs the table generator into OUTPUT and fails unless it matches EXPECTED byte for byte.
# Usage: cmake -DPYTHON=... -DGENERATOR=... -DOUTPUT=... -DEXPECTED=... -P CheckGeneratedTables.cmake
execute_process(COMMAND "${PYTHON}" "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed (${result})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}" RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} differs from what ${GENERATOR} writes; re-run the generator and commit its output")
endif()
