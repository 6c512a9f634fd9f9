# Writes the skin's picture files as C++ byte arrays (run at build time by
# the px_assets target, so the pictures in the source tree are the only copy).
#   -DOUTPUT=<file.inc> -DSOURCE_DIR=<folder> -DPICTURES=<Name=file,...>
string(REPLACE "," ";" pictures "${PICTURES}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 row_pattern)
set(text "// Generated from the picture files by embed_pictures.cmake; do not edit.\n")
foreach(entry IN LISTS pictures)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  file(READ "${SOURCE_DIR}/${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    message(FATAL_ERROR "picture ${file} is empty")
  endif()
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(${row_pattern})" "\\1\n    " bytes "${bytes}")
  string(APPEND text
    "\n// ${file}\n"
    "static const unsigned char k${name}Data[${size}] = {\n    ${bytes}\n};\n")
endforeach()
# Only rewrite on change so that dependants are not rebuilt for nothing.
set(old "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
