# Printing through a real CUPS spooler. The test sets up its cups-pdf queue first (as root); on
# a machine where it cannot, it is skipped.
add_executable(test_cups_printing ${CMAKE_CURRENT_LIST_DIR}/test_cups_printing.cpp)
target_link_libraries(test_cups_printing
    PRIVATE Qt6::Test ormitan_platform_print ormitan_platform_files)
target_include_directories(test_cups_printing PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME test_cups_printing
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/cups_queue.sh -- $<TARGET_FILE:test_cups_printing>)
set_tests_properties(test_cups_printing PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORMITAN_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    SKIP_RETURN_CODE 77
    RESOURCE_LOCK cups
    TIMEOUT 300
    LABELS e2e)
