# Script mode: writes INPUT as a C++ byte array SYMBOL in NAMESPACE to OUTPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "#include <cstddef>\nnamespace ${NAMESPACE} {\nextern const unsigned char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\nalignas(8) const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\nconst std::size_t ${SYMBOL}Size = ${size};\n}\n")
