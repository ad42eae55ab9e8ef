#include "backgrounds/fills_and_points.h"

#include "backgrounds/layer_memory.h"
#include "document/pixel_framework.h"
#include "surface/numeric_rules.h"

#include <chrono>

namespace quill {

void fillWithBackground(Surface &layer, Colour back)
{
    layer.BackColor = back;
    layer.setDrawWidth(8000);
    layer.PSet(1, 1, back);
}

void paintPointGround(Surface &work, Colour fore)
{
    work.setScaleMode(ScaleMode::Pixels);
    work.setDrawWidth(5000);
    work.PSet(1, 1, fore);
}

void scatterPoints(Surface &work, Colour back, int n, RandomSource &random)
{
    work.setScaleMode(ScaleMode::Pixels);
    work.setDrawWidth(1);
    for (int i = 0; i <= n; ++i) {
        const double x = random.next() * work.ScaleWidth();
        const double y = random.next() * work.ScaleHeight();
        work.PSet(x, y, back);
    }
}

int pointCountFromAnswer(const QString &answer)
{
    const QByteArray text = answer.toUtf8();
    const auto n = toInt16(leadingNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
    return n ? *n : 0;
}

void sprinklePoints(Surface &layer, Colour fore, RandomSource &random)
{
    layer.setScaleMode(ScaleMode::Points);
    layer.setDrawWidth(1);
    for (int i = 0; i < kSprinkledPoints; ++i) {
        const double x = random.next() * layer.ScaleWidth();
        const double y = random.next() * layer.ScaleHeight();
        layer.PSet(x, y, fore);
    }
}

void appendFillAndPointOperations(std::vector<Operation> &operations)
{
    operations.push_back(Operation{QStringLiteral("Command3"), QStringLiteral("fill"),
                                   QStringLiteral("Fill the picture with the background colour"), 1,
                                   [](Session &session) {
                                       session.TakeUndoSnapshot();
                                       giveLayerOwnRaster(session.document, 0);
                                       fillWithBackground(session.document.picture(), session.state.RightColour);
                                       endOperation(session, OperationLayers::InPlace);
                                   }});
    operations.push_back(Operation{
        QStringLiteral("Command40"), QStringLiteral("points"),
        QStringLiteral("Background-colour points on a foreground ground; asks how many"), 1, [](Session &session) {
            // The snapshot comes before the question, so Undo also follows a Cancel.
            session.TakeUndoSnapshot();
            giveLayerOwnRaster(session.document, 1);
            Surface &work = session.document.layer(1);
            paintPointGround(work, session.state.LeftColour);
            const int n = pointCountFromAnswer(session.host.inputBox(
                QStringLiteral("Enter the number of points:"), QStringLiteral("Quillmar"), QStringLiteral("3000")));
            scatterPoints(work, session.state.RightColour, n, session.random);
            endOperation(session, OperationLayers::TwoLayer);
        }});
    operations.push_back(
        Operation{QStringLiteral("Command52"), QStringLiteral("sprinkle"),
                  QStringLiteral("Sprinkle 1000 foreground points over the picture"), 1, [](Session &session) {
                      session.TakeUndoSnapshot();
                      giveLayerOwnRaster(session.document, 0);
                      // A fresh sequence at every click, so repeated clicks differ.
                      session.random.randomize();
                      sprinklePoints(session.document.picture(), session.state.LeftColour, session.random);
                      endOperation(session, OperationLayers::InPlace);
                  }});
}

} // namespace quill
