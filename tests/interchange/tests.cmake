# Native tests of the interchange readers, writers and fitting; paths relative
# to tests/, for example interchange/ggr_format_test.cpp.
set(VELUMBRA_INTERCHANGE_TESTS
  interchange/format_detection_test.cpp
  interchange/grd8_format_test.cpp
)
