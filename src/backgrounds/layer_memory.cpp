#include "backgrounds/layer_memory.h"

#include <cstring>

namespace quill {

void giveLayerOwnRaster(Document &document, int layer)
{
    Surface &target = document.layer(layer);
    if (target.Image().isDetached())
        return;
    QImage own = document.takeScratchRaster();
    const QImage &current = target.Image();
    if (own.size() != current.size() || own.format() != current.format() ||
        own.bytesPerLine() != current.bytesPerLine())
        return;
    std::memcpy(own.bits(), current.constBits(), static_cast<std::size_t>(current.sizeInBytes()));
    target.setPicture(own);
}

} // namespace quill
