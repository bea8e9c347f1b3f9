# The results chart: its layout numbers, colours, drawn pixels and the render tool.
ormitan_add_test(test_chart_layout SOURCES test_chart_layout.cpp chart_fixtures.h
                 LIBS ormitan_chart)
ormitan_add_test(test_chart_colors SOURCES test_chart_colors.cpp LIBS ormitan_chart)
ormitan_add_test(test_chart_render SOURCES test_chart_render.cpp chart_fixtures.h
                 LIBS ormitan_chart)

# ormitan-render on real files: a PNG of the asked size, or a clean failure.
function(ormitan_render_test name)
    cmake_parse_arguments(R "" "INPUT;WIDTH;HEIGHT;EXPECT;MESSAGE" "EXTRA" ${ARGN})
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND}
                     -DTOOL=$<TARGET_FILE:ormitan-render> -DINPUT=${R_INPUT}
                     -DWIDTH=${R_WIDTH} -DHEIGHT=${R_HEIGHT} -DEXPECT=${R_EXPECT}
                     -DMESSAGE=${R_MESSAGE} "-DEXTRA=${R_EXTRA}"
                     -DOUT=${CMAKE_CURRENT_BINARY_DIR}/${name}.png
                     -P ${CMAKE_CURRENT_LIST_DIR}/render_check.cmake)
    set_tests_properties(${name} PROPERTIES LABELS unit)
endfunction()

set(sample ${PROJECT_SOURCE_DIR}/content/sample.tst)
ormitan_render_test(test_render_sample INPUT ${sample} WIDTH 996 HEIGHT 616 EXPECT png)
ormitan_render_test(test_render_sample_paper INPUT ${sample} WIDTH 640 HEIGHT 480 EXPECT png
                    EXTRA --print Иванов)
ormitan_render_test(test_render_short_file INPUT short WIDTH 996 HEIGHT 616 EXPECT fail
                    MESSAGE "Read beyond end of file")
ormitan_render_test(test_render_zero_size INPUT ${sample} WIDTH 0 HEIGHT 616 EXPECT fail
                    MESSAGE "size")
