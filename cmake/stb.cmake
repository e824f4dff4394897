# stb's picture reader (the library's, see src/interchange/picture_file.cpp)
# and its PNG writer for the programs in tools/: header-only, from Debian's
# libstb-dev. The headers are copied into the build tree and seen as
# <stb/...>, so the Linux include folder never reaches the cross compiler's
# path. Link `stb_headers` for the declarations, and the implementation
# libraries for the one definition of each.
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

# The decoder is defined once, in the core, which reads pictures itself.
add_library(stb_image_impl INTERFACE)
target_link_libraries(stb_image_impl INTERFACE stb_headers velumbra_core)

add_library(stb_image_write_impl STATIC ${PROJECT_SOURCE_DIR}/tools/stb/stb_image_write_impl.cpp)
velumbra_target_defaults(stb_image_write_impl)
target_link_libraries(stb_image_write_impl PUBLIC stb_headers)
if(VELUMBRA_SANITIZE)
  # Its JPEG writer (the picture tests write JPEGs) shifts negative ints left,
  # which C++20 defines and every compiler does as expected.
  target_compile_options(stb_image_write_impl PRIVATE ${VELUMBRA_SANITIZER_FLAGS}
                         -fno-sanitize=shift-base)
endif()
