// The channel steps: each click adds 20 to, or takes 20 from, one channel, the
// red and green pair (yellow) or all three (white), for every pixel that has
// room for the step; a pixel without room stays as it is. Called by the toolbox
// buttons and the batch front end through the operation table.
#pragma once

#include "document/session.h"

#include <vector>

namespace quill {

struct Operation;

enum class Channel { White, Red, Green, Blue, Yellow };

// One click: snapshot, then every pixel of layer 0 stepped in place, then the copies.
void adjustChannel(Session &session, Channel channel, bool increase);

void appendChannelAdjusts(std::vector<Operation> &operations);

} // namespace quill
