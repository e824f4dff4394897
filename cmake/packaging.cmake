# The release package, made by make dist: CPack's ZIP of the shipped
# library, the command-line program, the presets, the texts and the guides
# (Markdown and HTML).
# Only the "release" component goes in; the tests install nothing.
set(VELUMBRA_RELEASE_TEXTS ${PROJECT_BINARY_DIR}/release-texts)

# Stripping writes the time of day into a PE header unless SOURCE_DATE_EPOCH
# names another; 0 keeps the linker's "no time" in the shipped files.
install(CODE [[
  set(velumbra_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} 0)
]] COMPONENT release)
install(TARGETS Velumbra LIBRARY DESTINATION . COMPONENT release)
install(TARGETS velumbra RUNTIME DESTINATION . COMPONENT release)
install(CODE [[set(ENV{SOURCE_DATE_EPOCH} "${velumbra_saved_epoch}")]] COMPONENT release)

# The texts go in with Windows line ends (CRLF), their version filled in.
function(velumbra_release_text source name)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  string(REPLACE "@VELUMBRA_VERSION@" "${VELUMBRA_VERSION}" text "${text}")
  file(WRITE ${VELUMBRA_RELEASE_TEXTS}/${name} "${text}")
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  install(FILES ${VELUMBRA_RELEASE_TEXTS}/${name} DESTINATION . COMPONENT release)
endfunction()
velumbra_release_text(${PROJECT_SOURCE_DIR}/packaging/README.txt README.txt)
velumbra_release_text(${PROJECT_SOURCE_DIR}/packaging/README.ja.txt README.ja.txt)
velumbra_release_text(${PROJECT_SOURCE_DIR}/packaging/THIRD-PARTY-NOTICES.txt THIRD-PARTY-NOTICES.txt)
velumbra_release_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE)
velumbra_release_text(${PROJECT_SOURCE_DIR}/CHANGELOG.md CHANGELOG.md)

# Whatever presets the repository holds; none is fine.
file(GLOB velumbra_presets CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/presets/*.grd
     ${PROJECT_SOURCE_DIR}/presets/README)
install(FILES ${velumbra_presets} DESTINATION presets COMPONENT release)

# The guides, with the images they show (Markdown or HTML image links to
# files beside them or below).
file(GLOB velumbra_guides CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide*.md)
install(FILES ${velumbra_guides} DESTINATION docs COMPONENT release)
foreach(guide IN LISTS velumbra_guides)
  file(READ ${guide} text)
  string(REGEX MATCHALL "!\\[[^]\n]*\\]\\([^)\n]+\\)|<img [^>\n]*src=\"[^\"\n]+\"" links "${text}")
  foreach(link IN LISTS links)
    if(link MATCHES "^!\\[[^]]*\\]\\(<?([^ )>]+)")
      set(image ${CMAKE_MATCH_1})
    elseif(link MATCHES "src=\"([^\"]+)\"")
      set(image ${CMAKE_MATCH_1})
    endif()
    if(image MATCHES "^[a-z]+:|^/|^#|\\.\\.")
      continue()
    endif()
    string(REGEX REPLACE "[?#].*$" "" image "${image}")
    get_filename_component(folder ${image} DIRECTORY)
    if(EXISTS ${PROJECT_SOURCE_DIR}/docs/${image})
      install(FILES ${PROJECT_SOURCE_DIR}/docs/${image} DESTINATION docs/${folder} COMPONENT release)
    else()
      # The package test reports the broken link; the build goes on.
      message(WARNING "${guide} shows ${image}, which does not exist")
    endif()
  endforeach()
endforeach()

# The guides as HTML pages beside them, for users who open them from the
# unpacked zip: written by tools/docs/guide_html.py (Debian's cmark-gfm) into
# the build folder when the zip is made (make-dist.sh builds guide-html), and
# never committed. The Markdown guides stay the one source, so no generated
# copy can fall behind them or collide with edits to them on other branches.
set(velumbra_guide_pages)
foreach(guide IN LISTS velumbra_guides)
  get_filename_component(name ${guide} NAME)
  string(REGEX REPLACE "\\.md$" ".html" name "${name}")
  list(APPEND velumbra_guide_pages ${PROJECT_BINARY_DIR}/guide-html/${name})
endforeach()
add_custom_command(OUTPUT ${velumbra_guide_pages}
  COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/docs/guide_html.py
          ${PROJECT_BINARY_DIR}/guide-html ${velumbra_guides}
  DEPENDS ${velumbra_guides} ${PROJECT_SOURCE_DIR}/tools/docs/guide_html.py
  COMMENT "HTML guides")
add_custom_target(guide-html DEPENDS ${velumbra_guide_pages})
install(FILES ${velumbra_guide_pages} DESTINATION docs COMPONENT release)

# The entries' time: the commit's (a source tarball: CMakeLists.txt's).
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  OUTPUT_VARIABLE CPACK_VELUMBRA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0)
  file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt CPACK_VELUMBRA_SOURCE_DATE_EPOCH "%s" UTC)
endif()
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_normalise.cmake)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Velumbra)
set(CPACK_PACKAGE_VERSION ${VELUMBRA_VERSION})
set(CPACK_PACKAGE_FILE_NAME Velumbra-${VELUMBRA_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Velumbra;release;/")
include(CPack)
