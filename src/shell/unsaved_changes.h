// Whether the picture has changes that were never saved: the main frame's
// title ("Quillmar - tile.png*") and the question Quit asks before it ends.
// Called by the main frame; core only, it asks through the host and never
// ends the program itself.
#pragma once

#include "document/session.h"

#include <QString>

namespace quill {

// The file's name without its folder, or "Untitled" before the first Open or Save.
QString documentName(const Session &session);
// "Quillmar" for an untouched new picture, else "Quillmar - <name>", with a
// "*" while there are unsaved changes.
QString frameTitle(const Session &session);
// Quit's check: true when the program may end. Unchanged, it ends at once;
// otherwise it asks "Save changes to <name>?": Save runs Save and ends only
// once the file is written, Discard ends, Cancel stays.
bool mayQuit(Session &session);

} // namespace quill
