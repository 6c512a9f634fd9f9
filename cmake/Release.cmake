# What the shipped program takes from the build: the project version in its
# version resource, and a stripped release exe.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/px_version.h @ONLY)
target_include_directories(proxy-extract PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/resources.rc DIRECTORY ${CMAKE_SOURCE_DIR}/app APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/px_version.h)

# The release exe carries no symbols or debug sections: half its size.
target_link_options(proxy-extract PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
