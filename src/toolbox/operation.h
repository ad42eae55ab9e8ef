// A toolbox operation as the toolbox window, the batch front end and the tests
// run it: its button's designer name, a short alias, what it does, whether a
// click takes an undo snapshot, and the click itself as a plain function over
// the session. Families of operations add themselves in operation_registry.cpp.
#pragma once

#include "shell/session.h"

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
    // Set for buttons that need a dialog: the batch argument that replaces the click.
    QString replacedInBatchBy = {};
};

// Every operation of every family, in a stable order.
const std::vector<Operation> &allOperations();
// By designer name or alias; nullptr when there is none.
const Operation *findOperation(const QString &nameOrAlias);

} // namespace quill
