# The layers' headers are included as "layer/File.h". A layer's folder is not
# put on the include path itself: each layer gets a folder in the build tree
# that holds one link, named after the layer, to its source folder, and only a
# target that links the layer sees that folder. A lower layer that includes a
# higher one therefore fails to compile.
function(quil_layer target)
  get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${layer} SYMBOLIC)
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
