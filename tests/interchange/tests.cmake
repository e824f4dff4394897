# Native tests of the interchange readers, writers and fitting; paths relative
# to tests/, for example interchange/ggr_format_test.cpp.
set(VELUMBRA_INTERCHANGE_TESTS
  interchange/css_color_test.cpp
  interchange/css_format_test.cpp
  interchange/fitting_test.cpp
  interchange/format_detection_test.cpp
  interchange/ggr_format_test.cpp
  interchange/gradient_files_test.cpp
  interchange/grd8_format_test.cpp
  interchange/svg_format_test.cpp
)
# The real gradients scripts/bootstrap.sh unpacks from Debian's gimp-data.
set_source_files_properties(interchange/ggr_format_test.cpp PROPERTIES COMPILE_DEFINITIONS
  VELUMBRA_GIMP_GRADIENTS="${PROJECT_SOURCE_DIR}/.deps/gimp-gradients")
