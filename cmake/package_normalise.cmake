# CPack post-build script: the same commit gives the same zip. CMake 3.25's
# ZIP writer takes each entry's times (the inode change time too, which no
# one can set) and owner from the staged files, in directory order;
# strip-nondeterminism sorts the entries and gives them one time (the
# commit's, or SOURCE_DATE_EPOCH's), owner 0 and mode 644 or 755.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  set(epoch ${CPACK_VELUMBRA_SOURCE_DATE_EPOCH})
endif()
find_program(STRIP_NONDETERMINISM strip-nondeterminism)
if(NOT STRIP_NONDETERMINISM)
  message(FATAL_ERROR "strip-nondeterminism missing: run scripts/bootstrap.sh")
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  # The entries' DOS times are local times: UTC, whatever the machine's zone.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
    ${STRIP_NONDETERMINISM} --type zip --timestamp ${epoch} ${package}
    COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS "entries sorted and dated @${epoch}: ${package}")
endforeach()
