# Writes one file's bytes as a C++ array, so the program carries its artwork
# inside the executable. Run with cmake -P and these variables:
#   INPUT   the file to embed
#   OUTPUT  the C++ source to write
#   SYMBOL  the array's name; SYMBOL_size holds the byte count
# Both are defined in namespace tarvenel::embedded.
foreach(var INPUT OUTPUT SYMBOL)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "embed_file.cmake needs -D${var}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
    message(FATAL_ERROR "${INPUT} is empty")
endif()
math(EXPR size "${hex_length} / 2")

# Sixteen bytes a line keeps the generated file readable in a diff or a debugger.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 one_line)
string(REGEX REPLACE "(${one_line})" "\\1\n    " bytes "${bytes}")
string(STRIP "${bytes}" bytes)
get_filename_component(input_name "${INPUT}" NAME)

file(WRITE "${OUTPUT}" "// Generated from ${input_name} by embed_file.cmake; do not edit.
#include <cstddef>

namespace tarvenel::embedded {

extern const unsigned char ${SYMBOL}[${size}] = {
    ${bytes}
};
extern const std::size_t ${SYMBOL}_size = ${size};

} // namespace tarvenel::embedded
")
