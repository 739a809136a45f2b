# Copies the committed text assets of game/ (data, texts, .gui files, fonts, scripts) into the
# game/ tree beside the binary. Pictures and sounds are added there by the asset builders.
file(GLOB_RECURSE KELVAROTH_COMMITTED_ASSETS CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}/game ${CMAKE_SOURCE_DIR}/game/*)
set(KELVAROTH_COPIED_ASSETS)
foreach(rel ${KELVAROTH_COMMITTED_ASSETS})
  set(out ${KELVAROTH_GAME_DIR}/${rel})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/game/${rel} ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/game/${rel}
    COMMENT "" VERBATIM)
  list(APPEND KELVAROTH_COPIED_ASSETS ${out})
endforeach()
add_custom_target(game_text_assets ALL DEPENDS ${KELVAROTH_COPIED_ASSETS})
# Asset builders add their targets as dependencies of this one.
add_custom_target(game_assets ALL DEPENDS game_text_assets)
add_dependencies(kelvaroth game_assets)
