#include "toolbox/operation_registry.h"

#include "document/pixel_framework.h"
#include "toolbox/operation_families.h"

namespace quill {

const std::vector<Operation> &allOperations()
{
    static const std::vector<Operation> operations = [] {
        std::vector<Operation> all;
        for (const auto &family : operationFamilies())
            family(all);
        // Whatever the window, the batch front end or a test clicks, the
        // operation sees the same layers and leaves them as it found them.
        for (Operation &op : all)
            op.run = [run = std::move(op.run)](Session &session) {
                const OperationScope scope(session.document);
                run(session);
            };
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
