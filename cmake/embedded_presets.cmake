# velumbra_embedded_presets(VAR): sets VAR to the C++ source of the built-in
# presets, written from presets/*.grd (by embed_presets.cmake) at build time
# into the current binary folder; a preset added there is picked up at the
# next build.
function(velumbra_embedded_presets var)
  file(GLOB preset_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/presets/*.grd)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_presets.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${PROJECT_SOURCE_DIR}/presets -DOUTPUT=${output}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_presets.cmake
    DEPENDS ${preset_files} ${PROJECT_SOURCE_DIR}/cmake/embed_presets.cmake
    VERBATIM)
  set(${var} ${output} PARENT_SCOPE)
endfunction()
