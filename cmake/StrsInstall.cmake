# Desktop integration and documentation: the menu entry and its icons, the software-centre
# data, the manual pages, the copyright and change log. The executables install
# themselves (app/ and tools/replay/).
include(GNUInstallDirs)
set(STRS_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/strs-workbench)

# There is no web site yet: without one, the package and the software-centre data name
# none (no home page, no screenshot addresses).
set(STRS_HOMEPAGE "" CACHE STRING
    "The project's web site, named by the package and the software-centre data when set")
set(STRS_APPSTREAM_ID "org.example.strs_workbench" CACHE STRING
    "The software-centre identifier: the web site's host name reversed")

install(FILES ${PROJECT_SOURCE_DIR}/install/strs-workbench.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/install/strs-workbench.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES ${PROJECT_SOURCE_DIR}/install/strs-workbench.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The rest belongs to Linux desktops and Debian's layout.
if(NOT UNIX OR APPLE)
  return()
endif()

file(READ ${PROJECT_SOURCE_DIR}/install/strs-workbench.metainfo.xml.in metainfo)
if(STRS_HOMEPAGE STREQUAL "")
  # The home page and the screenshots live under the web address: both go without one.
  string(REGEX REPLACE "\n  <url type=\"homepage\">[^\n]*" "" metainfo "${metainfo}")
  string(REGEX REPLACE "\n\n  <screenshots>.*</screenshots>" "" metainfo "${metainfo}")
endif()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/install/${STRS_APPSTREAM_ID}.metainfo.xml
     CONTENT "${metainfo}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/install/strs-workbench.metainfo.xml.in)
install(FILES ${PROJECT_BINARY_DIR}/install/${STRS_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the change log go compressed, as Debian's policy asks (gzip -9n:
# no name or time stamp inside, so the package is reproducible).
find_program(STRS_GZIP gzip)
if(STRS_GZIP)
  set(compressed)
  foreach(page strs-workbench.1 strs-replay.1)
    configure_file(${PROJECT_SOURCE_DIR}/install/man/${page}.in
                   ${PROJECT_BINARY_DIR}/install/${page} @ONLY)
    list(APPEND compressed ${page})
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/install/debian/changelog
                 ${PROJECT_BINARY_DIR}/install/changelog COPYONLY)
  list(APPEND compressed changelog)
  foreach(file IN LISTS compressed)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/install/${file}.gz
      COMMAND ${STRS_GZIP} -9n --keep --force ${file}
      DEPENDS ${PROJECT_BINARY_DIR}/install/${file}
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/install VERBATIM)
    list(APPEND compressed_files ${PROJECT_BINARY_DIR}/install/${file}.gz)
  endforeach()
  add_custom_target(strs_compressed_docs ALL DEPENDS ${compressed_files})
  install(FILES ${PROJECT_BINARY_DIR}/install/strs-workbench.1.gz
                ${PROJECT_BINARY_DIR}/install/strs-replay.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/install/changelog.gz
          DESTINATION ${STRS_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/install/debian/copyright
        DESTINATION ${STRS_DOCDIR})
