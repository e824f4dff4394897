# VELUMBRA_VERSION, the version the programs, the version resources and the
# package name carry: the project's version, plus "+g" and the short commit
# ID unless HEAD is tagged v<version> (1.0.0+g1a2b3c4). "+" is valid in file
# names on Windows and Linux. Without git (a source tarball) the plain version.
set(VELUMBRA_VERSION ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE velumbra_git_top OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE velumbra_git_status ERROR_QUIET)
  # Only this project's own repository counts, not one it was unpacked into.
  file(REAL_PATH "${PROJECT_SOURCE_DIR}" velumbra_source_real)
  if(velumbra_git_status EQUAL 0)
    file(REAL_PATH "${velumbra_git_top}" velumbra_git_top)
  endif()
  if(velumbra_git_status EQUAL 0 AND velumbra_git_top STREQUAL velumbra_source_real)
    execute_process(COMMAND ${GIT_EXECUTABLE} tag --points-at HEAD
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE velumbra_git_tags OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REPLACE "\n" ";" velumbra_git_tags "${velumbra_git_tags}")
    if(NOT "v${PROJECT_VERSION}" IN_LIST velumbra_git_tags)
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=7 HEAD
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE velumbra_git_commit OUTPUT_STRIP_TRAILING_WHITESPACE)
      set(VELUMBRA_VERSION ${PROJECT_VERSION}+g${velumbra_git_commit})
    endif()
  endif()
endif()
message(STATUS "Velumbra version ${VELUMBRA_VERSION}")
