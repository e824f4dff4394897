# The window-control library; paths relative to src/. The controls' text
# handling (parsing and formats) is platform-free, in the core; the controls
# themselves need the real Win32 API.
set(VELUMBRA_PANEKIN_TEXT_SOURCES
  panekin/decimal_parser.cpp
  panekin/hexadecimal_parser.cpp
  panekin/textbox_format.cpp
)
set(VELUMBRA_PANEKIN_WIN32_SOURCES
  panekin/window_procedure.cpp
  panekin/color_static_box.cpp
  panekin/format_textbox.cpp
  panekin/hexadecimal_textbox.cpp
  panekin/number_textbox.cpp
  panekin/property_group.cpp
)
