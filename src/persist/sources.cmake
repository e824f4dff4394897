# Velumbra's own bytes: gradation records, .grd files, the project block;
# paths relative to src/. The file seam under them has one source per system.
set(VELUMBRA_PERSIST_SOURCES
  persist/builtin_presets.cpp
  persist/gradation_bytes.cpp
  persist/gradation_file.cpp
  persist/project_block.cpp
  persist/whole_file.cpp
)
set(VELUMBRA_PERSIST_WIN32_SOURCES persist/file_system_win32.cpp)
set(VELUMBRA_PERSIST_POSIX_SOURCES persist/file_system_posix.cpp)
