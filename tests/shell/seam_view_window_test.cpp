// The view window's seam marks and "Save view...": what is marked, what is
// written, and what the user is told when it cannot be written.
#include "shell/view_window.h"
#include "support/photo_tiles.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_tools.h"
#include "toolbox/view_export.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::sineTile;

class SeamViewTest : public testing::WindowTest {
protected:
    ViewWindow *openView(const QImage &picture)
    {
        doc.replaceWith(picture);
        frame->toolbarClick(QStringLiteral("k"));
        return testing::openWindow<ViewWindow>(frame.get());
    }
    // The file holds the picture repeated ten times each way, each channel
    // within `tolerance` (0: pixel for pixel).
    static void expectRepeat(const QString &file, const QImage &picture, int tolerance = 0)
    {
        const QImage saved = QImage(file).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(saved.size(), picture.size() * 10) << file.toStdString();
        int off = 0;
        for (int y = 0; y < saved.height(); ++y)
            for (int x = 0; x < saved.width(); ++x) {
                const QRgb s = saved.pixel(x, y), p = picture.pixel(x % picture.width(), y % picture.height());
                off += std::abs(qRed(s) - qRed(p)) > tolerance || std::abs(qBlue(s) - qBlue(p)) > tolerance;
            }
        EXPECT_EQ(off, 0) << file.toStdString();
    }
};

struct SaveCase {
    const char *typed;   // the name typed in the dialog
    int filterIndex;     // the entry chosen
    const char *written; // the file that must appear
    int tolerance = 0;   // JPEG is lossy
};

class SaveViewTest : public SeamViewTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveViewTest, WritesTheTenByTenRepeat)
{
    const QImage picture = sineTile(16, 12); // smooth, so JPEG stays close
    ViewWindow *view = openView(picture);
    ASSERT_NE(view, nullptr);
    host.saveAnswers.push_back({path(QString::fromLatin1(GetParam().typed)), GetParam().filterIndex});
    view->saveViewAction()->trigger();
    EXPECT_EQ(host.saveFilters, std::vector<QString>{kViewSaveFilter});
    EXPECT_TRUE(host.messages.empty());
    expectRepeat(path(QString::fromLatin1(GetParam().written)), picture, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(Formats, SaveViewTest,
                         ::testing::Values(SaveCase{"repeat.png", 1, "repeat.png"},
                                           SaveCase{"repeat.bmp", 1, "repeat.bmp"}, // the name decides
                                           SaveCase{"repeat", 2, "repeat.bmp"},     // the entry decides
                                           SaveCase{"repeat.jpg", 1, "repeat.jpg", 12}));

TEST_F(SeamViewTest, AFileThatCannotBeWrittenIsReportedCancelWritesNothingAndALeftClickCloses)
{
    ViewWindow *view = openView(testing::randomImage(8, 8, 1));
    ASSERT_NE(view, nullptr);
    const QString target = path(QStringLiteral("no such folder/view.png"));
    host.saveAnswers.push_back({target, 1});
    view->saveViewAction()->trigger();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("Cannot write ") + target + QStringLiteral(": No such file or directory"));

    view->saveViewAction()->trigger(); // the scripted dialog answers Cancel
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
    // A right click keeps the view open for its menu.
    QPointer<ViewWindow> watch(view);
    testing::sendMouse(view, QEvent::MouseButtonPress, {20, 20}, Qt::RightButton, Qt::RightButton);
    testing::flushDeletes();
    ASSERT_FALSE(watch.isNull());
    EXPECT_TRUE(view->isVisible());
    testing::sendMouse(view, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton,
                       Qt::LeftButton); // a left click closes it
    testing::flushDeletes();
    EXPECT_TRUE(watch.isNull());
}

TEST(SeamViewLimits, ARepeatTooLargeToHoldIsRefused)
{
    // 4000 x 4000 repeated ten times would be 6.4 GB.
    EXPECT_TRUE(repeatTile(QImage(4000, 4000, QImage::Format_RGB32), 10, Lattice::Grid).isNull());
    EXPECT_EQ(repeatTile(QImage(5, 3, QImage::Format_RGB32), 10, Lattice::Grid).size(), QSize(50, 30));
}

TEST_F(SeamViewTest, ShowSeamsMarksExactlyTheRowsOfASeamOnEveryTileBoundary)
{
    const int w = 40, h = 30;
    QImage picture = sineTile(w, h);
    QPainter(&picture).fillRect(0, 10, 6, 10, Qt::black); // a black band at the left edge of rows 10..19 only
    ViewWindow *view = openView(picture);
    ASSERT_NE(view, nullptr);
    view->resize(view->mosaicRect().size());
    const QImage plain = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    view->showSeamsAction()->setChecked(true);
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(w * 10, h * 10));

    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb original = picture.pixel(x % w, y % h);
            const bool seam = (x % w == 0 || x % w == w - 1) && y % h >= 10 && y % h <= 19;
            wrong += plain.pixel(x, y) != original;
            // A mark stands out in the green channel by at least half its range.
            wrong += seam != (std::abs(qGreen(shown.pixel(x, y)) - qGreen(original)) >= 127);
        }
    EXPECT_EQ(wrong, 0);

    // Saved while the marks, the patch outlines and the dimmed copies show, the file is the clean repeat.
    view->showPatchesAction()->setChecked(true);
    frame->toolbarClick(QStringLiteral("r"));
    ASSERT_TRUE(frame->seamState().dimCopies);
    host.saveAnswers.push_back({path(QStringLiteral("clean.png")), 1});
    view->saveViewAction()->trigger();
    EXPECT_NE(view->shownTile(), picture);
    expectRepeat(path(QStringLiteral("clean.png")), picture);
}

TEST_F(SeamViewTest, ShowPatchesOutlinesTheBrightPatchOnEveryTileAndNothingOnAnEvenTile)
{
    const QSize size(60, 50);
    const QPoint centre(20, 25);
    const QImage blob = testing::blobTile(size, centre, 90);
    ViewWindow *view = openView(blob);
    ASSERT_NE(view, nullptr);
    view->resize(view->mosaicRect().size());
    view->showPatchesAction()->setChecked(true);
    const QImage tile = view->shownTile();
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Changed pixels lie in the patch, on its rim: the middle and the far side stay.
    const std::vector<bool> patch = patchMask(blob, Lattice::Grid);
    ASSERT_FALSE(patch.empty());
    int marked = 0, outside = 0, wrong = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool changed = tile.pixel(x, y) != blob.pixel(x, y);
            marked += changed;
            outside += changed && !patch[static_cast<std::size_t>(y * size.width() + x)];
            for (QPoint copy : {QPoint(0, 0), QPoint(3, 2), QPoint(9, 9)})
                wrong += shown.pixel(copy.x() * size.width() + x, copy.y() * size.height() + y) != tile.pixel(x, y);
        }
    EXPECT_GT(marked, 20);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(tile.pixel(centre), blob.pixel(centre));
    int left = 0, right = 0; // the outline crosses the row through the middle on both sides
    for (int x = 0; x < size.width(); ++x)
        if (tile.pixel(x, centre.y()) != blob.pixel(x, centre.y()))
            (x < centre.x() ? left : right)++;
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);

    view->close();
    testing::flushDeletes();
    ViewWindow *even = openView(testing::blobTile(size, centre, 0));
    ASSERT_NE(even, nullptr);
    even->showPatchesAction()->setChecked(true);
    EXPECT_EQ(even->shownTile(), doc.picture().Image());
}

} // namespace
} // namespace quill
