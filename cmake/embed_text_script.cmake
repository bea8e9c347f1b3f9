# Run with -DIN=<text file> -DOUT=<header> -DSYMBOL=<name>.
file(READ "${IN}" text)
set(delimiter "ormitan_text")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${IN} contains the raw-string delimiter")
endif()
file(WRITE "${OUT}.tmp"
    "// Generated from ${IN}; edit that file instead.\n"
    "#pragma once\n#include <string_view>\n\n"
    "namespace ormitan::content {\n"
    "inline constexpr std::string_view ${SYMBOL} = R\"${delimiter}(${text})${delimiter}\";\n"
    "}  // namespace ormitan::content\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
