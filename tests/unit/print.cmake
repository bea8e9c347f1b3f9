# Printing: the roundings, the page and sheet arithmetic, and the printer services.
ormitan_add_test(test_rounding SOURCES test_rounding.cpp LIBS ormitan_core)
ormitan_add_test(test_print_geometry
    SOURCES test_print_geometry.cpp print_test_support.h LIBS ormitan_print_math)
ormitan_add_test(test_sheet_geometry
    SOURCES test_sheet_geometry.cpp print_test_support.h LIBS ormitan_print_math)
ormitan_add_test(test_fake_printer_service
    SOURCES test_fake_printer_service.cpp LIBS ormitan_fake_printer_service)
ormitan_add_test(test_printer_service
    SOURCES test_printer_service.cpp LIBS ormitan_platform_print ormitan_platform_files)
ormitan_add_test(test_chart_printing
    SOURCES test_chart_printing.cpp chart_fixtures.h print_test_support.h
    LIBS ormitan_chart_printing ormitan_fake_printer_service)
