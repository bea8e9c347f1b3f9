# The printer service: the interface the chart and the windows print through, the service over
# Qt and CUPS, and a fake with configurable printers and failures for the tests.
find_package(Cups REQUIRED)

add_library(ormitan_printer_service INTERFACE ${CMAKE_CURRENT_LIST_DIR}/printer_service.h)
target_link_libraries(ormitan_printer_service INTERFACE ormitan_core Qt6::Gui)

add_library(ormitan_platform_print STATIC
    ${CMAKE_CURRENT_LIST_DIR}/qt_printer_service.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_printer_service.h
    ${CMAKE_CURRENT_LIST_DIR}/painted_page_job.cpp ${CMAKE_CURRENT_LIST_DIR}/painted_page_job.h
    ${CMAKE_CURRENT_LIST_DIR}/cups_print_job.cpp ${CMAKE_CURRENT_LIST_DIR}/cups_print_job.h
    ${CMAKE_CURRENT_LIST_DIR}/pdf_file_job.cpp ${CMAKE_CURRENT_LIST_DIR}/pdf_file_job.h
    ${CMAKE_CURRENT_LIST_DIR}/pdf_file_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/pdf_file_dialog.h)
target_link_libraries(ormitan_platform_print
    PUBLIC ormitan_printer_service ormitan_core Qt6::PrintSupport Qt6::Widgets
    PRIVATE Cups::Cups)

add_library(ormitan_platform_print_fake STATIC
    ${CMAKE_CURRENT_LIST_DIR}/fake_printer_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fake_printer_service.h)
target_link_libraries(ormitan_platform_print_fake PUBLIC ormitan_printer_service)
