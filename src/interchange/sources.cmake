# The interchange sources, part of the platform-free core; paths relative to
# src/, for example interchange/ggr_format.cpp.
set(VELUMBRA_INTERCHANGE_SOURCES
  interchange/action_descriptor.cpp
  interchange/checked_export.cpp
  interchange/color_models.cpp
  interchange/css_color.cpp
  interchange/css_format.cpp
  interchange/css_syntax.cpp
  interchange/fit_tolerance.cpp
  interchange/fitting.cpp
  interchange/format_detection.cpp
  interchange/ggr_format.cpp
  interchange/gradient_formats.cpp
  interchange/gradient_files.cpp
  interchange/ggr_segments.cpp
  interchange/grd8_format.cpp
  interchange/linear_export.cpp
  interchange/stop_ramp.cpp
  interchange/svg_format.cpp
  interchange/utf8_text.cpp
)
# Pictures and the gradient maps and strips made from them: in the core, but
# apart from the list above, which the fuzz targets build without stb.
set(VELUMBRA_PICTURE_SOURCES
  interchange/gradient_strip.cpp
  interchange/picture_file.cpp
  interchange/tone_map.cpp
)
