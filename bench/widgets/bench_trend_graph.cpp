// Painting cost of the main window's graph: 221 x 60, 240 samples.
#include "widgets/TrendGraph.h"

#include <QApplication>
#include <QMetaEnum>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "../WidgetsBenchmarkMain.h"

#include <cmath>

namespace {

void shapeLikeMainWindow(TrendGraph &graph, TrendGraph::TTrendStyle style)
{
    graph.resize(221, 60);
    graph.setColor(QColor(126, 161, 200));
    graph.setBackGroundColor(QColor(240, 251, 255));
    graph.setMaxVal(5120);
    graph.setDivisions(240);
    graph.setGridXstep(50);
    graph.setGridYstep(2048);
    graph.setDescret(5120);
    graph.setStyle(style);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    graph.setFont(font);
    graph.setCaption(QStringLiteral("10Kb/s"));
    for (int i = 0; i < TrendGraph::MaxSamples; ++i)
        graph.AddValue(int(3000 + 2500 * std::sin(i / 9.0) + (i % 7) * 300));
}

void BM_PaintFrame(benchmark::State &state)
{
    const auto style = static_cast<TrendGraph::TTrendStyle>(state.range(0));
    const auto options = state.range(1) ? TrendGraph::TTrendOptions(TrendGraph::toValues)
                                        : TrendGraph::TTrendOptions();
    TrendGraph graph;
    shapeLikeMainWindow(graph, style);
    graph.setOptions(options);
    state.SetLabel(std::string(QMetaEnum::fromType<TrendGraph::TTrendStyle>().valueToKey(style)) +
                   std::string(options ? " +values" : ""));
    for (auto _ : state) {
        QImage frame = graph.render();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_AddValue(benchmark::State &state)
{
    TrendGraph graph;
    shapeLikeMainWindow(graph, TrendGraph::tsFilled);
    int i = 0;
    for (auto _ : state)
        graph.AddValue((i++ * 7919) % 12000);
}

} // namespace

BENCHMARK(BM_PaintFrame)
    ->ArgsProduct({{TrendGraph::tsBar, TrendGraph::tsLine, TrendGraph::tsScatter, TrendGraph::ts3D,
                    TrendGraph::tsFilled},
                   {0}})
    ->Args({TrendGraph::tsBar, 1})
    ->Args({TrendGraph::ts3D, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddValue);

int main(int argc, char **argv)
{
    return runWidgetsBenchmarks(argc, argv);
}
