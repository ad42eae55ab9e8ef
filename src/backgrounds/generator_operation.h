// How a background generator becomes a toolbox operation: the click takes the
// undo snapshot, paints the picture layer from the two swatch colours and
// copies the result to the other eight layers. Used by the family files only.
#pragma once

#include "document/operation.h"

#include <functional>

namespace quill {

using PaintFromColours = std::function<void(Surface &layer, Colour fore, Colour back)>;

Operation generatorOperation(const char *name, const char *alias, const char *summary, PaintFromColours paint);

} // namespace quill
