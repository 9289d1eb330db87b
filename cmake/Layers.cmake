# The layers of src/, from the bottom: each is one folder below src/, built
# into one static library that sees and links only the layers it builds on.
# The build and the include check (CheckIncludes.cmake) both read this table.
set(VELLUMARK_LAYER_NAMES)
macro(vellumark_layer_row layer folder)
  list(APPEND VELLUMARK_LAYER_NAMES ${layer})
  set(VELLUMARK_LAYER_${layer}_FOLDER ${folder})
  set(VELLUMARK_LAYER_${layer}_BELOW ${ARGN})
endmacro()

#                   layer      folder             builds on
vellumark_layer_row(model      model)
vellumark_layer_row(system     system             model)
vellumark_layer_row(net        net                system model)
vellumark_layer_row(widgets    widgets)
vellumark_layer_row(tabdialogs dialogs/adjustment widgets system model)
vellumark_layer_row(tabs       tabs               tabdialogs widgets net system model)
vellumark_layer_row(dialogs    dialogs            tabs tabdialogs widgets net system model)
vellumark_layer_row(app        app                dialogs tabs tabdialogs widgets net system model)

# The layer whose folder holds PATH (relative to src/): the deepest one, so
# that a layer inside another's folder is told apart.
function(vellumark_layer_of path out)
  set(found)
  set(depth 0)
  foreach(layer ${VELLUMARK_LAYER_NAMES})
    set(folder ${VELLUMARK_LAYER_${layer}_FOLDER})
    string(LENGTH "${folder}" length)
    if(path MATCHES "^${folder}/" AND length GREATER depth)
      set(found ${layer})
      set(depth ${length})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
