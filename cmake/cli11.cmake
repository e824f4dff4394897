# CLI11 for the command-line programs: header-only, from Debian's
# libcli11-dev. The headers are copied into the build tree and seen as
# <CLI/...>, so the Linux include folder never reaches the cross compiler's
# path. Link `cli11_headers` to use them.
set(VELUMBRA_CLI11_DIR /usr/include/CLI)
if(NOT EXISTS ${VELUMBRA_CLI11_DIR}/CLI.hpp)
  message(FATAL_ERROR "CLI11 headers missing (libcli11-dev): run scripts/bootstrap.sh")
endif()
set(VELUMBRA_CLI11_INCLUDE ${CMAKE_BINARY_DIR}/cli11-include)
file(GLOB_RECURSE VELUMBRA_CLI11_HEADERS RELATIVE ${VELUMBRA_CLI11_DIR} ${VELUMBRA_CLI11_DIR}/*.hpp)
foreach(header ${VELUMBRA_CLI11_HEADERS})
  configure_file(${VELUMBRA_CLI11_DIR}/${header} ${VELUMBRA_CLI11_INCLUDE}/CLI/${header} COPYONLY)
endforeach()
add_library(cli11_headers INTERFACE)
target_include_directories(cli11_headers SYSTEM INTERFACE ${VELUMBRA_CLI11_INCLUDE})
