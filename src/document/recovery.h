// Crash recovery at start-up: a history folder left by a program that is no
// longer running leads to one question; Yes takes its newest picture and its
// undo history into this session, No deletes the folder.
// Called by the main frame once it is up. Never touches a running program's folder.
#pragma once

#include <QString>

namespace quill {

struct Session;

inline const QString kRecoverQuestion = QStringLiteral("Recover the picture from a session that ended unexpectedly?");

// Asks about each abandoned folder, the newest first, until one is recovered.
// True when a picture was recovered.
bool offerRecovery(Session &session);

} // namespace quill
