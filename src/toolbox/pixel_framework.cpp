#include "toolbox/pixel_framework.h"

namespace quill {

void beginOperation(Session &session, bool takeSnapshot, OperationLayers layers)
{
    if (takeSnapshot)
        session.TakeUndoSnapshot();
    Document &doc = session.document;
    doc.layer(0).setScaleMode(ScaleMode::Pixels);
    doc.layer(0).setDrawWidth(1);
    if (layers == OperationLayers::TwoLayer) {
        doc.layer(1).setScaleMode(ScaleMode::Pixels);
        doc.layer(1).setDrawWidth(1);
    }
}

void endOperation(Session &session, OperationLayers layers)
{
    Document &doc = session.document;
    if (layers == OperationLayers::TwoLayer)
        doc.SyncLayers(1);
    else
        doc.PropagateCentre();
}

} // namespace quill
