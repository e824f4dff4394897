# Native tests of the interchange readers, writers and fitting; paths relative
# to tests/, for example interchange/ggr_format_test.cpp.
set(VELUMBRA_INTERCHANGE_TESTS
  interchange/css_color_test.cpp
  interchange/css_format_test.cpp
  interchange/svg_format_test.cpp
)
