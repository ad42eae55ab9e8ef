// A toolbox operation as the toolbox window, the batch front end and the tests
// run it: its button's designer name, a short alias, what it does, whether a
// click takes an undo snapshot, and the click itself as a plain function over
// the session. The toolbox's registry lists every family's operations.
#pragma once

#include "document/session.h"

#include <QString>

#include <functional>
#include <vector>

namespace quill {

struct Operation {
    QString name;                       // designer name of the button, "Command91"
    QString alias;                      // short lower-case name, "grey"
    QString summary;                    // one line: what a click does
    int snapshots = 1;                  // undo snapshots one click takes
    std::function<void(Session &)> run; // the whole click, snapshot included
};

} // namespace quill
