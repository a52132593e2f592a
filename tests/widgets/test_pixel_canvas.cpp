#include "widgets/PixelCanvas.h"

#include <QTest>

namespace {

constexpr QRgb Paper = 0xffffffff;
constexpr QRgb Ink = 0xff102030;
constexpr QRgb Edge = 0xff808080;

QImage blank(int w, int h, qreal dpr = 1)
{
    QImage image(QSize(w, h) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Paper);
    return image;
}

QList<QPoint> inked(const QImage &image, QRgb color = Ink)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                points << QPoint(x, y);
    return points;
}

} // namespace

class TestPixelCanvas : public QObject
{
    Q_OBJECT

private slots:
    void fillRect_data();
    void fillRect();
    void framedRect();
    void polyline_data();
    void polyline();
    void farSegmentIsCut();
    void convexPolygonIncludesOutline();
    void wholeRatioMakesBlocks();
};

void TestPixelCanvas::fillRect_data()
{
    QTest::addColumn<QRect>("corners"); // x1, y1, x2, y2 packed as left, top, right, bottom
    QTest::addColumn<int>("count");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("last");
    QTest::newRow("ordered") << QRect(QPoint(2, 3), QPoint(5, 7)) << 12 << QPoint(2, 3)
                             << QPoint(4, 6);
    QTest::newRow("swapped corners")
        << QRect(QPoint(5, 7), QPoint(2, 3)) << 12 << QPoint(2, 3) << QPoint(4, 6);
    QTest::newRow("empty width") << QRect(QPoint(4, 3), QPoint(4, 9)) << 0 << QPoint() << QPoint();
    QTest::newRow("clipped at the edges")
        << QRect(QPoint(-5, -5), QPoint(2, 1)) << 2 << QPoint(0, 0) << QPoint(1, 0);
}

void TestPixelCanvas::fillRect()
{
    QFETCH(QRect, corners);
    QFETCH(int, count);
    QImage image = blank(10, 10);
    PixelCanvas canvas(image);
    // QRect(QPoint, QPoint) keeps the points as given, even when reversed.
    canvas.fillRect(corners.left(), corners.top(), corners.right(), corners.bottom(), Ink);
    const QList<QPoint> points = inked(image);
    QCOMPARE(points.size(), count);
    if (count > 0) {
        QTEST(points.first(), "first");
        QTEST(points.last(), "last");
    }
}

void TestPixelCanvas::framedRect()
{
    QImage image = blank(10, 10);
    PixelCanvas canvas(image);
    canvas.framedRect(1, 1, 6, 5, Edge, Ink);
    // 5 x 4 covered; the 3 x 2 inside is brush, the ring is pen.
    QCOMPARE(inked(image).size(), 6);
    QCOMPARE(inked(image, Edge).size(), 14);
    QCOMPARE(image.pixel(5, 4), Edge);
    QCOMPARE(image.pixel(6, 4), Paper);
    QCOMPARE(image.pixel(5, 5), Paper);
}

void TestPixelCanvas::polyline_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QPoint>>("expected");
    QTest::newRow("horizontal, end left out")
        << QList<QPoint>{{1, 2}, {4, 2}} << QList<QPoint>{{1, 2}, {2, 2}, {3, 2}};
    QTest::newRow("diagonal") << QList<QPoint>{{0, 0}, {3, 3}}
                              << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("two segments share the corner once")
        << QList<QPoint>{{1, 1}, {3, 1}, {3, 3}} << QList<QPoint>{{1, 1}, {2, 1}, {3, 1}, {3, 2}};
    QTest::newRow("a single point draws nothing") << QList<QPoint>{{4, 4}} << QList<QPoint>{};
}

void TestPixelCanvas::polyline()
{
    QFETCH(QList<QPoint>, points);
    QImage image = blank(10, 10);
    PixelCanvas canvas(image);
    canvas.polyline(points.constData(), int(points.size()), Ink);
    QTEST(inked(image), "expected");
}

void TestPixelCanvas::farSegmentIsCut()
{
    // A segment reaching a million pixels away draws only what shows; the
    // unseen part is cut off before the walk.
    QImage image = blank(20, 20);
    PixelCanvas canvas(image);
    const QPoint points[] = {{0, 10}, {19, -1000000}, {19, 10}};
    canvas.polyline(points, 3, Ink);
    QCOMPARE(image.pixel(0, 10), Ink);
    QCOMPARE(image.pixel(19, 0), Ink);
}

void TestPixelCanvas::convexPolygonIncludesOutline()
{
    QImage image = blank(12, 12);
    PixelCanvas canvas(image);
    const QPoint quad[] = {{2, 9}, {6, 9}, {6, 3}, {2, 5}};
    canvas.fillConvexPolygon(quad, 4, Ink);
    // Every vertex is covered, and nothing right of or below the shape.
    for (const QPoint &p : quad)
        QCOMPARE(image.pixel(p), Ink);
    QCOMPARE(image.pixel(4, 7), Ink);
    QCOMPARE(image.pixel(7, 6), Paper);
    QCOMPARE(image.pixel(4, 10), Paper);
    QCOMPARE(image.pixel(2, 3), Paper);
}

void TestPixelCanvas::wholeRatioMakesBlocks()
{
    QImage image = blank(10, 10, 2.0);
    PixelCanvas canvas(image);
    QCOMPARE(canvas.width(), 10);
    canvas.setPixel(3, 4, Ink);
    QCOMPARE(inked(image), (QList<QPoint>{{6, 8}, {7, 8}, {6, 9}, {7, 9}}));
}

QTEST_MAIN(TestPixelCanvas)
#include "test_pixel_canvas.moc"
