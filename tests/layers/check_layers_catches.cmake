# The layer check on small trees of its own: a tree that keeps the rules passes, and each broken
# rule fails it with the file, the line and the include named.
#   cmake -DCHECK=<check_layers.cmake> -DWORK=<scratch folder> -P check_layers_catches.cmake
set(failures "")

# run_check(<case> <expect: pass|fail> <expected text> <file=text>...): writes the files of a
# fresh tree, runs the check on it and compares the outcome.
function(run_check name expect expected)
    set(tree "${WORK}/${name}")
    file(REMOVE_RECURSE "${tree}")
    # Every tree has the layers' folders and a clean file in each.
    file(WRITE "${tree}/core/rules.h" "#pragma once\n#include <array>\n#include \"core/geometry.h\"\n")
    file(WRITE "${tree}/platform/files.h" "#include <QFile>\n#include \"core/rules.h\"\n")
    file(WRITE "${tree}/chart/drawer.h" "#include <QPainter>\n#include \"platform/files.h\"\n")
    file(WRITE "${tree}/ui/window.h" "#include <QWidget>\n#include \"chart/drawer.h\"\n")
    foreach(entry IN LISTS ARGN)
        string(FIND "${entry}" "=" at)
        string(SUBSTRING "${entry}" 0 ${at} path)
        math(EXPR at "${at} + 1")
        string(SUBSTRING "${entry}" ${at} -1 text)
        file(WRITE "${tree}/${path}" "// planted\n${text}\n")
    endforeach()
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(expect STREQUAL "pass" AND NOT result EQUAL 0)
        list(APPEND failures "${name}: a clean tree failed: ${output}")
    elseif(expect STREQUAL "fail" AND result EQUAL 0)
        list(APPEND failures "${name}: the check passed")
    elseif(expect STREQUAL "fail")
        string(FIND "${output}" "${expected}" found)
        if(found EQUAL -1)
            list(APPEND failures "${name}: the report does not name '${expected}': ${output}")
        endif()
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

run_check(clean pass "")
run_check(clean_higher_layers pass ""
          "ui/main.cpp=#include <QApplication>\n#include \"ui/window.h\"\n#include \"core/rules.h\""
          "chart/layout.cpp=#include \"chart/drawer.h\"\n#include \"core/rules.h\"")
run_check(core_qt_class fail "core/run.cpp:2: #include QString" "core/run.cpp=#include <QString>")
run_check(core_qt_module fail "core/run.h:3: #include QtCore/QList"
          "core/run.h=#pragma once\n  #  include <QtCore/QList>")
run_check(core_qt_lower_case fail "core/run.h:2: #include qglobal.h"
          "core/run.h=#include <qglobal.h>")
run_check(core_chart fail "core/run.cpp:2: #include chart/drawer.h"
          "core/run.cpp=#include \"chart/drawer.h\"")
run_check(core_platform fail "core/deep/run.cpp:2: #include platform/files.h"
          "core/deep/run.cpp=#include \"platform/files.h\"")
run_check(core_ui fail "core/run.cpp:2: #include ui/window.h" "core/run.cpp=#include <ui/window.h>")
run_check(core_climbs_out fail "core/run.cpp:2: #include ../chart/drawer.h"
          "core/run.cpp=#include \"../chart/drawer.h\"")
run_check(platform_chart fail "platform/job.cpp:2: #include chart/drawer.h"
          "platform/job.cpp=#include \"chart/drawer.h\"")
run_check(chart_ui fail "chart/widget.cpp:2: #include ui/window.h"
          "chart/widget.cpp=#include \"ui/window.h\"")
run_check(chart_ui_relative fail "chart/widget.h:2: #include ../ui/window.h"
          "chart/widget.h=#include \"../ui/window.h\"")

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
