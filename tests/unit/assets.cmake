# The pictures in content/ and the resource file that lists them.
ormitan_add_test(test_assets
    SOURCES test_assets.cpp ${PROJECT_SOURCE_DIR}/content/images.qrc
    LIBS Qt6::Gui)
set_target_properties(test_assets PROPERTIES AUTORCC ON)
