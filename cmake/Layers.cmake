# The layers of src/, from the bottom: each is one folder directly below src/,
# built into one static library that sees and links only the layers it builds
# on.
# The build and the include check (CheckIncludes.cmake) both read this table.
set(VELLUMARK_LAYER_NAMES)
macro(vellumark_layer_row layer folder)
  list(APPEND VELLUMARK_LAYER_NAMES ${layer})
  set(VELLUMARK_LAYER_${layer}_FOLDER ${folder})
  set(VELLUMARK_LAYER_${layer}_BELOW ${ARGN})
endmacro()

#                   layer      folder     builds on
vellumark_layer_row(model      model)
vellumark_layer_row(system     system     model)
vellumark_layer_row(net        net        system model)
vellumark_layer_row(widgets    widgets)
vellumark_layer_row(tabdialogs tabdialogs widgets system model)
vellumark_layer_row(tabs       tabs       tabdialogs widgets net system model)
vellumark_layer_row(dialogs    dialogs    tabs tabdialogs widgets net system model)
vellumark_layer_row(app        app        dialogs tabs tabdialogs widgets net system model)

# The layer whose folder holds PATH (relative to src/).
function(vellumark_layer_of path out)
  set(found)
  string(REGEX REPLACE "/.*" "" top "${path}")
  foreach(layer ${VELLUMARK_LAYER_NAMES})
    if(top STREQUAL VELLUMARK_LAYER_${layer}_FOLDER)
      set(found ${layer})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
