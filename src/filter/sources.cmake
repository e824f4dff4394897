# The filter plug-in; paths relative to src/. The project-data hooks only
# carry bytes, so they are platform-free and tested natively; the rest is the
# editor's Win32 skin. ColorTextbox, the editor's own control, is built with
# the window controls, whose tests use it.
set(VELUMBRA_FILTER_SOURCES filter/project_callbacks.cpp)
set(VELUMBRA_FILTER_WIN32_SOURCES
  filter/canvas_commands.cpp
  filter/canvas_mouse.cpp
  filter/canvas_window.cpp
  filter/dll_entry.cpp
  filter/dropped_files.cpp
  filter/editor_state.cpp
  filter/filter_callbacks.cpp
  filter/filter_descriptor.cpp
  filter/gradation_dialogs.cpp
  filter/gradient_chooser.cpp
  filter/gradation_clipboard.cpp
  filter/gradient_import.cpp
  filter/preset_menu.cpp
  filter/property_panel.cpp
  filter/screen_eyedropper.cpp
)
set(VELUMBRA_FILTER_CONTROL_SOURCES filter/color_textbox.cpp)
