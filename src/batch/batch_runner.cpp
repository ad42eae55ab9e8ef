#include "batch/batch_runner.h"

#include "batch/batch_host.h"
#include "document/session.h"
#include "surface/image_files.h"
#include "surface/jpeg_library.h"
#include "toolbox/broad_light.h"
#include "toolbox/button_table.h"
#include "toolbox/merge_image.h"
#include "toolbox/operation_registry.h"
#include "toolbox/pattern_files.h"
#include "toolbox/seam_commands.h"
#include "toolbox/view_export.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <optional>

namespace quill {

namespace {

constexpr int kMaxSide = 16384;

struct UsageError {
    QString message;
};
struct FileError {
    QString message;
};

std::optional<QSize> parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide)
        return std::nullopt;
    return QSize(w, h);
}

std::optional<Colour> parseColour(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-fA-F]{6})$"));
    static const QRegularExpression triple(QStringLiteral("^(\\d{1,3}),(\\d{1,3}),(\\d{1,3})$"));
    if (const auto m = hex.match(text); m.hasMatch()) {
        const uint v = m.captured(1).toUInt(nullptr, 16);
        return rgb(static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255));
    }
    if (const auto m = triple.match(text); m.hasMatch()) {
        const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
        if (r > 255 || g > 255 || b > 255)
            return std::nullopt;
        return rgb(r, g, b);
    }
    return std::nullopt;
}

QString formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png"))
        return suffix;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QStringLiteral("jpg");
    return {};
}

class Script {
public:
    Script(const QStringList &args, QTextStream &out) : args_(args), out_(out)
    {
        session_.undo.recording = false; // batch runs keep no history
    }

    void run()
    {
        while (pos_ < args_.size()) {
            const QString arg = args_[pos_++];
            if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
                out_ << batchUsage();
            else if (arg == QLatin1String("--list"))
                list();
            else if (arg == QLatin1String("--new"))
                newDocument(value(arg));
            else if (arg == QLatin1String("--open"))
                open(value(arg));
            else if (arg == QLatin1String("--fg"))
                session_.state.LeftColour = colour(arg, value(arg));
            else if (arg == QLatin1String("--bg"))
                session_.state.RightColour = colour(arg, value(arg));
            else if (arg == QLatin1String("--answer"))
                host_.inputAnswers.push_back(value(arg));
            else if (arg == QLatin1String("--seed"))
                seed(value(arg));
            else if (arg == QLatin1String("--click"))
                click(value(arg));
            else if (arg == QLatin1String("--save"))
                save(session_.document.picture().Image(), value(arg));
            else if (arg == QLatin1String("--save-tiled"))
                saveTiled(arg);
            else if (arg == QLatin1String("--merge"))
                merge(value(arg));
            else if (arg == QLatin1String("--pattern"))
                pattern(value(arg));
            else if (arg == QLatin1String("--seam-score"))
                printSeamScore();
            else if (arg == QLatin1String("--repetition-score"))
                out_ << repeatLabel(repetitionScore(session_.document.picture().Image())) << '\n';
            else if (arg == QLatin1String("--wrap"))
                wrap(value(arg));
            else if (arg == QLatin1String("--offset-half"))
                offsetByHalf(session_, seam_);
            else if (arg == QLatin1String("--make-seamless"))
                makeSeamlessCommand(session_);
            else if (arg == QLatin1String("--even-lighting"))
                evenLightingCommand(session_);
            else
                throw UsageError{QStringLiteral("unknown argument: %1").arg(arg)};
        }
    }

private:
    QString value(const QString &arg)
    {
        if (pos_ >= args_.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
        return args_[pos_++];
    }

    Colour colour(const QString &arg, const QString &text)
    {
        const auto c = parseColour(text);
        if (!c)
            throw UsageError{QStringLiteral("%1: not a colour (use #rrggbb or r,g,b): %2").arg(arg, text)};
        return *c;
    }

    void wrap(const QString &text)
    {
        if (text != QLatin1String("on") && text != QLatin1String("off"))
            throw UsageError{QStringLiteral("--wrap: on or off, not %1").arg(text)};
        setWrapAtEdges(session_, seam_, text == QLatin1String("on"));
    }

    void seed(const QString &text)
    {
        bool ok = false;
        const qulonglong n = text.toULongLong(&ok);
        if (!ok)
            throw UsageError{QStringLiteral("--seed: not a whole number: %1").arg(text)};
        session_.random.seed(n);
    }

    void newDocument(const QString &text)
    {
        const auto size = parseSize(text);
        if (!size)
            throw UsageError{QStringLiteral("--new: size must be WxH, 1 to %1 each: %2").arg(kMaxSide).arg(text)};
        QImage white(*size, QImage::Format_RGB32);
        if (white.isNull())
            throw FileError{QStringLiteral("--new %1: not enough memory").arg(text)};
        white.fill(Qt::white);
        session_.document.replaceWith(white);
    }

    void open(const QString &path)
    {
        const QFileInfo info(path);
        if (!info.exists())
            throw FileError{QStringLiteral("%1: no such file").arg(path)};
        if (info.isDir())
            throw FileError{QStringLiteral("%1: is a directory").arg(path)};
        const auto picture = loadPicture(path);
        if (!picture)
            throw FileError{QStringLiteral("%1: not a readable BMP, GIF, JPEG or PNG picture").arg(path)};
        session_.document.replaceWith(*picture);
    }

    void click(const QString &name)
    {
        const BatchButton *button = findBatchButton(name);
        if (!button)
            throw UsageError{QStringLiteral("--click: no toolbox button named %1 (see --list)").arg(name)};
        if (!button->replacedBy.isEmpty())
            throw UsageError{QStringLiteral("--click %1: needs a dialog in the program; use %2 instead")
                                 .arg(name, button->replacedBy)};
        // What a click on the toolbox button runs, then the state listeners.
        if (button->run)
            button->run(session_);
        session_.stateChanged();
    }

    void merge(const QString &path)
    {
        if (!loadPicture(path))
            throw FileError{QStringLiteral("%1: not a readable BMP, GIF, JPEG or PNG picture").arg(path)};
        // The same steps as "Open image to merge", with the file as the dialog's answer.
        host_.openAnswers.push_back(FileChoice{path, 1});
        openMergeImage(session_);
        if (!session_.merge.loaded())
            throw FileError{QStringLiteral("%1: could not be loaded as the merge image").arg(path)};
    }

    void pattern(const QString &path)
    {
        const std::size_t before = host_.messages.size();
        if (!loadPatternFile(session_, path)) {
            const QString reason =
                host_.messages.size() > before ? host_.messages.back().text : QStringLiteral("not a pattern file");
            throw FileError{QStringLiteral("%1: %2").arg(path, reason.simplified())};
        }
    }

    void save(const QImage &picture, const QString &path)
    {
        const QString reason = writePictureFile(picture, path);
        if (!reason.isEmpty())
            throw FileError{QStringLiteral("%1: %2").arg(path, reason)};
    }

    void saveTiled(const QString &arg)
    {
        const QString grid = value(arg);
        const QString path = value(arg);
        const auto size = parseSize(grid);
        if (!size || size->width() > 100 || size->height() > 100)
            throw UsageError{QStringLiteral("--save-tiled: repeat must be CxR, 1 to 100 each: %1").arg(grid)};
        const QImage &picture = session_.document.picture().Image();
        if (static_cast<qint64>(picture.width()) * size->width() > 65535 ||
            static_cast<qint64>(picture.height()) * size->height() > 65535)
            throw UsageError{QStringLiteral("--save-tiled %1: the repeat would be too large").arg(grid)};
        save(repeatPicture(picture, size->width(), size->height()), path);
    }

    void printSeamScore()
    {
        const SeamScore score = seamScore(session_.document.picture().Image());
        out_ << QStringLiteral("S_x %1  S_y %2  S %3\n")
                    .arg(score.x, 0, 'f', 3)
                    .arg(score.y, 0, 'f', 3)
                    .arg(score.s, 0, 'f', 3);
    }

    void list()
    {
        for (const BatchButton &b : batchButtons())
            out_ << b.name << '\t' << b.alias << '\t' << b.tooltip << '\t' << b.summary << '\n';
    }

    QStringList args_;
    qsizetype pos_ = 0;
    QTextStream &out_;
    BatchHost host_;
    Session session_{host_};
    SeamState seam_;
};

} // namespace

const std::vector<BatchButton> &batchButtons()
{
    static const std::vector<BatchButton> buttons = [] {
        std::vector<BatchButton> all;
        for (const ToolboxButton &row : toolboxButtons()) {
            const ButtonAction action = buttonAction(row);
            BatchButton b{row.name, buttonAlias(row), row.tooltip, action.summary, action.run, row.batchReplacement};
            if (b.summary.isEmpty())
                b.summary = row.kind == ButtonKind::Inert ? QStringLiteral("does nothing") : row.tooltip;
            if (row.kind == ButtonKind::Tool)
                b.summary = QStringLiteral("chooses the canvas tool \"%1\"").arg(row.tooltip.trimmed());
            all.push_back(std::move(b));
        }
        return all;
    }();
    return buttons;
}

const BatchButton *findBatchButton(const QString &nameOrAlias)
{
    for (const BatchButton &b : batchButtons())
        if (b.name == nameOrAlias || b.alias == nameOrAlias)
            return &b;
    return nullptr;
}

QString writePictureFile(const QImage &picture, const QString &path)
{
    const QString format = formatOf(path);
    if (format.isEmpty())
        return QStringLiteral("unknown file type (use .bmp, .png, .jpg or .jpeg)");
    if (picture.isNull())
        return QStringLiteral("nothing to write");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("is a directory");
    if (!info.absoluteDir().exists())
        return QStringLiteral("the directory does not exist");
    if (format == QLatin1String("bmp"))
        return saveBitmap(picture, path) ? QString() : QStringLiteral("cannot write here");
    if (format == QLatin1String("png"))
        return savePng(picture, path) ? QString() : QStringLiteral("cannot write here");
    // The same encoder and quality as the program's Save.
    if (jpeg::savePictureToJpg(path, picture, jpeg::kJpegQuality, jpeg::kSaveDefault) != 0)
        return jpeg::lastErrorText();
    return {};
}

QString batchUsage()
{
    return QStringLiteral(
        "Usage: quillmar-batch ARGUMENT...\n"
        "Runs the arguments in order on one picture, as the toolbox buttons would.\n"
        "\n"
        "  --new WxH              a white picture of W x H pixels (1 to 16384 each)\n"
        "  --open FILE            the picture from a BMP, GIF, JPEG or PNG file (takes its size)\n"
        "  --fg COLOR, --bg COLOR foreground / background colour: #rrggbb or r,g,b\n"
        "  --merge FILE           loads the merge image, as \"Open image to merge\" does\n"
        "  --pattern FILE         loads a pattern file into the 12 x 12 pattern editor\n"
        "  --answer TEXT          the text typed into the next input box (else it is cancelled)\n"
        "  --seed N               seeds the random generator: same script and seed, same picture\n"
        "  --click NAME           presses a toolbox button by designer name or alias (repeatable)\n"
        "  --save FILE            writes the picture: .bmp, .png, .jpg/.jpeg (quality 75)\n"
        "  --save-tiled CxR FILE  writes the picture repeated C x R times\n"
        "  --wrap on|off          Blur, Mosaic and the quarter turns continue across the edges (off at start)\n"
        "  --offset-half          shifts the picture by half its size with wrap-around; again shifts back\n"
        "  --make-seamless        repairs a band on each side of both seams\n"
        "  --even-lighting        evens out bright and dark patches, keeping the mean brightness\n"
        "  --seam-score           prints how visible the seams are: S_x, S_y and S (about 1 is seamless)\n"
        "  --repetition-score     prints how much bright or dark patches repeat: Repeat R and its band\n"
        "  --list                 lists every toolbox button: name, alias, what it does\n"
        "  --help                 this text\n"
        "\n"
        "Exit status: 0 done, 1 a file could not be read or written, 2 a usage error.\n");
}

int runBatch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << batchUsage();
        return kBatchUsageError;
    }
    try {
        Script script(arguments, out);
        script.run();
    } catch (const UsageError &e) {
        err << "quillmar-batch: " << e.message << '\n';
        return kBatchUsageError;
    } catch (const FileError &e) {
        err << "quillmar-batch: " << e.message << '\n';
        return kBatchFileError;
    }
    return kBatchOk;
}

} // namespace quill
