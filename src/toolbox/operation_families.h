// The list of operation families. Each family appends its operations in a
// function of its own file; this is the one place that names them all.
#pragma once

#include "toolbox/operation.h"

#include <vector>

namespace quill {

using OperationFamily = void (*)(std::vector<Operation> &);

void appendPatternOperations(std::vector<Operation> &operations); // pattern_operations.cpp

// Add a family by declaring its append function here and listing it below.
inline const std::vector<OperationFamily> &operationFamilies()
{
    static const std::vector<OperationFamily> families = {
        appendPatternOperations,
    };
    return families;
}

} // namespace quill
