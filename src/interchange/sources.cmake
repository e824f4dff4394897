# The interchange sources, part of the platform-free core; paths relative to
# src/, for example interchange/ggr_format.cpp.
set(VELUMBRA_INTERCHANGE_SOURCES
  interchange/css_color.cpp
  interchange/css_format.cpp
  interchange/css_syntax.cpp
  interchange/stop_ramp.cpp
  interchange/svg_format.cpp
)
