#include "toolbox/merge_colour.h"

#include "document/operation.h"
#include "document/pixel_framework.h"
#include "toolbox/merge_image.h"

namespace quill {

void mergeTinted(Session &session, Hue hue)
{
    // The merge pixel's grey level in the hue's channels.
    mergeWithBox(
        session, [](QRgb mergePixel, QRgb factor) { return greyOfPixel(mergePixel) * factor; }, hueFactor(hue));
}

void appendMergeColours(std::vector<Operation> &operations)
{
    appendHueButtons(
        operations,
        {
            {"Command84", "merge-blue", "Merge image blue: blend with the merge image turned blue", Hue::Blue},
            {"Command85", "merge-grey", "Merge image gray: blend with the merge image turned grey", Hue::Grey},
            {"Command86", "merge-purple", "Merge image purple: blend with the merge image turned purple", Hue::Purple},
            {"Command87", "merge-yellow", "Merge image yellow: blend with the merge image turned yellow", Hue::Yellow},
            {"Command88", "merge-red", "Merge image red: blend with the merge image turned red", Hue::Red},
            {"Command89", "merge-green", "Merge image green: blend with the merge image turned green", Hue::Green},
        },
        mergeTinted);
}

} // namespace quill
