# Desktop integration: the menu entry and its icon. The executables install themselves
# (app/ and tools/replay/).
install(FILES ${PROJECT_SOURCE_DIR}/install/strs-workbench.desktop
        DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/install/strs-workbench.png
        DESTINATION share/icons/hicolor/64x64/apps)
