# Checks that the program's layers include only what they may: core ← platform ← chart ← ui.
#   core/      the standard library and core/ only: no Qt header, nothing of platform/, chart/ or
#              ui/, and no path that climbs out of its folder;
#   platform/  nothing of chart/ or ui/;
#   chart/     nothing of ui/.
# With COMPILE_COMMANDS (the build's compile_commands.json) it also checks that core's sources
# compile with no include folder but core's own: no Qt folder and not the whole source tree.
#
#   cmake -DSOURCE_DIR=<tree> [-DCOMPILE_COMMANDS=<json>] -P check_layers.cmake
# Fails with one line per broken rule: file:line, the include and the rule.
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "SOURCE_DIR '${SOURCE_DIR}' is not a folder")
endif()

set(problems "")

# A Qt header: <QString>, <QtGui/QColor>, <QtCore>, <qglobal.h>, <qpa/...>.
set(qt_header "^(Q[A-Za-z0-9_]*(/.*)?|q[a-z0-9_]*\\.h|qpa/.*)$")

# check_folder(<folder> <forbidden regex> <rule> [OWN_HEADERS_ALLOWED]): every #include of every
# source under <folder> whose target matches the regex is a problem. With OWN_HEADERS_ALLOWED, a
# target that is a file of <folder> itself is not (core's own "questionnaire_run.h" looks like a
# Qt "q...h" header by its name alone).
function(check_folder folder forbidden rule)
    set(own_allowed FALSE)
    if("${ARGN}" STREQUAL "OWN_HEADERS_ALLOWED")
        set(own_allowed TRUE)
    endif()
    file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
         "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.hpp"
         "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.cc")
    foreach(source IN LISTS sources)
        file(STRINGS "${SOURCE_DIR}/${source}" lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
                set(target "${CMAKE_MATCH_1}")
                set(own FALSE)
                if(own_allowed AND NOT target MATCHES "${climbs}"
                   AND EXISTS "${SOURCE_DIR}/${folder}/${target}")
                    set(own TRUE)
                endif()
                if(target MATCHES "${forbidden}" AND NOT own)
                    list(APPEND problems "${source}:${number}: #include ${target}: ${rule}")
                endif()
            endif()
        endforeach()
    endforeach()
    set(problems "${problems}" PARENT_SCOPE)
endfunction()

set(higher "^(\\.\\./)*(platform|chart|ui)/")
set(climbs "(^|/)\\.\\.(/|$)")
check_folder(core "${qt_header}" "core uses the standard library only, not Qt" OWN_HEADERS_ALLOWED)
check_folder(core "${higher}" "core includes nothing of a higher layer")
check_folder(core "${climbs}" "core includes only its own folder")
check_folder(platform "^(\\.\\./)*(chart|ui)/" "platform includes nothing of chart/ or ui/")
check_folder(chart "^(\\.\\./)*ui/" "chart includes nothing of ui/")

if(DEFINED COMPILE_COMMANDS)
    if(NOT EXISTS "${COMPILE_COMMANDS}")
        message(FATAL_ERROR "no ${COMPILE_COMMANDS}: configure with CMAKE_EXPORT_COMPILE_COMMANDS")
    endif()
    file(READ "${COMPILE_COMMANDS}" json)
    string(JSON count LENGTH "${json}")
    math(EXPR last "${count} - 1")
    set(core_sources 0)
    foreach(i RANGE ${last})
        string(JSON source GET "${json}" ${i} file)
        string(FIND "${source}" "${SOURCE_DIR}/core/" at)
        if(NOT at EQUAL 0)
            continue()
        endif()
        math(EXPR core_sources "${core_sources} + 1")
        string(JSON command GET "${json}" ${i} command)
        string(REGEX MATCHALL "(-I|-isystem |-iquote |-idirafter )[^ ]+" folders "${command}")
        foreach(flag IN LISTS folders)
            string(REGEX REPLACE "^(-I|-isystem |-iquote |-idirafter )" "" folder "${flag}")
            # core's own include root (a link to core/ alone) and its generated tables.
            if(NOT folder MATCHES "/layers/core$" AND NOT folder MATCHES "/core/generated$")
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                list(APPEND problems
                     "${shown}: compiled with ${flag}: core sees no include folder but its own")
            endif()
        endforeach()
    endforeach()
    if(core_sources EQUAL 0)
        list(APPEND problems "${COMPILE_COMMANDS}: no source of core/ in it")
    endif()
endif()

if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "Layer rules broken:\n${text}")
endif()
message(STATUS "Layer rules hold in ${SOURCE_DIR}")
