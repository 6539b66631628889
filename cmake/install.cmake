# cmake --install: the program, its manual, and its place on the desktop
# (a menu entry, the .qpl document type and the icons) under the prefix.
include(GNUInstallDirs)

if(TARGET orrery)
  install(TARGETS orrery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

file(GLOB ORRERY_INSTALLED_HELP ${PROJECT_SOURCE_DIR}/help/*.html ${PROJECT_SOURCE_DIR}/help/*.css
     ${PROJECT_SOURCE_DIR}/help/*.png)
install(FILES ${ORRERY_INSTALLED_HELP} DESTINATION ${CMAKE_INSTALL_DOCDIR}/help)

# The installed entry starts the program found on PATH; a user's own entry,
# written by the program at start, names the running executable instead.
set(ORRERY_EXEC orrery)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/orrery.desktop.in ${CMAKE_BINARY_DIR}/orrery.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/orrery.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/orrery-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orrery.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/orrery.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/application-x-orrery-graph.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# A user installing under a prefix of their own gets the desktop databases
# refreshed too; packagers (DESTDIR) refresh them on the target machine.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    find_program(ORRERY_UPDATE_MIME update-mime-database)
    find_program(ORRERY_UPDATE_DESKTOP update-desktop-database)
    if(ORRERY_UPDATE_MIME)
      execute_process(COMMAND ${ORRERY_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(ORRERY_UPDATE_DESKTOP)
      execute_process(COMMAND ${ORRERY_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/share/applications"
                      OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]])

# Installing into a scratch prefix puts every file in its place.
if(TARGET orrery)
  add_test(NAME Install.EveryFileInItsPlace
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/test-home/install -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)
endif()
