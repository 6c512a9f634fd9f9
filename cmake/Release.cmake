# What the shipped program takes from the build besides its resources (made
# in app/ with the project version): a stripped release exe and the package.

# The release exe carries no symbols or debug sections: half its size.
target_link_options(proxy-extract PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)

# Inputs of tools/package.sh: the package's name and the user guide filled in
# with this build's settings (CRLF here; the script makes it GBK).
# The package lies in dist/ beside this build folder (build/release:
# build/dist); tools/package.sh makes it from the release build.
get_filename_component(PX_DIST_DIR "${CMAKE_BINARY_DIR}/../dist" ABSOLUTE)
set(PX_PACKAGE_ZIP "${PX_DIST_DIR}/proxy-extract-${PROJECT_VERSION}-win32.zip")
configure_file(${CMAKE_SOURCE_DIR}/docs/readme.txt.in ${CMAKE_BINARY_DIR}/package/readme.txt
               @ONLY NEWLINE_STYLE CRLF)
file(WRITE ${CMAKE_BINARY_DIR}/package/package.env
     "px_version='${PROJECT_VERSION}'\npx_package_zip='${PX_PACKAGE_ZIP}'\n")
