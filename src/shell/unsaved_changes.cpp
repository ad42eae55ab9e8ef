#include "shell/unsaved_changes.h"

#include "shell/file_commands.h"

#include <QFileInfo>

namespace quill {

namespace {
const QString kProgramTitle = QStringLiteral("Quillmar");
}

QString documentName(const Session &session)
{
    return session.fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(session.fileName).fileName();
}

QString frameTitle(const Session &session)
{
    if (session.fileName.isEmpty() && !session.modified)
        return kProgramTitle;
    return kProgramTitle + QStringLiteral(" - ") + documentName(session) +
           (session.modified ? QStringLiteral("*") : QString());
}

bool mayQuit(Session &session)
{
    if (!session.modified)
        return true;
    const int answer = session.host.messageBox(QStringLiteral("Save changes to %1?").arg(documentName(session)),
                                               MessageButtons::SaveDiscardCancel, kProgramTitle);
    if (answer == kAnswerYes)
        return SavePicture(session);
    return answer == kAnswerNo;
}

} // namespace quill
