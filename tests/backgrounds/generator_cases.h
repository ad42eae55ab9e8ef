// Shared by the background generator tests: a generator run the way a toolbox
// click runs it, on a picture of a chosen size and content.
#pragma once

#include "support/fixtures.h"
#include "toolbox/operation_registry.h"

#include <vector>

namespace quill::testing {

inline constexpr Colour kOldPicture = rgb(255, 0, 255);

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

} // namespace quill::testing
