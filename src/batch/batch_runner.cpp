#include "batch/batch_runner.h"

#include "batch/batch_each.h"
#include "batch/batch_host.h"
#include "batch/batch_script.h"
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

#include <QHash>
#include <QRegularExpression>

#include <new>
#include <optional>

namespace quill {

namespace {

constexpr int kMaxSide = 16384;

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

// How many values each argument takes (--each takes every one up to the next "--").
int valueCount(const QString &arg)
{
    static const QHash<QString, int> counts = {
        {"--help", 0},
        {"-h", 0},
        {"--list", 0},
        {"--seam-score", 0},
        {"--new", 1},
        {"--open", 1},
        {"--fg", 1},
        {"--bg", 1},
        {"--answer", 1},
        {"--seed", 1},
        {"--click", 1},
        {"--save", 1},
        {"--merge", 1},
        {"--pattern", 1},
        {"--save-tiled", 2},
        {"--wrap", 1},
        {"--lattice", 1},
        {"--offset-half", 0},
        {"--make-seamless", 0},
        {"--even-lighting", 0},
        {"--repetition-score", 0},
    };
    return counts.value(arg, -1);
}

Colour checkedColour(const QString &arg, const QString &text)
{
    const auto c = parseColour(text);
    if (!c)
        throw BatchUsageError{QStringLiteral("%1: not a colour (use #rrggbb or r,g,b): %2").arg(arg, text)};
    return *c;
}

QSize checkedNewSize(const QString &text)
{
    const auto size = parseSize(text);
    if (!size)
        throw BatchUsageError{QStringLiteral("--new: size must be WxH, 1 to %1 each: %2").arg(kMaxSide).arg(text)};
    return *size;
}

QSize checkedRepeat(const QString &grid)
{
    const auto size = parseSize(grid);
    if (!size || size->width() > 100 || size->height() > 100)
        throw BatchUsageError{QStringLiteral("--save-tiled: repeat must be CxR, 1 to 100 each: %1").arg(grid)};
    return *size;
}

qulonglong checkedSeed(const QString &text)
{
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok);
    if (!ok)
        throw BatchUsageError{QStringLiteral("--seed: not a whole number: %1").arg(text)};
    return n;
}

const BatchButton &checkedButton(const QString &name)
{
    const BatchButton *button = findBatchButton(name);
    if (!button)
        throw BatchUsageError{QStringLiteral("--click: no toolbox button named %1 (see --list)").arg(name)};
    if (!button->replacedBy.isEmpty())
        throw BatchUsageError{
            QStringLiteral("--click %1: needs a dialog in the program; use %2 instead").arg(name, button->replacedBy)};
    return *button;
}

bool checkedWrap(const QString &text)
{
    if (text != QLatin1String("on") && text != QLatin1String("off"))
        throw BatchUsageError{QStringLiteral("--wrap: on or off, not %1").arg(text)};
    return text == QLatin1String("on");
}

Lattice checkedLattice(const QString &text)
{
    const auto lattice = latticeFromKey(text);
    if (!lattice)
        throw BatchUsageError{QStringLiteral("--lattice: must be grid, brick or half-drop: %1").arg(text)};
    return *lattice;
}

void checkOutputName(const QString &arg, const QString &path)
{
    if (pictureTypeOf(path) == PictureType::Unknown)
        throw BatchUsageError{
            QStringLiteral("%1 %2: unknown file type (use .bmp, .png, .jpg or .jpeg)").arg(arg, path)};
}

void checkStep(const BatchStep &step)
{
    const QString &n = step.name;
    if (n == QLatin1String("--new"))
        checkedNewSize(step.values[0]);
    else if (n == QLatin1String("--fg") || n == QLatin1String("--bg"))
        checkedColour(n, step.values[0]);
    else if (n == QLatin1String("--seed"))
        checkedSeed(step.values[0]);
    else if (n == QLatin1String("--click"))
        checkedButton(step.values[0]);
    else if (n == QLatin1String("--save"))
        checkOutputName(n, step.values[0]);
    else if (n == QLatin1String("--save-tiled")) {
        checkedRepeat(step.values[0]);
        checkOutputName(n, step.values[1]);
    } else if (n == QLatin1String("--wrap"))
        checkedWrap(step.values[0]);
    else if (n == QLatin1String("--lattice"))
        checkedLattice(step.values[0]);
}

class Script {
public:
    Script(QTextStream &out, const QString &label) : out_(out), label_(label)
    {
        session_.undo.recording = false; // batch runs keep no history
    }

    // An operation that cannot get its memory ends the run; the files written so far stay.
    void run(const BatchStep &step)
    {
        try {
            runStep(step);
        } catch (const std::bad_alloc &) {
            throw FileError{notEnoughMemory(operationName(step), sizeOf(step))};
        }
    }

private:
    QString operationName(const BatchStep &step) const
    {
        if (step.name == QLatin1String("--click"))
            return step.values[0];
        if (step.name == QLatin1String("--new"))
            return QStringLiteral("a new picture");
        return step.name.mid(2);
    }

    QSize sizeOf(const BatchStep &step) const
    {
        if (step.name == QLatin1String("--new"))
            return checkedNewSize(step.values[0]);
        return session_.document.picture().Image().size();
    }

    void runStep(const BatchStep &step)
    {
        const QString &arg = step.name;
        const QString value = step.values.value(0);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            out_ << batchUsage();
        else if (arg == QLatin1String("--list"))
            list();
        else if (arg == QLatin1String("--new"))
            newDocument(checkedNewSize(value));
        else if (arg == QLatin1String("--open"))
            open(value);
        else if (arg == QLatin1String("--fg"))
            session_.state.LeftColour = checkedColour(arg, value);
        else if (arg == QLatin1String("--bg"))
            session_.state.RightColour = checkedColour(arg, value);
        else if (arg == QLatin1String("--answer"))
            host_.inputAnswers.push_back(value);
        else if (arg == QLatin1String("--seed"))
            session_.random.seed(checkedSeed(value));
        else if (arg == QLatin1String("--click"))
            click(checkedButton(value));
        else if (arg == QLatin1String("--save"))
            save(session_.document.picture().Image(), value);
        else if (arg == QLatin1String("--save-tiled"))
            saveTiled(checkedRepeat(value), step.values[1]);
        else if (arg == QLatin1String("--merge"))
            merge(value);
        else if (arg == QLatin1String("--pattern"))
            pattern(value);
        else if (arg == QLatin1String("--seam-score"))
            printSeamScore();
        else if (arg == QLatin1String("--repetition-score"))
            printRepetitionScore();
        else if (arg == QLatin1String("--wrap"))
            setWrapAtEdges(session_, seam_, checkedWrap(value));
        else if (arg == QLatin1String("--lattice"))
            session_.document.setLattice(checkedLattice(value));
        else if (arg == QLatin1String("--offset-half"))
            offsetByHalf(session_, seam_);
        else if (arg == QLatin1String("--make-seamless"))
            makeSeamlessCommand(session_);
        else if (arg == QLatin1String("--even-lighting"))
            evenLightingCommand(session_);
    }

    void newDocument(QSize size)
    {
        QImage white(size, QImage::Format_RGB32);
        if (white.isNull())
            throw FileError{notEnoughMemory(QStringLiteral("a new picture"), size)};
        white.fill(Qt::white);
        session_.document.replaceWith(white);
    }

    void open(const QString &path)
    {
        QString reason;
        const auto picture = loadPicture(path, &reason);
        if (!picture)
            throw FileError{QStringLiteral("%1: %2").arg(path, reason)};
        session_.document.replaceWith(*picture);
    }

    void click(const BatchButton &button)
    {
        // What a click on the toolbox button runs, then the state listeners.
        if (button.run)
            button.run(session_);
        session_.stateChanged();
    }

    void merge(const QString &path)
    {
        QString reason;
        if (!loadPicture(path, &reason))
            throw FileError{QStringLiteral("%1: %2").arg(path, reason)};
        // The same steps as "Open image to merge", with the file as the dialog's answer.
        host_.openAnswers.push_back(FileChoice{path, 1});
        openMergeImage(session_);
        if (!session_.merge.loaded())
            throw FileError{QStringLiteral("%1: could not be loaded as the merge image").arg(path)};
    }

    void pattern(const QString &path)
    {
        // The program says why on its status line; here the reason ends the run.
        QString reason = QStringLiteral("not a pattern file");
        session_.onReport = [&reason](const QString &text) { reason = text; };
        const bool loaded = loadPatternFile(session_, path);
        session_.onReport = nullptr;
        if (!loaded)
            throw FileError{QStringLiteral("%1: %2").arg(path, reason.simplified())};
    }

    void save(const QImage &picture, const QString &path)
    {
        const QString problem = writePictureFile(picture, path);
        if (!problem.isEmpty())
            throw FileError{problem};
    }

    void saveTiled(QSize grid, const QString &path)
    {
        const QImage &picture = session_.document.picture().Image();
        if (static_cast<qint64>(picture.width()) * grid.width() > 65535 ||
            static_cast<qint64>(picture.height()) * grid.height() > 65535)
            throw FileError{QStringLiteral("Cannot write %1: a %2 x %3 repeat of a %4 x %5 picture is too large")
                                .arg(path)
                                .arg(grid.width())
                                .arg(grid.height())
                                .arg(picture.width())
                                .arg(picture.height())};
        const QImage repeat = repeatOnLattice(picture, grid.width(), grid.height(), session_.document.lattice());
        if (repeat.isNull())
            throw FileError{notEnoughMemory(QStringLiteral("the repeat"), picture.size() * grid.width())};
        save(repeat, path);
    }

    // With many files each figure follows the path of the file it belongs to.
    void printLabel()
    {
        if (!label_.isEmpty())
            out_ << label_ << ": ";
    }

    void printRepetitionScore()
    {
        printLabel();
        out_ << repeatLabel(repetitionScore(session_.document.picture().Image(), session_.document.lattice())) << '\n';
    }

    void printSeamScore()
    {
        const SeamScore score = seamScore(session_.document.picture().Image(), session_.document.lattice());
        printLabel();
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

    QTextStream &out_;
    QString label_;
    BatchHost host_;
    Session session_{host_};
    SeamState seam_;
};

// One line for the terminal: control characters and stray bytes of a file's
// content or name are shown as \xNN instead of moving the cursor or ringing.
QString printable(const QString &message)
{
    QString line;
    line.reserve(message.size());
    for (qsizetype i = 0; i < message.size(); ++i) {
        const char16_t c = message[i].unicode();
        const bool strayByte = c >= 0xdc80 && c <= 0xdcff && !(i > 0 && message[i - 1].isHighSurrogate());
        if (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0) || strayByte)
            line += QStringLiteral("\\x%1").arg(c & 0xff, 2, 16, QLatin1Char('0'));
        else
            line += message[i];
    }
    return line;
}

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
    // JPEG with the same encoder and quality as the program's Save.
    return savePictureAs(picture, path, pictureTypeOf(path), jpeg::kJpegQuality, jpeg::kSaveDefault).error;
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
        "  --lattice NAME         how the picture repeats: grid (the default), brick (rows shifted by\n"
        "                         half a width) or half-drop (columns shifted by half a height); the\n"
        "                         repeat, the seam tools and the scores after it follow it\n"
        "  --save-tiled CxR FILE  writes the picture repeated C x R times on the lattice\n"
        "  --wrap on|off          Blur, Mosaic and the quarter turns continue across the edges (off at start)\n"
        "  --offset-half          shifts the picture by half its size over the lattice; again shifts back\n"
        "  --make-seamless        repairs a band on each side of both seams\n"
        "  --even-lighting        evens out bright and dark patches, keeping the mean brightness\n"
        "  --seam-score           prints how visible the seams are: S_x, S_y and S (about 1 is seamless)\n"
        "  --repetition-score     prints how much bright or dark patches repeat: Repeat R and its band\n"
        "  --each FILE...         runs the rest once per file, as if it began with --open FILE;\n"
        "                         {name} in --save and --save-tiled paths is the file's name without extension\n"
        "  --list                 lists every toolbox button: name, alias, what it does\n"
        "  --version              prints the version\n"
        "  --help                 this text\n"
        "\n"
        "Exit status: 0 done, 1 a file could not be read or written or an operation had not enough\n"
        "memory (with --each: any of them), 2 a usage error (found before anything runs).\n");
}

BatchScript parseBatchScript(const QStringList &arguments)
{
    BatchScript script;
    for (qsizetype pos = 0; pos < arguments.size();) {
        const QString &arg = arguments[pos++];
        if (arg == QLatin1String("--each")) {
            if (script.each)
                throw BatchUsageError{QStringLiteral("--each: only one list of files per run")};
            script.each = true;
            while (pos < arguments.size() && !arguments[pos].startsWith(QLatin1String("--")))
                script.files << arguments[pos++];
            if (script.files.isEmpty())
                throw BatchUsageError{QStringLiteral("--each needs at least one file")};
            continue;
        }
        const int count = valueCount(arg);
        if (count < 0)
            throw BatchUsageError{QStringLiteral("unknown argument: %1").arg(arg)};
        if (pos + count > arguments.size())
            throw BatchUsageError{QStringLiteral("%1 needs a value").arg(arg)};
        BatchStep step{arg, arguments.mid(pos, count)};
        pos += count;
        checkStep(step);
        (script.each ? script.after : script.before).push_back(std::move(step));
    }
    return script;
}

BatchOutcome runBatchSteps(const std::vector<BatchStep> &steps, QTextStream &out, const QString &label)
{
    try {
        Script script(out, label);
        for (const BatchStep &step : steps)
            script.run(step);
    } catch (const BatchUsageError &e) {
        return {kBatchUsageError, printable(e.message)};
    } catch (const FileError &e) {
        return {kBatchFileError, printable(e.message)};
    }
    return {};
}

int runBatch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << batchUsage();
        return kBatchUsageError;
    }
    BatchScript script;
    try {
        script = parseBatchScript(arguments);
        if (script.each)
            checkEachOutputs(script);
    } catch (const BatchUsageError &e) {
        err << "quillmar-batch: " << printable(e.message) << '\n';
        return kBatchUsageError;
    }
    if (script.each)
        return runEach(script, out, err);
    const BatchOutcome outcome = runBatchSteps(script.before, out);
    if (outcome.code != kBatchOk)
        err << "quillmar-batch: " << outcome.error << '\n';
    return outcome.code;
}

} // namespace quill
