# velumbra.exe under Wine: it starts, says its version, and converts one file
# into one the native build's tests have shown to be right in every other way.
# cmake -DWINE_RUN=... -DPROGRAM=velumbra.exe -DINPUT=pack.svg -DWORK=dir -P wine_check.cmake
# INPUT holds a gradient named "dusk".
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

execute_process(COMMAND ${WINE_RUN} ${PROGRAM} --version
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT status EQUAL 0 OR NOT out MATCHES "^velumbra [0-9]")
  message(FATAL_ERROR "--version: status ${status}, output '${out}', errors '${err}'")
endif()

execute_process(COMMAND ${WINE_RUN} ${PROGRAM} convert Z:${INPUT} Z:${WORK}/out.ggr --name dusk
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/out.ggr)
  message(FATAL_ERROR "convert: status ${status}, output '${out}', errors '${err}'")
endif()
file(READ ${WORK}/out.ggr ggr)
if(NOT ggr MATCHES "^GIMP Gradient\nName: dusk\n[0-9]+\n")
  message(FATAL_ERROR "convert wrote no GIMP gradient named dusk:\n${ggr}")
endif()
message(STATUS "velumbra.exe said its version and converted ${INPUT}")
