#include "document/recovery.h"

#include "document/history_folder.h"
#include "document/session.h"

#include <QDir>

namespace quill {

bool offerRecovery(Session &session)
{
    for (const QString &folder : HistoryFolder::abandoned()) {
        // Another program started at the same moment may have taken it meanwhile.
        if (HistoryFolder::ownerRunning(folder))
            continue;
        // A program that ended before its first step left nothing worth a question.
        if (QDir(folder)
                .entryList({QStringLiteral("undo*.bmp"), QStringLiteral("latest.bmp")}, QDir::Files)
                .isEmpty()) {
            QDir(folder).removeRecursively();
            continue;
        }
        if (session.host.messageBox(kRecoverQuestion, MessageButtons::YesNo, QStringLiteral("Quillmar")) !=
            kAnswerYes) {
            QDir(folder).removeRecursively();
            continue;
        }
        if (session.undo.recover(folder, session.document)) {
            session.stateChanged();
            return true;
        }
    }
    return false;
}

} // namespace quill
