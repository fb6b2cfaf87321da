// The full render into the real preview box: the renderer, the document edit,
// layout and a synchronous paint, on the offscreen platform. Also a whole
// paste into the input, which adds the line edit's own work.
#include "bench/names.h"
#include "window/qt/mainwindow.h"
#include "window/qt/qtclipboard.h"
#include "window/qt/richtextpreview.h"
#include "window/qt/utf16.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

hueprev::MainWindow *window()
{
    static auto *w = [] {
        auto *created = new hueprev::MainWindow;
        created->show();
        return created;
    }();
    return w;
}

// Layout runs when the edit ends; grab() paints for certain, where repaint()
// may be skipped on the offscreen platform.
void layOutAndPaint(QWidget *box)
{
    QPixmap painted = box->grab();
    benchmark::DoNotOptimize(painted);
}

void fullRender(benchmark::State &state, bool codes)
{
    auto *box = window()->findChild<QTextEdit *>(QStringLiteral("txtOut"));
    const QString name =
        QString::fromStdU16String(hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), codes));
    for (auto _ : state) {
        hueprev::PreviewRuns runs;
        hueprev::renderNickname(hueprev::u16view(name), runs);
        hueprev::RichTextPreviewBox(box).rebuild(runs);
        layOutAndPaint(box->viewport());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// What a player's paste costs end to end: the input takes the text, the
// change re-renders the preview, both boxes lay out and paint.
void paste(benchmark::State &state)
{
    auto *input = window()->findChild<QLineEdit *>(QStringLiteral("txtIn"));
    auto *box = window()->findChild<QTextEdit *>(QStringLiteral("txtOut"));
    const QString name =
        QString::fromStdU16String(hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), true));
    for (auto _ : state) {
        input->clear();
        input->insert(name);
        layOutAndPaint(input);
        layOutAndPaint(box->viewport());
    }
}

// A key typed at the end of a code-dense name in the real window, as the
// page's figure is taken: the line edit's edit, the form (preview slice,
// count, words) and both boxes laid out and painted. Backspace, untimed,
// takes the key out again.
void key(benchmark::State &state)
{
    auto *input = window()->findChild<QLineEdit *>(QStringLiteral("txtIn"));
    auto *box = window()->findChild<QTextEdit *>(QStringLiteral("txtOut"));
    const std::size_t length = static_cast<std::size_t>(state.range(0));
    const std::u16string unit = u"^1ab^2cd^3";
    std::u16string name;
    while (name.size() < length) {
        name += unit;
    }
    name.resize(length);
    input->setText(QString::fromStdU16String(name));
    input->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    for (auto _ : state) {
        QApplication::sendEvent(input, &press);
        layOutAndPaint(input);
        layOutAndPaint(box->viewport());
        state.PauseTiming();
        QApplication::sendEvent(input, &back);
        state.ResumeTiming();
    }
}

} // namespace

// One key a repetition, so that the median reported is the median of 41 keys.
BENCHMARK(key)
    ->Arg(30)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(41)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(fullRender, code_every_6, true)
    ->RangeMultiplier(10)
    ->Range(100, 100'000)
    ->Unit(benchmark::kMillisecond);
// Copy as > Picture on a name: its letters drawn and put on the clipboard.
void picture(benchmark::State &state)
{
    window(); // the window's font
    const std::u16string name = hueprev::bench::nickname(static_cast<std::size_t>(state.range(0)), true);
    hueprev::Picture drawn;
    for (const char16_t c : name) {
        drawn.letters.push_back({std::u16string(1, c), hueprev::colorOf(static_cast<int>(c) % 10)});
    }
    hueprev::QtClipboard clipboard;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clipboard.setPicture(drawn));
    }
}
BENCHMARK(picture)->Arg(30)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(fullRender, no_code, false)
    ->RangeMultiplier(10)
    ->Range(100, 100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(paste)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
