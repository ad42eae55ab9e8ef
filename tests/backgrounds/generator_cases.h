// Shared by the background generator tests: a generator run the way a toolbox
// click runs it, on a picture of a chosen size and content, and a table row of
// colours expected at chosen pixels (worked out by hand from the formulas).
#pragma once

#include "support/fixtures.h"
#include "toolbox/operation_registry.h"

#include <ostream>
#include <vector>

namespace quill::testing {

inline constexpr Colour kOldPicture = rgb(255, 0, 255);

struct Expect {
    int x, y;
    Colour colour;
};

struct GeneratorCase {
    const char *alias;
    int width, height;
    Colour fore, back;
    std::vector<Expect> points;
};

inline std::ostream &operator<<(std::ostream &os, const GeneratorCase &c)
{
    return os << c.alias << " on " << c.width << " x " << c.height << ", colours " << c.fore << " / " << c.back;
}

// Lays out a picture of width x height pixels, filled with `old`.
inline void preparePicture(Session &session, int width, int height, Colour old = kOldPicture)
{
    session.document.replaceWith(solidImage(width, height, old));
}

// One click of the toolbox button behind the alias.
inline void click(Session &session, const char *alias, Colour fore, Colour back)
{
    const Operation *op = findOperation(QString::fromLatin1(alias));
    ASSERT_NE(op, nullptr) << alias;
    session.state.LeftColour = fore;
    session.state.RightColour = back;
    op->run(session);
}

// Runs the case and compares every listed pixel.
inline void expectCase(Session &session, const GeneratorCase &c)
{
    preparePicture(session, c.width, c.height);
    click(session, c.alias, c.fore, c.back);
    const QImage &image = session.document.picture().Image();
    ASSERT_EQ(image.size(), QSize(c.width, c.height));
    for (const Expect &e : c.points)
        EXPECT_EQ(pixelAt(image, e.x, e.y), e.colour) << "at (" << e.x << ", " << e.y << ")";
    EXPECT_TRUE(allLayersEqual(session.document));
}

} // namespace quill::testing
