cmake_minimum_required(VERSION 3.21)
# The committed presets/ must be exactly what the generator writes: run it
# into WORK and compare every file byte for byte. The SVG sources it leaves
# in WORK/sources are what preset_tests checks the fit against.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND python3 ${GENERATOR} --velumbra ${VELUMBRA} --colormaps ${COLORMAPS}
                        --out ${WORK}/presets --sources ${WORK}/sources
                RESULT_VARIABLE status)
if(status EQUAL 77)
  message(STATUS "SKIPPED: no colour map tables (run scripts/bootstrap.sh)")
  return()
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()

file(GLOB generated RELATIVE ${WORK}/presets ${WORK}/presets/*)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "the generator writes\n  ${generated}\nbut ${COMMITTED} holds\n  ${committed}")
endif()
foreach(name IN LISTS generated)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/presets/${name}
                          ${COMMITTED}/${name} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED}/${name} differs from the generator's ${WORK}/presets/${name}; "
                        "regenerate with make presets")
  endif()
endforeach()
list(LENGTH generated count)
message(STATUS "the ${count} generated preset files match")
