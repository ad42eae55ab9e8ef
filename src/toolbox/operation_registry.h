// Every toolbox operation, the filters' and the background generators', in one
// stable list: the button table, the batch front end and the tests look
// operations up here. Families append themselves through operation_families.h.
#pragma once

#include "document/operation.h"

#include <QString>

#include <vector>

namespace quill {

// Every operation of every family, in a stable order.
const std::vector<Operation> &allOperations();
// By designer name or alias; nullptr when there is none.
const Operation *findOperation(const QString &nameOrAlias);

} // namespace quill
