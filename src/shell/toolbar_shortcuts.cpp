#include "shell/toolbar_shortcuts.h"

#include <QStringList>

namespace quill {

QList<QKeySequence> toolbarShortcuts(const QString &key)
{
    struct Entry {
        const char *key;
        QList<QKeySequence> sequences;
    };
    // The everyday commands, on the keys every desktop program uses for them.
    static const Entry entries[] = {
        {"a", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {"b", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {"c", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {"l", {QKeySequence(Qt::CTRL | Qt::Key_C)}},
        {"m", {QKeySequence(Qt::CTRL | Qt::Key_V)}},
        {"f", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"g", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"e", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
    };
    for (const Entry &e : entries)
        if (key == QLatin1String(e.key))
            return e.sequences;
    return {};
}

QString tooltipWithShortcuts(const QString &tooltip, const QList<QKeySequence> &keys)
{
    if (keys.isEmpty())
        return tooltip;
    QStringList names;
    for (const QKeySequence &k : keys)
        names << k.toString(QKeySequence::PortableText);
    return tooltip + QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace quill
