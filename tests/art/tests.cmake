# The picture pipeline's own checks: bad sources stop the build with the file's name, a missing
# font stops the generator, and the pictures come out the same byte for byte on every run.
if(KELVAROTH_ASSETS)
  find_program(ART_RSVG rsvg-convert REQUIRED)
  set(ART_RASTERISE ${CMAKE_SOURCE_DIR}/assets/pictures/rasterise.cmake)
  set(ART_SCRATCH ${CMAKE_CURRENT_BINARY_DIR}/art)
  file(WRITE ${ART_SCRATCH}/empty-manifest.txt "")
  foreach(case broken text)
    if(case STREQUAL broken)
      set(expect "Broken SVG[ \n]+[^:]*broken\\.svg")
    else()
      set(expect "words\\.svg:[ \n]+SVG[ \n]+text")
    endif()
    add_test(NAME art_${case}_svg_stops_build
      COMMAND ${CMAKE_COMMAND}
        "-DCOMMAND=${CMAKE_COMMAND};-DMANIFEST=${ART_SCRATCH}/empty-manifest.txt;-DHAND_DIR=${CMAKE_CURRENT_SOURCE_DIR}/art/fixtures/${case};-DGAME_DIR=${ART_SCRATCH}/${case}/game;-DWORK_DIR=${ART_SCRATCH}/${case}/work;-DRSVG=${ART_RSVG};-DPNG2JPEG=$<TARGET_FILE:png2jpeg>;-DATLASPACK=$<TARGET_FILE:atlaspack>;-P;${ART_RASTERISE}"
        "-DEXPECT=${expect}" -P ${CMAKE_CURRENT_SOURCE_DIR}/art/expect_failure.cmake)
  endforeach()
  add_test(NAME art_missing_font_stops_generator
    COMMAND ${CMAKE_COMMAND}
      "-DCOMMAND=$<TARGET_FILE:artgen>;--font;${ART_SCRATCH}/no-such-font.ttf;--out;${ART_SCRATCH}/nofont;--manifest;${ART_SCRATCH}/nofont.txt"
      "-DEXPECT=font file not found: [^\n]*no-such-font\\.ttf"
      -P ${CMAKE_CURRENT_SOURCE_DIR}/art/expect_failure.cmake)
  add_test(NAME art_pictures_reproducible
    COMMAND ${CMAKE_COMMAND} -DARTGEN=$<TARGET_FILE:artgen>
      -DFONT=${CMAKE_SOURCE_DIR}/game/gfx/fonts/font1.ttf -DSCRATCH=${ART_SCRATCH}/again
      -DRSVG=${ART_RSVG} -DPNG2JPEG=$<TARGET_FILE:png2jpeg> -DATLASPACK=$<TARGET_FILE:atlaspack>
      -DRASTERISE=${ART_RASTERISE} -DGAME_DIR=${KELVAROTH_GAME_DIR}
      -P ${CMAKE_CURRENT_SOURCE_DIR}/art/reproducible.cmake)
endif()
