# The MinGW cross toolchain shared by both Windows presets: the including
# file sets VELUMBRA_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR. The -posix
# compilers, whose threads the tests use. Tests and benchmarks run through
# Wine, which wine-run.sh picks by the program's architecture.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VELUMBRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELUMBRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELUMBRA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELUMBRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
