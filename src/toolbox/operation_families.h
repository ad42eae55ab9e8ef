// The list of operation families. Each family appends its operations in a
// function of its own file; this is the one place that names them all.
#pragma once

#include "document/operation.h"

#include <vector>

namespace quill {

using OperationFamily = void (*)(std::vector<Operation> &);

void appendColourConversions(std::vector<Operation> &operations);
void appendChannelAdjusts(std::vector<Operation> &operations);
void appendMirrorRotate(std::vector<Operation> &operations);
void appendMergeColours(std::vector<Operation> &operations);
void appendBlurMosaic(std::vector<Operation> &operations);
void appendMergeImage(std::vector<Operation> &operations);
void appendPatternOperations(std::vector<Operation> &operations); // pattern_operations.cpp

// Add a family by declaring its append function here and listing it below.
void appendGradientOperations(std::vector<Operation> &operations);
void appendCentredFigureOperations(std::vector<Operation> &operations);
void appendStripeOperations(std::vector<Operation> &operations);
void appendCheckerboardOperations(std::vector<Operation> &operations);
void appendFillAndPointOperations(std::vector<Operation> &operations);

inline const std::vector<OperationFamily> &operationFamilies()
{
    // One family a line, so families added side by side merge cleanly.
    // clang-format off
    static const std::vector<OperationFamily> families = {
        appendColourConversions,
        appendChannelAdjusts,
        appendMirrorRotate,
        appendMergeColours,
        appendBlurMosaic,
        appendMergeImage,
        appendPatternOperations,
        appendGradientOperations,
        appendCentredFigureOperations,
        appendStripeOperations,
        appendCheckerboardOperations,
        appendFillAndPointOperations,
    };
    // clang-format on
    return families;
}

} // namespace quill
