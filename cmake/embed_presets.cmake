# Writes OUTPUT, a C++ source holding every FOLDER/*.grd as a built-in preset:
# its file name without extension and its bytes, sorted by name in byte
# order. Run at build time (cmake -P), so presets/ stays the one source.
# Sorted by name, not file name: "look-sepia" before "look-sepia-light".
file(GLOB files RELATIVE ${FOLDER} ${FOLDER}/*.grd)
list(TRANSFORM files REPLACE "\\.grd$" "")
list(SORT files)
set(arrays "")
set(rows "")
set(index 0)
foreach(name IN LISTS files)
  set(file "${name}.grd")
  if(NOT name MATCHES "^[A-Za-z0-9_.-]+$")
    message(FATAL_ERROR "${FOLDER}/${file}: a preset's name is letters, digits, '_', '.' and '-'")
  endif()
  file(READ ${FOLDER}/${file} hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    message(FATAL_ERROR "${FOLDER}/${file} is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
         bytes "${bytes}")
  string(APPEND arrays "const uint8_t kPreset${index}[] = {\n    ${bytes}\n};\n")
  string(APPEND rows "    {\"${name}\", kPreset${index}, sizeof kPreset${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
  set(rows "    {\"\", nullptr, 0},\n")
endif()
set(content "// Generated from ${FOLDER} by embed_presets.cmake; do not edit.
#include \"persist/builtin_presets.h\"

namespace {
${arrays}
const BuiltinPreset kTable[] = {
${rows}};

}  // namespace

BuiltinPresetRange BuiltinPresets() { return {kTable, kTable + ${index}}; }
")
# Rewritten only when it changes, so an unchanged folder recompiles nothing.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${content}" @ONLY)
