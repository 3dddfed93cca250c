// SPDX-License-Identifier: GPL-3.0-or-later
// What one press of Draw costs, measured on the real window offscreen. Not a test: run it by
// hand (see docs/performance.md). Extra modes: --startup times the window's start-up and then
// the first press of the fresh process,
// --presses N reports peak memory after N presses, --write-table PATH writes the 5000-record
// table.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "chart/ChainActivity.h"
#include "chart/ChartLayout.h"
#include "chart/DrawCommand.h"
#include "chart/HalfLifeColour.h"
#include "chart/LabelPlan.h"
#include "chart/MassQuantities.h"
#include "chart/RecordedSurface.h"
#include "chart/Region.h"
#include "chart/Viewport.h"
#include "image/FrameRenderer.h"
#include "image/ImageSurface.h"
#include "image/Png.h"
#include "image/Poster.h"
#include "table/LoadFile.h"
#include "window/ChartArea.h"
#include "window/frmMain.h"

using namespace nuklorama;

namespace {

QTemporaryDir* g_dir = nullptr;

QByteArray ShippedTable() {
    QFile file(NUKLORAMA_SOURCE_DIR "/data/nuklorama.csv");
    if (!file.open(QIODevice::ReadOnly)) qFatal("no shipped table");
    return file.readAll();
}

// The shipped table grown to 5000 records with plausible nuclides beyond the known ones on both
// sides of each row, keeping the same largest Z and N.
QByteArray GrownTable() {
    QByteArray table = ShippedTable();
    std::map<int, std::set<int>> known;
    int records = 0;
    for (const QByteArray& line : table.split('\n').mid(1)) {
        const QList<QByteArray> f = line.split(',');
        if (f.size() < 7) continue;
        known[f[1].toInt()].insert(f[2].toInt());
        ++records;
    }
    for (int width = 1; records < 5000; ++width) {
        for (auto& [z, ns] : known) {
            if (z < 1 || records >= 5000) continue;
            for (const int n : {*ns.begin() - width, *ns.rbegin() + width}) {
                if (n < 0 || n > 177 || records >= 5000) continue;
                table += QByteArray::number(z + n) + "X," + QByteArray::number(z) + "," +
                         QByteArray::number(n) + "," + QByteArray::number(z + n) + ",X,1.5,ms\r\n";
                ++records;
            }
        }
    }
    return table;
}

void UseTable(bool grown) {
    static const QByteArray shipped = ShippedTable(), larger = GrownTable();
    QFile file(QDir(g_dir->path()).filePath(kTableFileName));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the table");
    file.write(grown ? larger : shipped);
}

// The real window, its chart area 1200 × 800 device pixels unless said otherwise.
std::unique_ptr<frmMain> ChartWindow(QSize size = {1200, 800}) {
    auto window = std::make_unique<frmMain>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("window not shown");
    for (int i = 0; i < 3; ++i) {
        const QSize area = window->picEl->size();
        window->resize(window->size() + size - area);
    }
    if (window->picEl->size() != size) qFatal("chart area is not of the size asked for");
    return window;
}

class NoPrompts : public UserInterface {
public:
    Answer MsgBox(const std::string& text, Buttons, Icon) override { qFatal("%s", text.c_str()); }
    void SetPointer(Pointer) override {}
    [[noreturn]] void EndProgram(int) override { qFatal("table missing"); }
};

void BM_Load(benchmark::State& state) {
    UseTable(state.range(0) == 5000);
    auto table = std::make_unique<NuclideTable>();
    NoPrompts ui;
    for (auto _ : state)
        LoadFile(kTableFileName, *table, ui);
    state.counters["records"] = table->NuclideCount;
}

void BM_Colours(benchmark::State& state) {
    UseTable(state.range(0) == 5000);
    auto table = std::make_unique<NuclideTable>();
    NoPrompts ui;
    LoadFile(kTableFileName, *table, ui);
    for (auto _ : state) {
        for (int i = 1; i <= table->NuclideCount; ++i)
            benchmark::DoNotOptimize(HalfLifeColour(table->HalfLife[i], table->HalfLifeUnit[i]));
    }
}

void BM_Press(benchmark::State& state) {
    UseTable(state.range(0) == 5000);
    const auto window = ChartWindow();
    for (auto _ : state)
        window->cmdDraw_Click();
    state.counters["cell"] = window->State().CellSize;
}

void BM_PressAndRepaint(benchmark::State& state) {
    UseTable(state.range(0) == 5000);
    const auto window = ChartWindow();
    for (auto _ : state) {
        window->cmdDraw_Click();
        window->picEl->repaint();
    }
}

void BM_FirstPressOfANewWindow(benchmark::State& state) {
    UseTable(true);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = ChartWindow();
        state.ResumeTiming();
        window->cmdDraw_Click();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// A press of Draw as PressDraw makes it on the shipped table, into a 1200 × 800 image: fields 7
// to 9 left unread (0) or read (1), and the cells by half-life or, with them read, by decay
// mode (2) or by a quantity of the masses (3 to 17 in Colouring's order, worked out as a press
// works it out; to weigh against 1).
void BM_PressReadingExtraFields(benchmark::State& state) {
    UseTable(false);
    const bool read = state.range(0) > 0;
    const Colouring colouring =
        state.range(0) >= 2 ? Colouring(state.range(0) - 1) : Colouring::HalfLife;
    ImageSurface area(1200, 800, 15);
    auto chart = std::make_unique<ChartState>();
    NoPrompts ui;
    for (auto _ : state) {
        LoadFile(kTableFileName, chart->table, ui, read ? &chart->extras : nullptr);
        chart->CellSize = ComputeCellSize(area, chart->table.MaxZ, chart->table.MaxN);
        chart->quantities = QuantitiesFor(colouring, {}, chart->table, chart->extras, nullptr);
        area.Cls();
        DrawChartAs(colouring, chart->table, chart->extras, chart->CellSize, {}, area,
                    chart->quantities);
    }
}

// The pass over a loaded shipped table that works out the quantities of the masses: one, as a
// view asks for it (0), or all of them, as the export does (1); to weigh against a press
// (BM_PressReadingExtraFields/1).
void BM_MassQuantities(benchmark::State& state) {
    const std::vector<MassQuantity> which =
        state.range(0) == 0 ? std::vector{MassQuantity::Sn} : AllMassQuantities();
    UseTable(false);
    auto chart = std::make_unique<ChartState>();
    NoPrompts ui;
    LoadFile(kTableFileName, chart->table, ui, &chart->extras);
    for (auto _ : state)
        benchmark::DoNotOptimize(MassQuantities(chart->table, chart->extras, which));
}

// What the renderer does after start-up: load, draw as boxes and encode the PNG.
void BM_RenderPng(benchmark::State& state) {
    UseTable(true);
    NoPrompts ui;
    auto chart = std::make_unique<ChartState>();
    const int side = int(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        RecordedSurface boxes(side * 3 / 2, side, 15);
        PressDraw(kTableFileName, *chart, boxes, ui, {});
        bytes = std::size_t(PngBytes(boxes).size());
    }
    state.counters["bytes"] = double(bytes);
}

// The index by Z and N that the pointer, the keyboard, find and the labels read, built once per
// press.
void BM_CellIndex(benchmark::State& state) {
    UseTable(state.range(0) == 5000);
    auto table = std::make_unique<NuclideTable>();
    NoPrompts ui;
    LoadFile(kTableFileName, *table, ui);
    for (auto _ : state)
        benchmark::DoNotOptimize(CellIndex(*table).At(92, 146));
}

// ²³⁸U's decay chain from the shipped table's index, and with argument 1 every member's activity
// a million years on: what the window redraws at each zoom and pan step.
void BM_UraniumChain(benchmark::State& state) {
    UseTable(false);
    auto table = std::make_unique<NuclideTable>();
    ExtraFieldTable extras;
    NoPrompts ui;
    LoadFile(kTableFileName, *table, ui, &extras);
    const CellIndex cells(*table);
    for (auto _ : state) {
        const DecayChain chain = BuildDecayChain({92, 146, 0}, *table, cells, extras);
        if (state.range(0) == 1) benchmark::DoNotOptimize(ChainActivities(chain, 3.1556926e13));
        benchmark::DoNotOptimize(chain.members.data());
    }
}

// The shipped table in process, load included: argument 0 a plain 1200 × 800 PNG, 1 an A0
// poster with labels asked for, legend and title (its cells too small for readable labels), 2 the
// same of Z 40 to 100 and N 60 to 160, every cell with its name and half-life, as nuklorama-cli
// writes them.
void BM_RenderShipped(benchmark::State& state) {
    UseTable(false);
    NoPrompts ui;
    auto chart = std::make_unique<ChartState>();
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            RecordedSurface boxes(1200, 800, 15);
            PressDraw(kTableFileName, *chart, boxes, ui, {});
            bytes = std::size_t(PngBytes(boxes).size());
            continue;
        }
        LoadFile(kTableFileName, chart->table, ui);
        const Region region =
            state.range(0) == 1 ? WholeChart(chart->table) : Region{40, 100, 60, 160};
        const CellColouring colours = HalfLifeColouring(chart->table);
        const Poster poster({*PaperNamed("A0"), std::nullopt}, region, {},
                            {true, "NUBASE2020 ground states"});
        bytes = std::size_t(poster.Pdf(chart->table, colours, true).size());
    }
    state.counters["bytes"] = double(bytes);
}

// One frame of the zoomed view at 1920 × 1080 device pixels: the renderer draws the visible part
// at the cell size, then the labels; each frame is panned by a few pixels. At 35 pixels per cell,
// the smallest with labels, the labels are the most there can be. Second argument 1: in the S_n
// view, its values under the names.
void BM_ViewFrame(benchmark::State& state) {
    UseTable(false);
    auto table = std::make_unique<NuclideTable>();
    auto extras = std::make_unique<ExtraFieldTable>();
    NoPrompts ui;
    LoadFile(kTableFileName, *table, ui, extras.get());
    const CellIndex cells(*table);
    const Colouring shownBy = state.range(1) != 0 ? Colouring::Sn : Colouring::HalfLife;
    const auto quantities = QuantitiesFor(shownBy, {}, *table, *extras, nullptr);
    const CellColouring colours = ColouringOf(shownBy, *table, *extras, quantities);
    const auto s = std::int16_t(state.range(0));
    QImage view(1920, 1080, QImage::Format_RGB32);
    LabelGlyphs labels;
    const int width = 1920 * s / 10, height = 1080 * s / 10;  // the fit's cell is 10 pixels
    Frame shown = ChartFrame(*table, &cells, colours, shownBy, {}, 15, {});
    shown.quantities = quantities.get();
    shown.labels = ScreenLabels(s, 1);
    int frame = 0;
    for (auto _ : state) {
        const int offsetX = 40 * s + (frame * 7) % (8 * s), offsetY = 50 * s;
        shown.view = Viewport::Zoomed(s, width, height, offsetX, offsetY, 1920, 1080);
        FrameRenderer(shown).Draw(view, labels);
        ++frame;
    }
}

// A zoom step in the window, chart area 1920 × 1080: Ctrl+wheel in or out between the first two
// cell sizes with labels, and the repaint that shows it. Argument 0: the fit's repaint alone.
void BM_WindowZoomStep(benchmark::State& state) {
    UseTable(false);
    const auto window = ChartWindow({1920, 1080});
    window->cmdDraw_Click();
    ChartArea* area = window->picEl;
    const QPointF middle(960, 700);
    const auto wheel = [&](int angle) {
        QWheelEvent event(middle, area->mapToGlobal(middle), {}, {0, angle}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &event);
    };
    while (state.range(0) != 0 && area->View().CellSize() < SmallestNamedCell(1))
        wheel(120);
    int angle = -120;  // in first, so that both sizes carry labels
    for (auto _ : state) {
        if (state.range(0) != 0) wheel(angle = -angle);
        area->repaint();
    }
    state.counters["cell"] = area->View().CellSize();
}

BENCHMARK(BM_Load)->Arg(3558)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Colours)->Arg(3558)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Press)->Arg(3558)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressAndRepaint)->Arg(3558)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressReadingExtraFields)->DenseRange(0, 17)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MassQuantities)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPng)->Arg(800)->Arg(3200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderShipped)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPressOfANewWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_UraniumChain)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellIndex)->Arg(3558)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewFrame)
    ->Args({24, 0})
    ->Args({35, 0})
    ->Args({48, 0})
    ->Args({128, 0})
    ->Args({24, 1})
    ->Args({35, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowZoomStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    QDir::setCurrent(dir.path());

    const QString mode = argc > 1 ? QString(argv[1]) : QString();
    if (mode == "--startup") {
        // From the application's creation to the window shown on screen.
        frmMain window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return 1;
        const double startup = double(sinceStart.nsecsElapsed()) / 1e6;
        // Then the first press of this fresh process, on the 5000-record table.
        UseTable(true);
        const auto chart = ChartWindow();
        QElapsedTimer press;
        press.start();
        chart->cmdDraw_Click();
        std::printf("startup_ms %.3f first_press_ms %.3f\n", startup,
                    double(press.nsecsElapsed()) / 1e6);
        return 0;
    }
    if (mode == "--write-table" && argc > 2) {
        // The 5000-record table, for timing the renderer and other programs on it.
        QFile out(QString::fromLocal8Bit(argv[2]));
        return out.open(QIODevice::WriteOnly) && out.write(GrownTable()) > 0 ? 0 : 1;
    }
    if (mode == "--presses") {
        UseTable(true);
        const auto window = ChartWindow();
        const int presses = argc > 2 ? std::atoi(argv[2]) : 600;
        window->cmdDraw->click();
        const long afterOne = PeakKiB();
        for (int i = 1; i < presses; ++i) {
            window->cmdDraw->click();
            QApplication::processEvents();
        }
        std::printf("peak_kib_after_1 %ld\npeak_kib_after_%d %ld\n", afterOne, presses, PeakKiB());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
