#include "toolbox/seam_commands.h"

#include "toolbox/broad_light.h"

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
    rollOnLattice(doc.picture().Image(), sign * dx, sign * dy, result, doc.lattice());
    doc.picture().setPicture(result);
    doc.PropagateCentre();
    seam.shiftedByHalf = !seam.shiftedByHalf;
}

namespace {

// One undo step that replaces the picture with `change` applied to a copy.
void changePicture(Session &session, void (*change)(QImage &, Lattice))
{
    session.TakeUndoSnapshot();
    Document &doc = session.document;
    QImage result = doc.picture().Image().copy();
    change(result, doc.lattice());
    doc.picture().setPicture(result);
    doc.PropagateCentre();
}

} // namespace

void makeSeamlessCommand(Session &session) { changePicture(session, makeSeamless); }

void evenLightingCommand(Session &session) { changePicture(session, evenOutLighting); }

SeamGrade seamGrade(double score)
{
    if (score <= 1.25)
        return SeamGrade::Good;
    if (score <= 2.0)
        return SeamGrade::Fair;
    return SeamGrade::Poor;
}

QString seamWords(double score)
{
    // Far below 1 the band across the seam is flatter than the picture around it:
    // a repair that smeared it, which shows as a soft stripe.
    if (score < 0.75)
        return QStringLiteral("smoothed");
    switch (seamGrade(score)) {
    case SeamGrade::Good:
        return QStringLiteral("seamless");
    case SeamGrade::Fair:
        return QStringLiteral("faint seam");
    case SeamGrade::Poor:
        break;
    }
    return QStringLiteral("visible seam");
}

QString seamLabel(double score)
{
    // Two decimals matter near 1; a big score reads better whole.
    const int decimals = score >= 10 ? 0 : 2;
    return QStringLiteral("Seam %1 %2").arg(score, 0, 'f', decimals).arg(seamWords(score));
}

} // namespace quill
