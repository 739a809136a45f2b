# The audio tests drive the synthesiser's core directly and decode the built sounds.
target_link_libraries(kelvaroth_tests PRIVATE kelvaroth_synth_core)
target_compile_definitions(kelvaroth_tests PRIVATE
  KELVAROTH_SOUNDS_BUILT=$<BOOL:${KELVAROTH_ASSETS}>)
