#include "document/app_state.h"

#include <QFile>

namespace quill {

void SplitColor(AppState &state, std::int64_t colour)
{
    const SplitComponents parts = splitComponents(colour);
    state.SplitRed = parts.red;
    state.SplitGreen = parts.green;
    state.SplitBlue = static_cast<std::int16_t>(parts.blue);
}

bool FileExists(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    return true;
}

} // namespace quill
