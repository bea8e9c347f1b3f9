# The printing arithmetic: the print rectangle, the printer page's mapping and the preview
# sheet's geometry. Plain integer and floating-point work, no Qt, so it is tested on its own.
add_library(ormitan_print_math STATIC
    ${CMAKE_CURRENT_LIST_DIR}/print_types.h
    ${CMAKE_CURRENT_LIST_DIR}/print_geometry.cpp ${CMAKE_CURRENT_LIST_DIR}/print_geometry.h
    ${CMAKE_CURRENT_LIST_DIR}/sheet_geometry.cpp ${CMAKE_CURRENT_LIST_DIR}/sheet_geometry.h)
target_link_libraries(ormitan_print_math PUBLIC ormitan_core)

# The chart's print settings at work: its place on the current printer's page and the print job.
add_library(ormitan_chart_printing STATIC
    ${CMAKE_CURRENT_LIST_DIR}/chart_printing.cpp ${CMAKE_CURRENT_LIST_DIR}/chart_printing.h)
target_link_libraries(ormitan_chart_printing
    PUBLIC ormitan_chart ormitan_print_math ormitan_printer_service)
