# The program folder besides the executables: background pictures, default settings, the
# sample puzzles; and the installation with its desktop entry, icon and file type.

# Background pictures, painted by a small tool of ours at build time.
add_executable(sfondi ${CMAKE_SOURCE_DIR}/tools/sfondi/main.cpp)
target_link_libraries(sfondi PRIVATE Qt6::Gui)
add_custom_command(
  OUTPUT ${QUADRIVO_DIR}/Quadrivoa.jpg ${QUADRIVO_DIR}/Quadrivob.jpg
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:sfondi> ${QUADRIVO_DIR}
  DEPENDS sfondi
  COMMENT "Disegno delle immagini di sfondo"
  VERBATIM)

# Default settings. Copied only when the default changes, so the player's own choices
# (written by the program into the same file) survive a rebuild.
add_custom_command(
  OUTPUT ${QUADRIVO_DIR}/tramerio.ini
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/tramerio.ini ${QUADRIVO_DIR}/tramerio.ini
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tramerio.ini
  VERBATIM)

# The samples: whatever data/archivio holds; the folder exists even when it is empty.
set(QUADRIVO_ARCHIVIO "${QUADRIVO_DIR}/Archivio cruciverba")
file(GLOB quadrivo_campioni CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/archivio/*.trmo)
set(quadrivo_campioni_copiati)
foreach(campione IN LISTS quadrivo_campioni)
  get_filename_component(nome "${campione}" NAME)
  add_custom_command(
    OUTPUT "${QUADRIVO_ARCHIVIO}/${nome}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QUADRIVO_ARCHIVIO}"
    COMMAND ${CMAKE_COMMAND} -E copy "${campione}" "${QUADRIVO_ARCHIVIO}/${nome}"
    DEPENDS "${campione}"
    VERBATIM)
  list(APPEND quadrivo_campioni_copiati "${QUADRIVO_ARCHIVIO}/${nome}")
endforeach()

add_custom_target(programma ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory "${QUADRIVO_ARCHIVIO}"
  DEPENDS ${QUADRIVO_DIR}/Quadrivoa.jpg ${QUADRIVO_DIR}/Quadrivob.jpg ${QUADRIVO_DIR}/tramerio.ini
          ${quadrivo_campioni_copiati}
  VERBATIM)

# Installation: the program folder as it is under <prefix>/lib/quadrivo, a command in
# <prefix>/bin, and the desktop integration.
include(GNUInstallDirs)
set(QUADRIVO_CARTELLA_INSTALLATA lib/quadrivo)
install(DIRECTORY ${QUADRIVO_DIR}/ DESTINATION ${QUADRIVO_CARTELLA_INSTALLATA} USE_SOURCE_PERMISSIONS)
# The prefix is read when installing, so `cmake --install --prefix` is honoured too.
install(CODE "
  set(quadrivo_base \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(MAKE_DIRECTORY \"\${quadrivo_base}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"../${QUADRIVO_CARTELLA_INSTALLATA}/quadrivo\"
       \"\${quadrivo_base}/${CMAKE_INSTALL_BINDIR}/quadrivo\" SYMBOLIC)
  set(QUADRIVO_ESEGUIBILE_INSTALLATO \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quadrivo\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/quadrivo.desktop.in\"
                 \"\${quadrivo_base}/${CMAKE_INSTALL_DATADIR}/applications/quadrivo.desktop\" @ONLY)
  message(STATUS \"Installing: \${quadrivo_base}/${CMAKE_INSTALL_DATADIR}/applications/quadrivo.desktop\")
")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quadrivo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quadrivo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-quadrivo-trmo.svg)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quadrivo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quadrivo.xml)
# The desktop learns the new file type and entry when the tools are there (not when staging).
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    find_program(quadrivo_mime update-mime-database)
    find_program(quadrivo_desktop update-desktop-database)
    if(quadrivo_mime)
      execute_process(COMMAND \${quadrivo_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
    endif()
    if(quadrivo_desktop)
      execute_process(COMMAND \${quadrivo_desktop} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    endif()
  endif()
")
