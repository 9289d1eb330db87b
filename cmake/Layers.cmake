# The layers of src/, from the bottom: each is one folder below src/, built
# into one static library that sees and links only the layers it builds on.
# The build reads this table.
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
