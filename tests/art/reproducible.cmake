# Renders a sample of the pictures again (chips, the frame, a caption with letters, one JPEG
# background and the atlas) into a scratch folder and requires byte-identical files to those the
# build put into the game tree.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${ARTGEN} --font ${FONT} --out ${SCRATCH}/svg --manifest ${SCRATCH}/m.txt
                        --only gfx/chips/,gfx/frame/,gfx/captions/en/victory,gfx/backgrounds/background-9,@
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "artgen failed")
endif()
file(MAKE_DIRECTORY ${SCRATCH}/nohand)
execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${SCRATCH}/m.txt -DHAND_DIR=${SCRATCH}/nohand
                        -DGAME_DIR=${SCRATCH}/game -DWORK_DIR=${SCRATCH}/work -DRSVG=${RSVG}
                        -DPNG2JPEG=${PNG2JPEG} -DATLASPACK=${ATLASPACK} -P ${RASTERISE}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "rendering failed")
endif()
file(GLOB_RECURSE outputs RELATIVE ${SCRATCH}/game ${SCRATCH}/game/*)
list(LENGTH outputs count)
if(count LESS 20)
  message(FATAL_ERROR "only ${count} pictures were rendered")
endif()
foreach(rel ${outputs})
  file(SHA256 ${SCRATCH}/game/${rel} again)
  if(NOT EXISTS ${GAME_DIR}/${rel})
    message(FATAL_ERROR "${rel} is not in the built game tree")
  endif()
  file(SHA256 ${GAME_DIR}/${rel} built)
  if(NOT again STREQUAL built)
    message(FATAL_ERROR "${rel} differs from the built one: the pictures are not reproducible")
  endif()
endforeach()
message(STATUS "${count} pictures rendered again byte for byte")
