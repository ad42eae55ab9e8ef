#include "backgrounds/generator_operation.h"

#include "backgrounds/layer_memory.h"
#include "document/pixel_framework.h"

namespace quill {

Operation generatorOperation(const char *name, const char *alias, const char *summary, PaintFromColours paint)
{
    return Operation{QString::fromLatin1(name), QString::fromLatin1(alias), QString::fromLatin1(summary), 1,
                     [paint = std::move(paint)](Session &session) {
                         session.TakeUndoSnapshot();
                         giveLayerOwnRaster(session.document, 0);
                         paint(session.document.picture(), session.state.LeftColour, session.state.RightColour);
                         endOperation(session, OperationLayers::InPlace);
                     }};
}

} // namespace quill
