// Helpers shared by the filter family tests: loading a picture into the
// document, clicking an operation by alias, and checking the steps every click
// shares (its snapshots and the nine layers).
#pragma once

#include "support/fixtures.h"
#include "toolbox/operation_registry.h"

#include <QImage>
#include <gtest/gtest.h>

namespace quill::testing {

class FilterTest : public CoreTest {
protected:
    void load(const QImage &picture) { doc.replaceWith(picture); }
    const QImage &picture() const { return doc.picture().Image(); }
    Colour at(int x, int y) const { return pixelAt(picture(), x, y); }

    // Clicks an operation; checks it took the snapshots it promises and left
    // all nine layers showing one picture.
    void click(const QString &alias)
    {
        const Operation *op = findOperation(alias);
        ASSERT_NE(op, nullptr) << alias.toStdString();
        const int before = session.undo.UndoCount;
        op->run(session);
        EXPECT_EQ(session.undo.UndoCount - before, op->snapshots) << alias.toStdString();
        EXPECT_TRUE(allLayersEqual(doc)) << alias.toStdString();
    }
};

} // namespace quill::testing
