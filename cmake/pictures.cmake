# Every picture of the game is drawn by tools/picturetool at build time: the
# pictures compiled into the program as resources, and the files of the
# QRX-Images folder laid beside the program.
set(GEN_DIR ${CMAKE_BINARY_DIR}/generated)
set(IMAGES_DIR ${CMAKE_BINARY_DIR}/QRX-Images)

# Each picture at single and double size ("name.gif", "name@2x.gif"), and
# the program's icon at the hicolor theme's sizes.
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(PICTURE_NAMES x.gif o.gif redo.gif purpleo.gif eraser32.png eraser16.png
                  example1.gif example2.gif example3.gif)
set(FOLDER_NAMES blank.gif magglass.gif)
foreach(n RANGE 1 25)
  if(n LESS 10)
    list(APPEND FOLDER_NAMES Puz0${n}.gif)
  else()
    list(APPEND FOLDER_NAMES Puz${n}.gif)
  endif()
endforeach()
# "name.ext" -> "name.ext;name@2x.ext"
function(zentrivo_both_sizes out)
  set(names)
  foreach(name ${ARGN})
    string(REGEX REPLACE "\\.([a-z]+)$" "@2x.\\1" double ${name})
    list(APPEND names ${name} ${double})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
zentrivo_both_sizes(RESOURCE_PICTURES ${PICTURE_NAMES})
foreach(size ${ICON_SIZES})
  list(APPEND RESOURCE_PICTURES zentrivo-${size}.png)
endforeach()
zentrivo_both_sizes(FOLDER_PICTURES ${FOLDER_NAMES})
list(TRANSFORM RESOURCE_PICTURES PREPEND ${GEN_DIR}/pictures/ OUTPUT_VARIABLE RESOURCE_FILES)
list(TRANSFORM FOLDER_PICTURES PREPEND ${IMAGES_DIR}/ OUTPUT_VARIABLE FOLDER_FILES)

# Compiles the drawn pictures into TARGET, under ":/pictures/".
function(zentrivo_add_builtin_pictures target)
  set_source_files_properties(${RESOURCE_FILES} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} pictures PREFIX /pictures BASE ${GEN_DIR}/pictures FILES ${RESOURCE_FILES})
  add_dependencies(${target} pictures)
  # The resources are compiled in an object library of their own, which
  # must wait for the pictures too.
  foreach(resources IN ITEMS ${target}_resources_1 ${target}_other_files)
    if(TARGET ${resources})
      add_dependencies(${resources} pictures)
    endif()
  endforeach()
endfunction()
