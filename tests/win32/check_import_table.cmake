cmake_minimum_required(VERSION 3.21)
# Velumbra.auf must load where no Lua runtime exists: it may import only
# Windows system DLLs, and must export its two entry points undecorated.
execute_process(COMMAND i686-w64-mingw32-objdump -p ${LIBRARY}
  OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${LIBRARY}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(system_dlls kernel32.dll msvcrt.dll user32.dll gdi32.dll comdlg32.dll shell32.dll
    advapi32.dll)
set(failures 0)
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(dll IN_LIST system_dlls)
    message(STATUS "imports ${dll}")
  else()
    message(SEND_ERROR "imports ${dll}, which is not a Windows system DLL")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

foreach(export luaopen_Velumbra GetFilterTable)
  if(NOT dump MATCHES "\\] ${export}\n")
    message(SEND_ERROR "export ${export} missing or decorated")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} import table problems")
endif()
