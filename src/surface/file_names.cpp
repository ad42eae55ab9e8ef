#include "surface/file_names.h"

#include <cstring>

namespace quill {

namespace {

// Length of the valid UTF-8 sequence starting at p (of at most `left` bytes), or 0.
int validSequence(const unsigned char *p, qsizetype left)
{
    const unsigned char b = p[0];
    int length = 0;
    char32_t code = 0;
    if (b < 0x80)
        return 1;
    if (b >= 0xc2 && b <= 0xdf) {
        length = 2;
        code = b & 0x1f;
    } else if (b >= 0xe0 && b <= 0xef) {
        length = 3;
        code = b & 0x0f;
    } else if (b >= 0xf0 && b <= 0xf4) {
        length = 4;
        code = b & 0x07;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3f);
    }
    // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not text.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return length;
}

} // namespace

QString pathFromBytes(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype run = 0; // start of the pending valid text
    qsizetype i = 0;
    while (i < size) {
        const int length = validSequence(p + i, size - i);
        if (length > 0) {
            i += length;
            continue;
        }
        path += QString::fromUtf8(bytes.constData() + run, i - run);
        path += QChar(static_cast<char16_t>(0xdc00 | p[i]));
        run = ++i;
    }
    path += QString::fromUtf8(bytes.constData() + run, size - run);
    return path;
}

QByteArray pathBytes(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    const qsizetype size = path.size();
    qsizetype run = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = path[i].unicode();
        const bool lone = unit >= 0xdc80 && unit <= 0xdcff && !(i > 0 && path[i - 1].isHighSurrogate());
        if (!lone)
            continue;
        bytes += QStringView(path).mid(run, i - run).toUtf8();
        bytes += static_cast<char>(unit & 0xff);
        run = i + 1;
    }
    bytes += QStringView(path).mid(run).toUtf8();
    return bytes;
}

QString systemReason(int error)
{
    char buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char *text = strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text ? text : buffer);
}

} // namespace quill
