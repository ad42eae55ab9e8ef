// File names as the system stores them: bytes. A name that is not valid UTF-8
// travels through QString with each stray byte kept as a lone low surrogate
// (U+DC80..U+DCFF), so it opens and saves under exactly the same bytes.
// Called by every reader and writer of files and by quillmar-batch's arguments.
// Never loses a byte: pathBytes(pathFromBytes(b)) == b for any b without NUL.
#pragma once

#include <QByteArray>
#include <QString>

namespace quill {

QString pathFromBytes(const QByteArray &bytes);
QByteArray pathBytes(const QString &path);

// The reason for a system error number, as the system words it ("No space left on device").
QString systemReason(int error);

} // namespace quill
