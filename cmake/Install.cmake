# Installed layout: bin/kelvaroth and share/kelvaroth/game/; the program finds its assets at
# ../share/kelvaroth/ relative to its own folder.
install(TARGETS kelvaroth RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${KELVAROTH_GAME_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvaroth)
