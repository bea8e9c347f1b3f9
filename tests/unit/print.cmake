# Printing: the roundings, the page and sheet arithmetic, and the printer services.
ormitan_add_test(test_rounding SOURCES test_rounding.cpp LIBS ormitan_core)
