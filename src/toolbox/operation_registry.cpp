#include "toolbox/operation_registry.h"

#include "toolbox/operation_families.h"

namespace quill {

const std::vector<Operation> &allOperations()
{
    static const std::vector<Operation> operations = [] {
        std::vector<Operation> all;
        for (const auto &family : operationFamilies())
            family(all);
        return all;
    }();
    return operations;
}

const Operation *findOperation(const QString &nameOrAlias)
{
    for (const Operation &op : allOperations())
        if (op.name == nameOrAlias || op.alias == nameOrAlias)
            return &op;
    return nullptr;
}

} // namespace quill
