#include "toolbox/pattern_files.h"

#include "document/app_state.h"
#include "document/session.h"
#include "surface/file_reading.h"
#include "surface/safe_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace quill {

namespace {

// A pattern file is about 1.5 KB; anything far larger is not one, and is not read whole.
constexpr qint64 kLargestPatternFile = 64 * 1024;
constexpr int kLongestName = 200;

QString notAPattern(const QString &path, const QString &reason)
{
    return QStringLiteral("\"%1\" is not a pattern file: %2.").arg(QFileInfo(path).fileName(), reason);
}

} // namespace

QString patternsFolder(const Pattern &pattern)
{
    if (!pattern.folder.isEmpty())
        return pattern.folder;
    // An installed program cannot write beside itself.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("patterns"));
}

QString shippedPatternsFolder()
{
    const QString folder =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quillmar/patterns"));
    return QFileInfo(folder).isDir() ? folder : QString();
}

std::vector<PatternFile> listPatterns(const QString &userFolder, const QString &shippedFolder)
{
    std::vector<PatternFile> files;
    QStringList taken;
    for (const QString &name : listPatternFiles(userFolder)) {
        files.push_back({name, QDir(userFolder).filePath(name), false});
        taken << name.toLower();
    }
    if (!shippedFolder.isEmpty())
        for (const QString &name : QDir(shippedFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
            if (!taken.contains(name.toLower()))
                files.push_back({name, QDir(shippedFolder).filePath(name), true});
    std::stable_sort(files.begin(), files.end(), [](const PatternFile &a, const PatternFile &b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return files;
}

QString ensurePatternsFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists())
        return QStringLiteral("\"%1\" is a file, not a folder").arg(QDir::toNativeSeparators(folder));
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder \"%1\" cannot be created").arg(QDir::toNativeSeparators(folder));
    return {};
}

QStringList listPatternFiles(const QString &folder)
{
    if (!ensurePatternsFolder(folder).isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

PatternRead readPatternFile(const QString &path)
{
    // Only a regular file of bounded size: /dev/zero or a FIFO would never end.
    const ReadableFile file(path, kLargestPatternFile);
    if (!file.isOpen()) {
        if (file.error() == QLatin1String("too large"))
            return {std::nullopt, notAPattern(path, QStringLiteral("it is far larger than 144 lines"))};
        return {std::nullopt, QStringLiteral("The pattern file \"%1\" cannot be opened: %2.")
                                  .arg(QFileInfo(path).fileName(), file.error())};
    }
    const QByteArray content(reinterpret_cast<const char *>(file.data()), file.size());

    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    if (lines.size() != kPatternCells)
        return {std::nullopt,
                notAPattern(path,
                            QStringLiteral("it has %1 lines, a pattern has %2").arg(lines.size()).arg(kPatternCells))};

    PatternValues values;
    for (int k = 0; k < kPatternCells; ++k) {
        QByteArray line = lines[k];
        if (line.endsWith('\r'))
            line.chop(1);
        line = line.trimmed();
        const int lineNumber = k + 1;
        if (line.size() < 2 || !line.startsWith('"') || !line.endsWith('"'))
            return {std::nullopt,
                    notAPattern(path, QStringLiteral("line %1 is not a value in double quotes").arg(lineNumber))};
        const QString value = QString::fromLatin1(line.mid(1, line.size() - 2));
        if (value != QLatin1String("T") && !value.isEmpty() && !cellColour(value)) {
            bool digitsOnly = !value.isEmpty();
            for (QChar ch : value)
                digitsOnly = digitsOnly && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
            if (digitsOnly)
                return {std::nullopt,
                        notAPattern(path, QStringLiteral("line %1 holds the colour %2, beyond the largest colour %3")
                                              .arg(lineNumber)
                                              .arg(value)
                                              .arg(kLargestColour))};
            return {std::nullopt, notAPattern(path, QStringLiteral("line %1 holds \"%2\", which is neither T nor a "
                                                                   "colour number")
                                                        .arg(lineNumber)
                                                        .arg(value.left(40)))};
        }
        values[static_cast<std::size_t>(k)] = value;
    }
    return {values, {}};
}

QString writePatternFile(const QString &path, const PatternValues &cells)
{
    QByteArray content;
    content.reserve(kPatternCells * 12);
    for (const QString &cell : cells) {
        content += '"';
        content += cell.toLatin1();
        content += "\"\r\n";
    }
    return writeFileSafely(path,
                           [&content](FileSink &sink) {
                               return sink.write(content.constData(), static_cast<std::size_t>(content.size()));
                           })
        .error;
}

QString patternNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Type a name for the pattern.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\".\" and \"..\" cannot be pattern names.");
    if (name.size() > kLongestName)
        return QStringLiteral("A pattern name can have at most %1 characters.").arg(kLongestName);
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    for (QChar ch : name)
        if (reserved.contains(ch) || ch.unicode() < 32 || ch.unicode() == 127)
            return QStringLiteral("A pattern name cannot contain / \\ : * ? \" < > | or control characters.");
    return {};
}

bool loadPatternFile(Session &session, const QString &path)
{
    const PatternRead read = readPatternFile(path);
    if (!read.values) {
        // The dialog shows the reason beside the list; the status line keeps it after.
        session.report(read.error);
        return false;
    }
    for (int k = 0; k < kPatternCells; ++k)
        session.pattern.setCell(k, (*read.values)[static_cast<std::size_t>(k)]);
    session.stateChanged();
    return true;
}

std::optional<std::array<Colour, kPatternCells>> previewPatternFile(Session &session, const QString &path,
                                                                    QString &error)
{
    const PatternRead read = readPatternFile(path);
    if (!read.values) {
        error = read.error;
        return std::nullopt;
    }
    error.clear();
    std::array<Colour, kPatternCells> shown{};
    for (int k = 0; k < kPatternCells; ++k) {
        const QString &value = (*read.values)[static_cast<std::size_t>(k)];
        session.pattern.PatternCells[static_cast<std::size_t>(k)] = value;
        shown[static_cast<std::size_t>(k)] = gridColourOf(value);
    }
    return shown;
}

bool savePatternAs(Session &session, const QString &name)
{
    Host &host = session.host;
    if (const QString problem = patternNameProblem(name); !problem.isEmpty()) {
        host.messageBox(problem, MessageButtons::Ok, kSavePatternTitle);
        return false;
    }
    const QString folder = patternsFolder(session.pattern);
    if (const QString problem = ensurePatternsFolder(folder); !problem.isEmpty()) {
        host.messageBox(QStringLiteral("The pattern cannot be saved: %1.").arg(problem), MessageButtons::Ok,
                        kSavePatternTitle);
        return false;
    }
    const QString path = QDir(folder).filePath(name);
    if (FileExists(path) && host.messageBox(kOverwriteQuestion, MessageButtons::YesNo, kOverwriteTitle) != kAnswerYes)
        return false;
    if (const QString problem = writePatternFile(path, session.pattern.PatternCells); !problem.isEmpty()) {
        host.messageBox(problem, MessageButtons::Ok, kSavePatternTitle);
        return false;
    }
    return true;
}

} // namespace quill
