# The folders of src/ are layers; a folder may include only itself and the
# folders listed after it here. Read by the build's layer check and by
# CMakeLists.txt, so the order lives in one place.
set(QUILLMAR_LAYER_surface     surface)
set(QUILLMAR_LAYER_document    document surface)
set(QUILLMAR_LAYER_backgrounds backgrounds document surface)
set(QUILLMAR_LAYER_toolbox     toolbox backgrounds document surface)
set(QUILLMAR_LAYER_canvas      canvas document surface)
set(QUILLMAR_LAYER_shell       shell canvas toolbox backgrounds document surface)
set(QUILLMAR_LAYER_batch       batch toolbox backgrounds document surface)
set(QUILLMAR_LAYERS surface document backgrounds toolbox canvas shell batch)

# Widget code lives in files named like these; everything else is core.
set(QUILLMAR_WINDOW_FILE_PATTERN "_window\\.|_dialog\\.|^qt_host\\.")
