// The window and quillmar-batch give the same pixels for the same buttons: the
// toolbox window's clicks (and the toolbar's Wrap at edges) against a batch
// script of the same aliases on the same picture.
#include "batch/batch_runner.h"
#include "support/window_fixture.h"
#include "surface/image_files.h"
#include "toolbox/operation_registry.h"
#include "toolbox/toolbox_window.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace quill {
namespace {

struct ParityCase {
    const char *name;
    QSize size;
    bool randomPicture; // else white, as --new makes it
    bool wrap;
    std::vector<const char *> aliases;
};

class BatchParityTest : public testing::WindowTest, public ::testing::WithParamInterface<ParityCase> {
protected:
    QImage start(const ParityCase &c)
    {
        return c.randomPicture ? testing::randomImage(c.size.width(), c.size.height(), 17)
                               : testing::solidImage(c.size.width(), c.size.height(), kWhite);
    }

    QImage inWindow(const ParityCase &c)
    {
        doc.replaceWith(start(c));
        if (c.wrap)
            frame->toolbarClick(QStringLiteral("o"));
        auto *toolbox = frame->findChild<ToolboxWindow *>(QStringLiteral("Form2"));
        for (const char *alias : c.aliases)
            toolbox->click(findOperation(QString::fromLatin1(alias))->name);
        return doc.picture().Image().copy();
    }

    std::optional<QImage> inBatch(const ParityCase &c, int clicks)
    {
        EXPECT_TRUE(savePng(start(c), path(QStringLiteral("in.png"))));
        QStringList args{"--open", path(QStringLiteral("in.png")), "--wrap", c.wrap ? "on" : "off"};
        for (int i = 0; i < clicks; ++i)
            args << "--click" << QString::fromLatin1(c.aliases[static_cast<std::size_t>(i)]);
        args << "--save" << path(QStringLiteral("out.png"));
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(runBatch(args, o, e), kBatchOk) << err.toStdString();
        return loadPicture(path(QStringLiteral("out.png")));
    }
};

TEST_P(BatchParityTest, TheWindowAndTheBatchRunnerGiveTheSamePixels)
{
    const ParityCase &c = GetParam();
    const auto batched = inBatch(c, static_cast<int>(c.aliases.size()));
    ASSERT_TRUE(batched.has_value());
    EXPECT_EQ(inWindow(c), *batched);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scripts, BatchParityTest, ::testing::Values(
    ParityCase{"GradientThenMirror", {256, 200}, false, false, {"gradient-tl", "mirror-h"}},
    ParityCase{"AfterWidePens", {40, 36}, true, false, {"mosaic", "blur", "turn-right", "half-turn-twips", "mirror-v", "bands-h"}},
    ParityCase{"WrappingTile", {30, 30}, true, true, {"turn-left", "blur", "mosaic", "shrink", "red-up", "grey"}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace quill
