# The Lua module; paths relative to src/. Its functions are platform-free.
# The Lua runtime is reached either through a library linked directly (the
# native module, the tests and the benchmarks) or, in the shipped Windows
# library, through a lazy binding to the runtime already in the process.
set(VELUMBRA_LUA_SOURCES
  lua/gradation_functions.cpp
  lua/image_functions.cpp
  lua/module_entry.cpp
  lua/script_arguments.cpp
)
set(VELUMBRA_LUA_LINKED_SOURCES lua/lua_runtime_linked.cpp)
set(VELUMBRA_LUA_WIN32_SOURCES lua/lua_binding_win32.cpp lua/lua_runtime_win32.cpp)
