# The editor's window-free logic, tested natively; paths relative to src/.
set(VELUMBRA_EDITOR_SOURCES
  editor/canvas_drag.cpp
  editor/canvas_editing.cpp
  editor/canvas_raster.cpp
  editor/edit_history.cpp
  editor/editor_commands.cpp
  editor/eyedropper.cpp
  editor/file_choices.cpp
  editor/panel_values.cpp
  editor/preset_list.cpp
  editor/shown_history.cpp
)
