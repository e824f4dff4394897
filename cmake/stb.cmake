# stb's PNG reader and writer for the programs in tools/: header-only, from
# Debian's libstb-dev. The headers are copied into the build tree and seen as
# <stb/...>, so the Linux include folder never reaches the cross compiler's
# path. Link `stb_headers` for the declarations, and the implementation
# libraries for the one definition of each (tools/stb/).
set(VELUMBRA_STB_DIR /usr/include/stb)
if(NOT EXISTS ${VELUMBRA_STB_DIR}/stb_image_write.h OR NOT EXISTS ${VELUMBRA_STB_DIR}/stb_image.h)
  message(FATAL_ERROR "stb headers missing (libstb-dev): run scripts/bootstrap.sh")
endif()
set(VELUMBRA_STB_INCLUDE ${CMAKE_BINARY_DIR}/stb-include)
foreach(header stb_image_write.h stb_image.h)
  configure_file(${VELUMBRA_STB_DIR}/${header} ${VELUMBRA_STB_INCLUDE}/stb/${header} COPYONLY)
endforeach()
add_library(stb_headers INTERFACE)
target_include_directories(stb_headers SYSTEM INTERFACE ${VELUMBRA_STB_INCLUDE})

foreach(part image image_write)
  add_library(stb_${part}_impl STATIC ${PROJECT_SOURCE_DIR}/tools/stb/stb_${part}_impl.cpp)
  velumbra_target_defaults(stb_${part}_impl)
  target_link_libraries(stb_${part}_impl PUBLIC stb_headers)
  # The decoder reads whatever file a user names: checked like the core.
  if(VELUMBRA_SANITIZE)
    target_compile_options(stb_${part}_impl PRIVATE ${VELUMBRA_SANITIZER_FLAGS})
  endif()
endforeach()
