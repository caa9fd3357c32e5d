// The part drawing's update while a part is cut: finding the steps in a
// 400-slice stock, and that plus painting the drawing at a pane's size.
// Must stay well under a millisecond, the drawing being redrawn during a run.
#include "simulation/PartDrawingPaint.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kSlices = 400;

// Steps, a chamfer, an arc and a groove: every kind of slice run.
std::vector<double> TurnedShaft()
{
    std::vector<double> r(kSlices, 25.0);
    for (int i = 0; i < kSlices; ++i) {
        if (i < 3)
            r[i] = 12.0 + i;
        else if (i < 60)
            r[i] = 15.0;
        else if (i < 80)
            r[i] = 15.0 + std::sqrt(100.0 - (i - 69.5) * (i - 69.5));
        else if (i < 200)
            r[i] = i >= 120 && i < 124 ? 17.5 : 20.0;
    }
    return r;
}

void BM_FindSteps(benchmark::State& state)
{
    const std::vector<double> r = TurnedShaft();
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseProfile(r, 1.0, 50.0, 0.0));
}
BENCHMARK(BM_FindSteps)->Unit(benchmark::kMicrosecond);

void BM_FindStepsAndPaint(benchmark::State& state)
{
    const std::vector<double> r = TurnedShaft();
    QImage image(800, 300, QImage::Format_RGB32);
    SPartDrawingContent content;
    content.programmed = {{2, 22}, {0, 12}, {-3, 15}, {-60, 15}, {-70, 25}, {-200, 20}};
    for (auto _ : state) {
        content.part = AnalyseProfile(r, 1.0, 50.0, 0.0);
        QPainter painter(&image);
        PaintPartDrawing(painter, QRectF(image.rect()), content);
    }
}
BENCHMARK(BM_FindStepsAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // fonts for the dimensions
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
