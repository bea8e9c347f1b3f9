# ormitan_embed_text(<header> <symbol> <text file>)
# Turns a UTF-8 text file into a header that defines
#     inline constexpr std::string_view <symbol> = R"...(<file contents>)...";
# so the text is compiled into the program and nothing is read from disk at run time.
set(ORMITAN_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_text_script.cmake)

function(ormitan_embed_text header symbol text_file)
    add_custom_command(
        OUTPUT ${header}
        COMMAND ${CMAKE_COMMAND} -DIN=${text_file} -DOUT=${header} -DSYMBOL=${symbol}
                -P ${ORMITAN_EMBED_SCRIPT}
        DEPENDS ${text_file} ${ORMITAN_EMBED_SCRIPT}
        COMMENT "Embedding ${text_file}"
        VERBATIM)
endfunction()
