# The picture pipeline's own checks: bad sources stop the build with the file's name, a missing
# font stops the generator, the pictures come out the same byte for byte on every run, and the
# seven chip kinds stay apart in outline and brightness (chip_check).
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

  add_executable(chip_check art/chip_check/chip_check.cpp art/chip_check/chip_measure.cpp
    art/chip_check/chip_fixture.cpp)
  target_link_libraries(chip_check PRIVATE PkgConfig::LIBPNG)
  kelvaroth_warnings(chip_check)
  add_dependencies(chip_check game_pictures)
  add_test(NAME art_chips_tell_apart COMMAND chip_check ${KELVAROTH_GAME_DIR})

  # The check run on sets kept as text; each case names the failure it must report.
  set(CHIP_FIXTURES ${CMAKE_CURRENT_SOURCE_DIR}/art/fixtures/chips)
  function(chip_check_rejects name expect)
    add_test(NAME art_chip_check_rejects_${name}
      COMMAND ${CMAKE_COMMAND} "-DCOMMAND=$<TARGET_FILE:chip_check>;${ARGN}" "-DEXPECT=${expect}"
        -P ${CMAKE_CURRENT_SOURCE_DIR}/art/expect_failure.cmake)
  endfunction()
  # The old hexagon, cut square and circle: nearly one outline at full and at half size.
  chip_check_rejects(old_outlines
    "FAIL chip2/chip4: silhouettes overlap 0[.]9[0-9] at 32x32.*FAIL chip2/chip4: silhouettes overlap 0[.]8[5-9] at half size.*FAIL chip2/chip5: silhouettes overlap 0[.]9[0-9] at 32x32.*FAIL chip4/chip5: silhouettes overlap 0[.]9[0-9] at 32x32"
    --fixture;${CHIP_FIXTURES}/old-set.txt)
  # The old ruby and emerald: different outlines, but one grey in colour and for blue-blind eyes.
  chip_check_rejects(old_ruby_emerald_grey
    "FAIL chip1/chip4: mean luminance 1[.]7 apart in full colour.*FAIL chip1/chip4: outlines overlap 0[.]66 and mean luminance is 0[.]7 apart under tritanopia"
    --fixture;${CHIP_FIXTURES}/old-set.txt;--kinds;1,4)
  # Apart at 32 x 32 but one blot when halved.
  chip_check_rejects(half_size_alike
    "FAIL chip4/chip5: silhouettes overlap 1[.]00 at half size"
    --fixture;${CHIP_FIXTURES}/half-size-alike.txt)
  chip_check_rejects(truncated_fixture
    "truncated[.]txt: line 8: expected a row of 32"
    --fixture;${CHIP_FIXTURES}/truncated.txt)
  chip_check_rejects(missing_picture
    "no-such-game/gfx/chips/chip1[.]png: cannot read"
    ${ART_SCRATCH}/no-such-game)
  # Heart and circle overlap only 0.64, so their 7.2 gap for green-blind eyes is allowed: the
  # colour-blind rule weighs brightness only where the outlines are alike.
  add_test(NAME art_chip_check_allows_distinct_outlines_close_in_grey
    COMMAND chip_check --fixture ${CHIP_FIXTURES}/old-set.txt --kinds 1,5)
endif()
