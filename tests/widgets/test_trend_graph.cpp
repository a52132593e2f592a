#include "widgets/TrendGraph.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <climits>
#include <cmath>
#include <memory>

namespace {

const QColor Background(240, 251, 255);
const QColor Series(126, 161, 200);

// A graph shaped like the main window's: 221 x 60, transfer-rate colours.
void shapeLikeMainWindow(TrendGraph &graph)
{
    graph.resize(221, 60);
    graph.setBackGroundColor(Background);
    graph.setColor(Series);
}

QSet<int> columnsWithColor(const QImage &image, int y, const QColor &color)
{
    QSet<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == color)
            columns.insert(x);
    return columns;
}

QSet<int> rowsWithColor(const QImage &image, int x, const QColor &color)
{
    QSet<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == color)
            rows.insert(y);
    return rows;
}

int countColor(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                ++count;
    return count;
}

QColor buttonShadow(const TrendGraph &graph)
{
    return QColor(graph.palette().color(QPalette::Dark).rgb());
}

} // namespace

class TestTrendGraph : public QObject
{
    Q_OBJECT

private slots:
    void addValue_data();
    void addValue();
    void peakLeavesWindow();
    void setters_data();
    void setters();
    void shadeColor_data();
    void shadeColor();
    void verticalGrid();
    void horizontalGrid_data();
    void horizontalGrid();
    void frameAndBackground();
    void barOutline_data();
    void barOutline();
    void styles_data();
    void styles();
    void valueLabels();
    void caption();
    void highDensityFrame();
    void paintEventCopiesTheFrame();
};

void TestTrendGraph::addValue_data()
{
    QTest::addColumn<bool>("handler");
    QTest::addColumn<bool>("autoScale");
    QTest::addColumn<int>("descret");
    QTest::addColumn<QList<int>>("samples");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("peak");
    QTest::addColumn<int>("maxVal");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("announced");

    QTest::newRow("handler raises the scale")
        << true << false << 5120 << QList<int>{6000} << 2 << 6000 << 10240 << 6000 << QList<int>{2};
    QTest::newRow("handler keeps the level while the peak is shown")
        << true << false << 5120 << QList<int>{6000, 0, 0} << 2 << 6000 << 10240 << 0
        << QList<int>{2};
    QTest::newRow("handler lowers the scale once the peak has left")
        << true << false << 5120 << QList<int>{6000, 0, 0, 0} << 1 << 0 << 5120 << 0
        << QList<int>{2, 1};
    QTest::newRow("no handler: level moves, scale and clipping stay")
        << false << false << 5120 << QList<int>{6000} << 2 << 6000 << 5120 << 5120 << QList<int>{};
    QTest::newRow("no handler, autoscale: fitted, not clipped")
        << false << true << 5120 << QList<int>{6000} << 2 << 6000 << 6000 << 6000 << QList<int>{};
    QTest::newRow("exactly one quantum is level 1")
        << true << false << 5120 << QList<int>{5120} << 1 << 5120 << 5120 << 5120 << QList<int>{};
    QTest::newRow("one above the quantum is level 2")
        << true << false << 5120 << QList<int>{5121} << 2 << 5121 << 10240 << 5121 << QList<int>{2};
    QTest::newRow("negative sample stored as MinVal")
        << true << false << 5120 << QList<int>{-5} << 1 << 0 << 5120 << 0 << QList<int>{};
    QTest::newRow("huge peak saturates the level and the scale")
        << true << false << 2 << QList<int>{INT_MAX} << 65535 << INT_MAX << 131070 << 131070
        << QList<int>{65535};
    QTest::newRow("scale product beyond 32 bits is capped")
        << true << false << 65535 << QList<int>{INT_MAX} << 32769 << INT_MAX << INT_MAX << INT_MAX
        << QList<int>{32769};
}

void TestTrendGraph::addValue()
{
    QFETCH(bool, handler);
    QFETCH(bool, autoScale);
    QFETCH(int, descret);
    QFETCH(QList<int>, samples);

    TrendGraph graph;
    graph.setMaxVal(5120);
    graph.setDivisions(3);
    graph.setDescret(quint16(descret));
    graph.setAutoScale(autoScale);
    std::unique_ptr<QSignalSpy> spy;
    if (handler)
        spy = std::make_unique<QSignalSpy>(&graph, &TrendGraph::OnChangeDescret);

    for (int sample : samples)
        graph.AddValue(sample);

    QTEST(int(graph.level()), "level");
    QTEST(graph.peak(), "peak");
    QTEST(graph.maxVal(), "maxVal");
    QTEST(graph.values().at(2), "stored");
    QList<int> announced;
    if (spy) {
        for (const QList<QVariant> &call : *spy) {
            QCOMPARE(call.at(0).value<TrendGraph *>(), &graph);
            announced << call.at(1).toInt();
        }
    }
    QTEST(announced, "announced");
}

void TestTrendGraph::peakLeavesWindow()
{
    // The sample leaving the window was the peak and the new one equals it:
    // peak and level stay, nothing is announced.
    TrendGraph graph;
    graph.setMaxVal(5120);
    graph.setDescret(5120);
    graph.setDivisions(2);
    QSignalSpy spy(&graph, &TrendGraph::OnChangeDescret);
    graph.AddValue(7000);
    graph.AddValue(0);
    QCOMPARE(graph.values().mid(0, 2), (QList<int>{7000, 0}));
    graph.AddValue(7000);
    QCOMPARE(graph.peak(), 7000);
    QCOMPARE(int(graph.level()), 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(graph.values().mid(0, 2), (QList<int>{0, 7000}));
}

void TestTrendGraph::setters_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("Divisions below 2") << QByteArray("Divisions") << 1 << 2;
    QTest::newRow("Divisions above 240") << QByteArray("Divisions") << 500 << 240;
    QTest::newRow("Divisions in range") << QByteArray("Divisions") << 57 << 57;
    QTest::newRow("MaxVal equal to MinVal") << QByteArray("MaxVal") << 0 << 1;
    QTest::newRow("MaxVal below MinVal") << QByteArray("MaxVal") << -40 << 1;
    QTest::newRow("MinVal equal to MaxVal") << QByteArray("MinVal") << 100 << 99;
    QTest::newRow("MinVal negative") << QByteArray("MinVal") << -40 << -40;
    QTest::newRow("GridYstep 0 ignored") << QByteArray("GridYstep") << 0 << 10;
    QTest::newRow("GridYstep negative ignored") << QByteArray("GridYstep") << -3 << 10;
    QTest::newRow("GridYstep above MaxVal") << QByteArray("GridYstep") << 150 << 100;
    QTest::newRow("GridXstep 0 ignored") << QByteArray("GridXstep") << 0 << 10;
    QTest::newRow("GridXstep above the width") << QByteArray("GridXstep") << 500 << 221;
    QTest::newRow("GridXstep in range") << QByteArray("GridXstep") << 50 << 50;
    QTest::newRow("Descret 1 ignored") << QByteArray("Descret") << 1 << 100;
    QTest::newRow("Descret 0 ignored") << QByteArray("Descret") << 0 << 100;
    QTest::newRow("Descret 2 taken") << QByteArray("Descret") << 2 << 2;
}

void TestTrendGraph::setters()
{
    QFETCH(QByteArray, property);
    QFETCH(int, value);
    TrendGraph graph;
    graph.resize(221, 60);
    QVERIFY(graph.setProperty(property.constData(), value));
    QTEST(graph.property(property.constData()).toInt(), "expected");
}

void TestTrendGraph::shadeColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("darker") << Series << -60 << QColor(66, 101, 140);
    QTest::newRow("lighter, clamped at 255") << Series << 60 << QColor(186, 221, 255);
    QTest::newRow("darker, clamped at 0") << QColor(10, 250, 128) << -60 << QColor(0, 190, 68);
}

void TestTrendGraph::shadeColor()
{
    QFETCH(QColor, color);
    QFETCH(int, delta);
    QTEST(TrendGraph::ShadeColor(color, delta), "expected");
}

void TestTrendGraph::verticalGrid()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsXGrid);
    graph.setGridXstep(50);
    graph.setStyle(TrendGraph::tsLine);
    const QImage image = graph.render();
    const QColor grid = graph.gridColor();
    QCOMPARE(columnsWithColor(image, 20, grid), (QSet<int>{21, 71, 121, 171}));
    // From the top edge down to, not including, the bottom row.
    QCOMPARE(image.pixelColor(21, 0), grid);
    QCOMPARE(image.pixelColor(21, 58), grid);
    QCOMPARE(image.pixelColor(21, 59), Background);
}

void TestTrendGraph::horizontalGrid_data()
{
    QTest::addColumn<int>("minVal");
    QTest::addColumn<int>("maxVal");
    QTest::addColumn<int>("step");
    QTest::addColumn<QSet<int>>("rows");

    QTest::newRow("transfer rate scale") << 0 << 5120 << 2048 << QSet<int>{36, 12};
    QTest::newRow("defaults") << 0 << 100 << 10 << QSet<int>{54, 48, 42, 36, 30, 24, 18, 12, 6};
    QTest::newRow("negative minimum") << -50 << 50 << 50 << QSet<int>{30};
    // More multiples than pixel rows: the lines merge, the count stays bounded.
    QTest::newRow("tiny step") << 0 << 2000000000 << 1 << [] {
        QSet<int> rows;
        for (int q = 1; q < 240; ++q) {
            const int y = 60 - int(std::nearbyint(q * 60 / 240.0));
            if (y < 60)
                rows.insert(y);
        }
        return rows;
    }();
}

void TestTrendGraph::horizontalGrid()
{
    QFETCH(int, minVal);
    QFETCH(int, maxVal);
    QFETCH(int, step);
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsYGrid);
    graph.setMaxVal(maxVal);
    graph.setMinVal(minVal);
    graph.setGridYstep(step);
    graph.setStyle(TrendGraph::tsLine);
    const QImage image = graph.render();
    // Lines run from x 0 and leave out their end point at W - 1.
    QTEST(rowsWithColor(image, 0, graph.gridColor()), "rows");
    QCOMPARE(rowsWithColor(image, 0, graph.gridColor()),
             rowsWithColor(image, 219, graph.gridColor()));
    QVERIFY(rowsWithColor(image, 220, graph.gridColor()).isEmpty());
}

void TestTrendGraph::frameAndBackground()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsNone);
    graph.setStyle(TrendGraph::tsLine);
    const QImage image = graph.render();
    const QColor shadow = buttonShadow(graph);
    QCOMPARE(image.pixelColor(0, 0), Background);
    QCOMPARE(image.pixelColor(220, 59), Background);
    QCOMPARE(image.pixelColor(1, 1), shadow);
    QCOMPARE(image.pixelColor(219, 30), shadow);
    QCOMPARE(image.pixelColor(100, 58), shadow);
    QCOMPARE(image.pixelColor(220, 30), Background);
    QCOMPARE(image.pixelColor(100, 20), Background);
}

void TestTrendGraph::barOutline_data()
{
    QTest::addColumn<TrendGraph::TGridStyle>("grid");
    QTest::addColumn<bool>("shadowOutline");
    QTest::newRow("no grid: button shadow") << TrendGraph::gsNone << true;
    QTest::newRow("x grid") << TrendGraph::gsXGrid << false;
    QTest::newRow("y grid") << TrendGraph::gsYGrid << false;
    QTest::newRow("full grid") << TrendGraph::gsFull << false;
}

void TestTrendGraph::barOutline()
{
    QFETCH(TrendGraph::TGridStyle, grid);
    QFETCH(bool, shadowOutline);
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(grid);
    graph.setDivisions(10);
    for (int i = 0; i < 10; ++i)
        graph.AddValue(50);
    const QImage image = graph.render();
    const QColor outline = shadowOutline ? buttonShadow(graph) : graph.gridColor();
    // Column 0: c = 21.5, rectangle (3, 57, 24, 30) covers x 3..23, y 30..56.
    QCOMPARE(image.pixelColor(3, 40), outline);
    QCOMPARE(image.pixelColor(23, 40), outline);
    QCOMPARE(image.pixelColor(10, 30), outline);
    QCOMPARE(image.pixelColor(10, 56), outline);
    QCOMPARE(image.pixelColor(10, 40), Series);
    QCOMPARE(image.pixelColor(10, 29) == Series, false);
}

void TestTrendGraph::styles_data()
{
    QTest::addColumn<TrendGraph::TTrendStyle>("style");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QColor>("insideColor");
    QTest::addColumn<QPoint>("outside");

    // Ten columns of 50 on 0..100, W 221, H 60, no grid.
    QTest::newRow("bar") << TrendGraph::tsBar << QPoint(10, 40) << Series << QPoint(10, 20);
    QTest::newRow("line") << TrendGraph::tsLine << QPoint(100, 30) << Series << QPoint(100, 45);
    // r 5; square (8, 35, 18, 25) around column 0.
    QTest::newRow("scatter") << TrendGraph::tsScatter << QPoint(13, 30) << Series << QPoint(13, 40);
    QTest::newRow("filled") << TrendGraph::tsFilled << QPoint(100, 45) << Series << QPoint(8, 45);
    QTest::newRow("3D front") << TrendGraph::ts3D << QPoint(10, 45) << Series << QPoint(10, 20);
    QTest::newRow("3D top") << TrendGraph::ts3D << QPoint(15, 30)
                            << TrendGraph::ShadeColor(Series, 60) << QPoint(40, 20);
    QTest::newRow("3D last side") << TrendGraph::ts3D << QPoint(213, 45)
                                  << TrendGraph::ShadeColor(Series, -60) << QPoint(216, 56);
}

void TestTrendGraph::styles()
{
    QFETCH(TrendGraph::TTrendStyle, style);
    QFETCH(QPoint, inside);
    QFETCH(QColor, insideColor);
    QFETCH(QPoint, outside);
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsNone);
    graph.setDivisions(10);
    graph.setStyle(style);
    for (int i = 0; i < 10; ++i)
        graph.AddValue(50);
    const QImage image = graph.render();
    QCOMPARE(image.pixelColor(inside), insideColor);
    QCOMPARE(image.pixelColor(outside), Background);
}

void TestTrendGraph::valueLabels()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsNone);
    graph.setDivisions(10);
    graph.setOptions(TrendGraph::toValues);
    for (int i = 0; i < 10; ++i)
        graph.AddValue(50);
    const QImage image = graph.render();
    // With labels the bars leave 8 pixels: top 26, label box from y 26.
    QCOMPARE(image.pixelColor(10, 40), Series);
    QCOMPARE(image.pixelColor(10, 33) == Series, false);
    int ink = 0;
    for (int y = 26; y < 34; ++y)
        for (int x = 3; x < 24; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel != Background && pixel != Series && pixel.lightness() < 160)
                ++ink;
        }
    QVERIFY2(ink > 3, "the value label is drawn above its bar");

    graph.setOptions({});
    const QImage plain = graph.render();
    QCOMPARE(plain.pixelColor(10, 33), Series);
}

void TestTrendGraph::caption()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsNone);
    graph.setStyle(TrendGraph::tsLine);
    QFont font = graph.font();
    font.setPixelSize(11);
    font.setBold(true);
    graph.setFont(font);

    const QImage empty = graph.render();
    graph.setCaption(QStringLiteral("15Kb/s"));
    const QImage image = graph.render();

    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(graph.caption());
    const QRect area(221 - textWidth - 4, 2, textWidth + 3, metrics.height() + 2);
    QCOMPARE(countColor(empty, area, Series), 0);
    QCOMPARE(countColor(empty, area, Qt::white), 0);

    // The coloured text lies over its white shadow: every fully inked pixel of
    // the text alone is still in the series colour.
    QImage alone(221, 60, QImage::Format_RGB32);
    alone.fill(Background);
    {
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(Series);
        painter.drawText(221 - textWidth - 3, 3 + metrics.ascent(), graph.caption());
    }
    const int inked = countColor(alone, area, Series);
    QVERIFY(inked > 10);
    QCOMPARE(countColor(image, area, Series), inked);
    QVERIFY(countColor(image, area, Qt::white) > 5);
}

void TestTrendGraph::highDensityFrame()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setGridStyle(TrendGraph::gsXGrid);
    graph.setGridXstep(50);
    const QImage image = graph.render(2.0);
    QCOMPARE(image.size(), QSize(442, 120));
    QCOMPARE(image.pixelColor(42, 40), graph.gridColor());
    QCOMPARE(image.pixelColor(43, 40), graph.gridColor());
    QCOMPARE(image.pixelColor(44, 40), Background);
}

void TestTrendGraph::paintEventCopiesTheFrame()
{
    TrendGraph graph;
    shapeLikeMainWindow(graph);
    graph.setStyle(TrendGraph::ts3D);
    graph.setCaption(QStringLiteral("5 Kb/s"));
    for (int i = 0; i < 30; ++i)
        graph.AddValue(i * 3);
    const QImage painted = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(painted, graph.render());

    graph.resize(0, 0);
    QVERIFY(graph.render().isNull());
}

QTEST_MAIN(TestTrendGraph)
#include "test_trend_graph.moc"
