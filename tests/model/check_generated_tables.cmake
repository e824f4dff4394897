cmake_minimum_required(VERSION 3.21)
# The committed curve power tables must be exactly what the generator writes:
# run it and compare byte for byte.
execute_process(COMMAND python3 ${GENERATOR} --write ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} differs from the generator's output ${OUTPUT}; "
                      "regenerate it with tools/gen_curve_power_tables.py --write")
endif()
message(STATUS "the generated tables match")
