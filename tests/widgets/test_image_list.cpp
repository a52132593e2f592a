#include "app/ImageList.h"

#include <QImage>
#include <QTest>

namespace {

QColor centreOf(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

bool hasRed(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 180 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    return false;
}

} // namespace

class TestImageList : public QObject
{
    Q_OBJECT

private slots:
    void everyImageDraws();
    void balls_data();
    void balls();
    void lights();
    void screens_data();
    void screens();
    void outOfRange();
    void highDensity();
};

void TestImageList::everyImageDraws()
{
    for (int i = 0; i < ImageList::Count; ++i) {
        const QImage image = ImageList::pixmap(i).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY2(centreOf(image, 8, 8).alpha() == 255, qPrintable(ImageList::path(i)));
        QVERIFY(!ImageList::icon(i).isNull());
        QVERIFY(!ImageList::icon(i).pixmap(16).isNull());
    }
}

void TestImageList::balls_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("red");
    QTest::newRow("disconnected") << 0 << true;
    QTest::newRow("connected") << 1 << false;
}

void TestImageList::balls()
{
    QFETCH(int, index);
    QFETCH(bool, red);
    const QColor c = centreOf(ImageList::pixmap(index).toImage(), 9, 10);
    if (red)
        QVERIFY(c.red() > c.green() + 60 && c.red() > c.blue() + 60);
    else
        QVERIFY(c.green() > c.red() + 60 && c.green() > c.blue() + 60);
    // Round: the corners stay transparent.
    QCOMPARE(ImageList::pixmap(index).toImage().pixelColor(0, 0).alpha(), 0);
}

void TestImageList::lights()
{
    const QColor idle = centreOf(ImageList::pixmap(2).toImage(), 9, 9);
    const QColor active = centreOf(ImageList::pixmap(3).toImage(), 9, 9);
    QVERIFY(idle.blue() > idle.red() && active.blue() > active.red());
    QVERIFY(active.lightness() > idle.lightness() + 60);
}

void TestImageList::screens_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("rearLit");
    QTest::addColumn<bool>("frontLit");
    QTest::addColumn<bool>("cross");
    QTest::newRow("no traffic") << 4 << false << false << false;
    QTest::newRow("receiving") << 5 << true << false << false;
    QTest::newRow("sending") << 6 << false << true << false;
    QTest::newRow("both") << 7 << true << true << false;
    QTest::newRow("disconnected") << 8 << false << false << true;
}

void TestImageList::screens()
{
    QFETCH(int, index);
    QFETCH(bool, rearLit);
    QFETCH(bool, frontLit);
    QFETCH(bool, cross);
    const QImage image = ImageList::pixmap(index).toImage();
    // Rear screen covers x 2..7, y 2..5 (partly hidden), front screen x 7..13, y 7..10.
    QCOMPARE(centreOf(image, 4, 4).lightness() > 120, rearLit);
    QCOMPARE(centreOf(image, 11, 9).lightness() > 120, frontLit);
    QCOMPARE(hasRed(image, image.rect()), cross);
}

void TestImageList::outOfRange()
{
    QVERIFY(ImageList::pixmap(-1).isNull());
    QVERIFY(ImageList::pixmap(ImageList::Count).isNull());
    QVERIFY(ImageList::icon(ImageList::Count).isNull());
}

void TestImageList::highDensity()
{
    const QPixmap pixmap = ImageList::pixmap(8, 16, 2.0);
    QCOMPARE(pixmap.size(), QSize(32, 32));
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
    QVERIFY(ImageList::icon(4).pixmap(QSize(16, 16), 2.0).size().width() >= 32);
}

QTEST_MAIN(TestImageList)
#include "test_image_list.moc"
