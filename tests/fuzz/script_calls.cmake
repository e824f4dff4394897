# What script_calls needs beyond the readers' core: the script face itself
# (module and image passes; the model, sampler included, is in the core) built into the target with the same
# instrumentation, Debian's liblua5.1 to call it through, and its hand-written
# seed programs. Included after velumbra_fuzzer(script_calls) has made the target.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LUA51 REQUIRED IMPORTED_TARGET lua5.1)
find_package(Threads REQUIRED)

foreach(folder lua image)
  include(${PROJECT_SOURCE_DIR}/src/${folder}/sources.cmake)
endforeach()
set(script_face_sources ${VELUMBRA_LUA_SOURCES} ${VELUMBRA_LUA_LINKED_SOURCES}
    ${VELUMBRA_IMAGE_SOURCES} ${VELUMBRA_IMAGE_THREADS_SOURCES})
list(TRANSFORM script_face_sources PREPEND ${PROJECT_SOURCE_DIR}/src/)
target_sources(script_calls_fuzzer PRIVATE ${script_face_sources})
target_compile_definitions(script_calls_fuzzer PRIVATE
  "VELUMBRA_EXPORT=__attribute__((visibility(\"default\")))")
target_link_libraries(script_calls_fuzzer PRIVATE PkgConfig::LUA51 Threads::Threads)

add_custom_command(OUTPUT ${VELUMBRA_FUZZ_SEEDS}/script_calls.copied
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/seeds/script_calls
          ${VELUMBRA_FUZZ_SEEDS}/script_calls
  COMMAND ${CMAKE_COMMAND} -E touch ${VELUMBRA_FUZZ_SEEDS}/script_calls.copied
  DEPENDS ${hand_written})
add_custom_target(script_calls_seeds ALL DEPENDS ${VELUMBRA_FUZZ_SEEDS}/script_calls.copied)
