// The host of a batch run: no desktop. Input boxes take the text given with
// --answer (once), everything else answers as Cancel. Nothing is ever shown.
#pragma once

#include "surface/scripted_host.h"

namespace quill {

class BatchHost : public ScriptedHost {};

} // namespace quill
