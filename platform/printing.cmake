# The printer service: the interface the chart and the windows print through, the service over
# Qt and CUPS. The tests' fake service is in tests/doubles/.
find_package(Cups REQUIRED)

add_library(ormitan_printer_service INTERFACE ${CMAKE_CURRENT_LIST_DIR}/printer_service.h)
ormitan_layer_root(ormitan_printer_service platform)
target_link_libraries(ormitan_printer_service INTERFACE ormitan_core Qt6::Gui)

add_library(ormitan_platform_print STATIC
    ${CMAKE_CURRENT_LIST_DIR}/qt_printer_service.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_printer_service.h
    ${CMAKE_CURRENT_LIST_DIR}/painted_page_job.cpp ${CMAKE_CURRENT_LIST_DIR}/painted_page_job.h
    ${CMAKE_CURRENT_LIST_DIR}/cups_print_job.cpp ${CMAKE_CURRENT_LIST_DIR}/cups_print_job.h
    ${CMAKE_CURRENT_LIST_DIR}/pdf_file_job.cpp ${CMAKE_CURRENT_LIST_DIR}/pdf_file_job.h
    ${CMAKE_CURRENT_LIST_DIR}/pdf_file_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/pdf_file_dialog.h)
ormitan_layer_root(ormitan_platform_print platform)
# libcups is opened when the first job is submitted (cups_print_job.cpp): only its headers here.
target_include_directories(ormitan_platform_print PRIVATE
    $<TARGET_PROPERTY:Cups::Cups,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(ormitan_platform_print
    PUBLIC ormitan_printer_service ormitan_core Qt6::PrintSupport Qt6::Widgets
    PRIVATE ${CMAKE_DL_LIBS})
