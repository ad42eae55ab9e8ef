// The magnified canvas: one repaint of a 1024 x 1024 picture at 8x in a
// 1200 x 900 view where four tiles meet (the raster engine scales while it
// blits), the same view at 1x, and a stroke at 8x with the area each move
// repaints against the whole view. A memcpy of the view's pixels is the yardstick.
#include "canvas/canvas_window.h"
#include "shell/main_frame_window.h"
#include "surface/picture_box_window.h"
#include "surface/scripted_host.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kPicture = 1024;
const QSize kView(1200, 900);

QImage noise(int size)
{
    std::mt19937 engine(7);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = 0xff000000u | (engine() & 0xffffffu);
    }
    return image;
}

// The program's main frame around a 1024 x 1024 picture, its canvas sized to
// show a 1200 x 900 view at the given scale, centred where four tiles meet.
struct Program {
    explicit Program(int scale)
    {
        QDir::setCurrent(dir.path());
        frame = std::make_unique<quill::MainFrame>(session);
        frame->endProgram = [] {};
        frame->resize(kView + QSize(300, 300));
        frame->show();
        session.document.replaceWith(noise(kPicture));
        canvas().setZoom(scale);
        auto *sub = qobject_cast<QMdiSubWindow *>(canvas().parentWidget());
        sub->move(0, 0);
        const QSize chrome = sub->size() - canvas().scrollArea()->viewport()->size();
        sub->resize(kView + chrome);
        QApplication::processEvents();
        QScrollArea *scroll = canvas().scrollArea();
        const QPoint meet = canvas().tile(0)->pos(); // the picture's top-left corner
        scroll->horizontalScrollBar()->setValue(meet.x() - scroll->viewport()->width() / 2);
        scroll->verticalScrollBar()->setValue(meet.y() - scroll->viewport()->height() / 2);
        QApplication::processEvents();
    }
    quill::CanvasWindow &canvas() { return *frame->canvas(); }
    QWidget *view() { return canvas().scrollArea()->viewport(); }

    QTemporaryDir dir;
    quill::ScriptedHost host;
    quill::Session session{host};
    std::unique_ptr<quill::MainFrame> frame;
};

void renderView(benchmark::State &state)
{
    Program program(static_cast<int>(state.range(0)));
    QWidget *view = program.view();
    QImage target(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view->render(&target);
        benchmark::ClobberMemory();
    }
    state.counters["view_px"] = view->width() * view->height();
}
BENCHMARK(renderView)->Name("BM_RepaintView")->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond);

// Collects what the tiles repaint.
class PaintRecorder : public QObject {
public:
    qint64 area = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                area += qint64(r.width()) * r.height();
        return false;
    }
};

void send(QWidget *target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A Draw stroke (pen 10) wandering over the view's middle at 8x: one move,
// the picture and its copies updated, and the repaint that follows.
void BM_StrokeMove8x(benchmark::State &state)
{
    Program program(8);
    quill::PictureBox *tile = program.canvas().tile(0);
    // A little inside the picture from the corner at the view's middle.
    const QPoint middle = tile->mapFrom(program.view(), program.view()->rect().center()) + QPoint(30 * 8, 30 * 8);
    PaintRecorder recorder;
    for (int i = 0; i < quill::kLayerCount; ++i)
        program.canvas().tile(i)->installEventFilter(&recorder);
    send(tile, QEvent::MouseMove, middle, Qt::NoButton, Qt::NoButton);
    send(tile, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    recorder.area = 0;
    std::int64_t moves = 0;
    for (auto _ : state) {
        const int step = static_cast<int>(moves % 40) - 20; // a few picture pixels each way
        send(tile, QEvent::MouseMove, middle + QPoint(step * 8, (step / 2) * 8), Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
        ++moves;
    }
    const double view = double(program.view()->width()) * program.view()->height();
    state.counters["repainted_px_per_move"] = double(recorder.area) / double(moves);
    state.counters["view_px"] = view;
    state.counters["repainted_share"] = double(recorder.area) / double(moves) / view;
}
BENCHMARK(BM_StrokeMove8x)->Unit(benchmark::kMillisecond);

// The yardstick: copying as many pixels as the view holds.
void BM_MemcpyView(benchmark::State &state)
{
    const std::size_t bytes = std::size_t(kView.width()) * std::size_t(kView.height()) * 4;
    std::vector<char> a(bytes, 1), b(bytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
