# The pictures in content/ and the resources the program compiles in.
ormitan_add_test(test_assets SOURCES test_assets.cpp LIBS ormitan_ui)
