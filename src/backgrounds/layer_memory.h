// Gives a layer a raster of its own before a generator draws on it. After a
// sync all nine layers share one raster, and the first drawing call would copy
// it into freshly allocated memory; taking the document's scratch raster
// instead reuses the memory the layers let go of at the last sync.
#pragma once

#include "document/document.h"

namespace quill {

void giveLayerOwnRaster(Document &document, int layer);

} // namespace quill
