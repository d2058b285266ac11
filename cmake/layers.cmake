# The code is built in layers, each a folder that may include the headers of
# the layers below it and of no other:
#
#   app                                  start-up, window registry, main menu
#   board  files  fillin  help  intro    the windows, which never include each other
#   widgets                              shared controls, pictures, fonts, text fit
#   core                                 Qt-free game logic
#   catalogue                            the puzzles (standard library only)
#
# Each folder gets an include root of its own, holding only a link to the
# folder, so "board/frmlogic.h" is found only by targets that link the board's
# library. A wrong-way include therefore fails to compile.
set(ZENTRIVO_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

# zentrivo_layer(TARGET FOLDER): TARGET's headers live in FOLDER (relative to
# the source tree) and are included as "<name of FOLDER>/header.h".
function(zentrivo_layer target folder)
  get_filename_component(name ${folder} NAME)
  set(root ${ZENTRIVO_LAYER_ROOTS}/${name})
  if(NOT EXISTS ${root}/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${name} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
