# The interchange sources, part of the platform-free core; paths relative to
# src/, for example interchange/ggr_format.cpp.
set(VELUMBRA_INTERCHANGE_SOURCES
  interchange/fit_tolerance.cpp
  interchange/fitting.cpp
  interchange/ggr_format.cpp
  interchange/ggr_segments.cpp
  interchange/linear_export.cpp
)
