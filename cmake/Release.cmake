# What the shipped program takes from the build: the project version in its
# version resource, and a stripped release exe.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/px_version.h @ONLY)
target_include_directories(proxy-extract PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/resources.rc DIRECTORY ${CMAKE_SOURCE_DIR}/app APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/px_version.h)

# The release exe carries no symbols or debug sections: half its size.
target_link_options(proxy-extract PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)

# Inputs of tools/package.sh: the package's name and the user guide filled in
# with this build's settings (CRLF here; the script makes it GBK).
# The package lies in dist/ beside this build folder (build/win: build/dist).
get_filename_component(PX_DIST_DIR "${CMAKE_BINARY_DIR}/../dist" ABSOLUTE)
set(PX_PACKAGE_ZIP "${PX_DIST_DIR}/proxy-extract-${PROJECT_VERSION}-win32.zip")
configure_file(${CMAKE_SOURCE_DIR}/docs/readme.txt.in ${CMAKE_BINARY_DIR}/package/readme.txt
               @ONLY NEWLINE_STYLE CRLF)
file(WRITE ${CMAKE_BINARY_DIR}/package/package.env
     "px_version='${PROJECT_VERSION}'\npx_package_zip='${PX_PACKAGE_ZIP}'\n")
