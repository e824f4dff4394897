# Pixel work on whole images; paths relative to src/. The band helpers run
# the bands on the system thread pool on Windows, on std::thread elsewhere.
set(VELUMBRA_IMAGE_SOURCES
  image/gradient_rows.cpp
  image/image_passes.cpp
  image/luminance_remap.cpp
  image/row_bands.cpp
  image/simd_dispatch.cpp
)
set(VELUMBRA_IMAGE_WIN32_SOURCES image/band_helpers_win32.cpp)
set(VELUMBRA_IMAGE_THREADS_SOURCES image/band_helpers_threads.cpp)
