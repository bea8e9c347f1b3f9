# What `cmake --install` puts on the system: the program, its desktop entry, the type of its
# results files and its icon in the hicolor theme. Libraries and tests are named by no install()
# rule, so they stay in the build tree.
include(GNUInstallDirs)

install(TARGETS ormitan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(_ormitan_content ${PROJECT_SOURCE_DIR}/content)
install(FILES ${_ormitan_content}/desktop/ormitan.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_ormitan_content}/desktop/ormitan-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ormitan.xml)
install(FILES ${_ormitan_content}/icons/ormitan.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 256)
    install(FILES ${_ormitan_content}/icons/ormitan-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ormitan.png)
endforeach()
