#include "support/fixtures.h"
#include "toolbox/button_faces.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace quill {
namespace {

int distinctColours(const QImage &image)
{
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

TEST(ButtonFacesTest, EveryToolHasItsOwnDrawing)
{
    std::vector<std::pair<QString, QImage>> faces;
    for (const ToolboxButton &b : toolboxButtons()) {
        if (b.kind != ButtonKind::Tool)
            continue;
        const QImage &face = buttonFace(b);
        EXPECT_EQ(face.size(), QSize(kButtonFaceSize, kButtonFaceSize)) << b.name.toStdString();
        EXPECT_GE(distinctColours(face), 2) << b.name.toStdString(); // something is drawn
        for (const auto &[other, otherFace] : faces)
            EXPECT_NE(face, otherFace) << b.name.toStdString() << " looks like " << other.toStdString();
        faces.emplace_back(b.name, face);
    }
    EXPECT_EQ(faces.size(), 14u);
}

class OperationFaceTest : public testing::CoreTest {};

TEST_F(OperationFaceTest, ShowsTheOperationAppliedToTheSampleWithoutTouchingTheSession)
{
    // An operation that inverts the picture and takes a snapshot, as a real one would.
    Operation invert;
    invert.name = QStringLiteral("Invert");
    invert.run = [](Session &s) {
        s.TakeUndoSnapshot();
        QImage picture = s.document.picture().Image().copy();
        picture.invertPixels();
        s.document.picture().setPicture(picture);
        s.document.PropagateCentre();
    };
    doc.replaceWith(testing::solidImage(12, 12, rgb(1, 2, 3)));
    const QImage face = operationFace(invert);
    QImage expected = faceSample();
    expected.invertPixels();
    EXPECT_EQ(face.convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_NE(expected, expected.mirrored(true, true)); // turns and mirrors show on the sample
    // The user's picture, undo history and working directory are untouched.
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), rgb(1, 2, 3)), 144);
    EXPECT_EQ(session.undo.UndoCount, 0);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace quill
