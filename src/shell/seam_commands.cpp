#include "shell/seam_commands.h"

namespace quill {

void setWrapAtEdges(Session &session, SeamState &seam, bool on)
{
    seam.wrapAtEdges = on;
    session.document.setWrapEdges(on);
}

void offsetByHalf(Session &session, SeamState &seam)
{
    session.TakeUndoSnapshot();
    Document &doc = session.document;
    const int dx = doc.pixelWidth() / 2, dy = doc.pixelHeight() / 2;
    const int sign = seam.shiftedByHalf ? -1 : 1;
    QImage result = doc.takeScratchRaster();
    rollInto(doc.picture().Image(), sign * dx, sign * dy, result);
    doc.picture().setPicture(result);
    doc.PropagateCentre();
    seam.shiftedByHalf = !seam.shiftedByHalf;
}

void makeSeamlessCommand(Session &session)
{
    session.TakeUndoSnapshot();
    Document &doc = session.document;
    QImage result = doc.picture().Image().copy();
    makeSeamless(result);
    doc.picture().setPicture(result);
    doc.PropagateCentre();
}

SeamGrade seamGrade(double score)
{
    if (score <= 1.25)
        return SeamGrade::Good;
    if (score <= 2.0)
        return SeamGrade::Fair;
    return SeamGrade::Poor;
}

QString seamLabel(double score) { return QStringLiteral("Seam %1").arg(score, 0, 'f', 2); }

} // namespace quill
