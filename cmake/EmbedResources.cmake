# Writes a compiled resource file as a byte array the simulated host finds in the module.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}.\n#include <cstddef>\n"
  "extern \"C\" __attribute__((visibility(\"default\"))) const unsigned char vexaResourceData[${size}] = {\n${bytes}\n};\n"
  "extern \"C\" __attribute__((visibility(\"default\"))) const std::size_t vexaResourceSize = ${size};\n")
