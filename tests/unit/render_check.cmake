# Runs ormitan-render once, without a display, and checks the outcome.
#   EXPECT=png:  exit 0 and a PNG of WIDTH x HEIGHT at OUT.
#   EXPECT=fail: a non-zero exit (not a crash) whose message holds MESSAGE.
# INPUT=short stands for a results file one byte too short.
if(INPUT STREQUAL "short")
    set(INPUT ${OUT}.tst)
    file(WRITE ${INPUT} "abcdefghijklmnopqrstuvwx")
endif()
file(REMOVE ${OUT})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${TOOL} ${INPUT} ${WIDTH} ${HEIGHT} ${OUT} ${EXTRA}
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)

if(EXPECT STREQUAL "fail")
    if(NOT result MATCHES "^[0-9]+$" OR result EQUAL 0)
        message(FATAL_ERROR "expected a clean failure, got '${result}': ${errors}")
    endif()
    if(NOT errors MATCHES "${MESSAGE}")
        message(FATAL_ERROR "the message does not name '${MESSAGE}': ${errors}")
    endif()
    if(EXISTS ${OUT})
        message(FATAL_ERROR "a failed run wrote ${OUT}")
    endif()
    return()
endif()

if(NOT result EQUAL 0)
    message(FATAL_ERROR "exit '${result}': ${errors}")
endif()
file(READ ${OUT} signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${OUT} is not a PNG")
endif()
file(READ ${OUT} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width_hex)
string(SUBSTRING ${header} 8 8 height_hex)
math(EXPR width "0x${width_hex}")
math(EXPR height "0x${height_hex}")
if(NOT width EQUAL WIDTH OR NOT height EQUAL HEIGHT)
    message(FATAL_ERROR "the PNG is ${width} x ${height}, not ${WIDTH} x ${HEIGHT}")
endif()
