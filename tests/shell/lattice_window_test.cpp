// The lattice list on the main frame: what a pick changes (the
// copies, the seam score), that the pick comes back at the next start, and the
// view window's repeat and Save view on the chosen lattice.
#include "shell/menu_bar_window.h"
#include "shell/view_window.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"
#include "toolbox/view_export.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <gtest/gtest.h>

namespace quill {
namespace {

class LatticeWindowTest : public testing::WindowTest {
protected:
    void pick(const QString &label)
    {
        QComboBox *list = frame->latticeList();
        const int index = list->findText(label);
        ASSERT_GE(index, 0) << label.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

TEST_F(LatticeWindowTest, PickingALatticeMovesTheCopiesRescoresAndIsKeptForTheNextStart)
{
    // On the toolbar, right after the seam buttons, starting on the grid.
    QComboBox *list = frame->latticeList();
    auto *toolbar = frame->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    ASSERT_NE(toolbar, nullptr);
    const QList<QAction *> actions = toolbar->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_EQ(toolbar->widgetForAction(actions.last()), list);
    EXPECT_EQ(actions[actions.size() - 2], frame->button(QStringLiteral("r")));
    EXPECT_EQ(list->currentText(), QStringLiteral("Grid"));

    doc.replaceWith(testing::latticeSineTile(Lattice::HalfDrop, 64, 48));
    QApplication::processEvents();
    EXPECT_EQ(frame->seamScoreLabel()->text(), seamLabel(seamScore(doc.picture().Image(), Lattice::Grid).s));
    EXPECT_EQ(frame->seamScoreLabel()->palette().color(QPalette::WindowText), QColor(200, 0, 0));

    pick(QStringLiteral("Half-drop"));
    EXPECT_EQ(doc.lattice(), Lattice::HalfDrop);
    // The copy to the right starts 24 rows further down the picture; the one below does not move.
    EXPECT_EQ(tile(5)->origin(), QPoint(0, 24));
    EXPECT_EQ(tile(7)->origin(), QPoint(0, 0));
    EXPECT_EQ(frame->seamScoreLabel()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(frame->seamScoreLabel()->text(), seamLabel(seamScore(doc.picture().Image(), Lattice::HalfDrop).s));

    // The next start comes up on the same lattice.
    frame.reset();
    Session again(host);
    MainFrame next(again);
    EXPECT_EQ(again.document.lattice(), Lattice::HalfDrop);
    EXPECT_EQ(next.latticeList()->currentText(), QStringLiteral("Half-drop"));
}

TEST_F(LatticeWindowTest, SeamsMenuOffersTheSameChoiceAndShowsTheOneInForce)
{
    auto entry = [this](const char *id) { return frame->menus()->action(QString::fromLatin1(id)); };
    QAction *brick = entry("lattice-brick");
    QAction *grid = entry("lattice-grid");
    ASSERT_NE(brick, nullptr);
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(entry("lattice-half-drop"), nullptr);
    EXPECT_TRUE(grid->isChecked());

    brick->trigger();
    EXPECT_EQ(doc.lattice(), Lattice::Brick);
    EXPECT_EQ(frame->latticeList()->currentText(), QStringLiteral("Brick"));
    EXPECT_TRUE(brick->isChecked());
    EXPECT_FALSE(grid->isChecked());
    // Choosing the lattice in force again keeps it, and its check.
    brick->trigger();
    EXPECT_EQ(doc.lattice(), Lattice::Brick);
    EXPECT_TRUE(brick->isChecked());
    // A pick in the toolbar list shows in the menu.
    pick(QStringLiteral("Grid"));
    frame->menus()->menu(Menu::Seams)->aboutToShow();
    EXPECT_TRUE(grid->isChecked());
    EXPECT_FALSE(brick->isChecked());
}

TEST_F(LatticeWindowTest, TheViewAndSaveViewRepeatOnTheLattice)
{
    const QImage picture = testing::randomImage(23, 17, 2);
    doc.replaceWith(picture);
    pick(QStringLiteral("Brick"));
    frame->toolbarClick(QStringLiteral("k"));
    ViewWindow *view = testing::openWindow<ViewWindow>(frame.get());
    ASSERT_NE(view, nullptr);
    view->resize(view->mosaicRect().size());
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, repeatOnLattice(picture, 10, 10, Lattice::Brick));

    host.saveAnswers.push_back({path(QStringLiteral("brick.png")), 1});
    view->saveViewAction()->trigger();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(QImage(path(QStringLiteral("brick.png"))).convertToFormat(QImage::Format_RGB32), shown);
}

} // namespace
} // namespace quill
