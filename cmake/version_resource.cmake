# velumbra_version_resource(TARGET TYPE DESCRIPTION): gives a Windows program
# or library a version resource with VELUMBRA_VERSION. TYPE is VFT_APP or
# VFT_DLL.
function(velumbra_version_resource target type description)
  set(VELUMBRA_RC_FILETYPE ${type})
  set(VELUMBRA_RC_DESCRIPTION ${description})
  set(VELUMBRA_RC_NAME ${target})
  set(VELUMBRA_RC_FILENAME $<TARGET_FILE_NAME:${target}>)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in @ONLY)
  # The file name is known only at generation time.
  file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc
       INPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
