# The install layout (GNUInstallDirs), for `cmake --install` and the Debian package:
#   bin/natalis, bin/natalis-gui   the text commands, and the window it starts
#   share/natalis/                 the glyph font, the atlas and the sample charts
#   share/applications/natalis.desktop, share/icons/hicolor/scalable/apps/natalis.svg
#   share/metainfo/<id>.metainfo.xml, share/man/man1/natalis.1
#   share/doc/natalis/             the licences
# and the tests that install into a temporary DESTDIR and check the files.
include(GNUInstallDirs)

# The AppStream identifier (reverse domain, lower case).
set(NATALIS_APP_ID org.natalis.natalis)

# The installed program finds its data from its own folder: bin/../share/natalis.
file(RELATIVE_PATH NATALIS_DATA_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/natalis")
set_property(SOURCE src/app/model/ChartFolderSetup.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             NATALIS_DATA_FROM_PROGRAM="${NATALIS_DATA_FROM_PROGRAM}")

set(NATALIS_METAINFO ${CMAKE_BINARY_DIR}/dist/${NATALIS_APP_ID}.metainfo.xml)
set(NATALIS_MANPAGE ${CMAKE_BINARY_DIR}/dist/natalis.1)
configure_file(dist/natalis.metainfo.xml.in ${NATALIS_METAINFO} @ONLY)
configure_file(dist/natalis.1.in ${NATALIS_MANPAGE} @ONLY)

install(TARGETS natalis natalis-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES fonts/ORRASTRO.TTF ${NATALIS_ATLAS} ${SAMPLE_CHARTS} DESTINATION ${CMAKE_INSTALL_DATADIR}/natalis)
install(FILES dist/natalis.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/natalis.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${NATALIS_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NATALIS_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE fonts/LICENSE-DejaVu.txt dist/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/natalis)

add_test(NAME install.InstalledProgramSeedsTheUserFolder
         COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION} ${NATALIS_APP_ID})
set_tests_properties(install.InstalledProgramSeedsTheUserFolder PROPERTIES LABELS install)

# The validators run when they are installed (scripts/setup.sh installs them).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME install.DesktopEntryIsValid
           COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/dist/natalis.desktop)
  # Hints (several main categories: Education and Science) are advice, not faults.
  set_tests_properties(install.DesktopEntryIsValid PROPERTIES LABELS install
                       FAIL_REGULAR_EXPRESSION "error:;warning:")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME install.MetainfoIsValid
           COMMAND ${APPSTREAMCLI} validate --no-net ${NATALIS_METAINFO})
  set_tests_properties(install.MetainfoIsValid PROPERTIES LABELS install)
endif()
find_program(GROFF groff)
if(GROFF)
  add_test(NAME install.ManPageFormatsWithoutWarnings
           COMMAND ${GROFF} -k -man -Tutf8 -ww -z ${NATALIS_MANPAGE})
  set_tests_properties(install.ManPageFormatsWithoutWarnings PROPERTIES LABELS install
                       FAIL_REGULAR_EXPRESSION "warning|error")
endif()
