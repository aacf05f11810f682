#include "WindowPlacement.h"

#include <QTest>

// Where the window goes on screens large and small, with and without a
// task bar taking part of the screen.
class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void frameLandsInTheAvailableArea_data();
    void frameLandsInTheAvailableArea();
};

void WindowPlacementTest::frameLandsInTheAvailableArea_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");
    const QSize window(1112, 656);
    QTest::newRow("centred on a large screen") << QRect(0, 0, 1920, 1080) << window << QPoint(404, 212);
    QTest::newRow("centred in the area above a task bar")
        << QRect(0, 0, 1920, 1040) << QSize(1112, 686) << QPoint(404, 177);
    QTest::newRow("centred on a second screen") << QRect(1920, 0, 1280, 1024) << window << QPoint(2004, 184);
    QTest::newRow("exactly as large as the area") << QRect(0, 24, 1112, 656) << window << QPoint(0, 24);
    // At scale factor 2 a 1920 x 1080 screen has room for 960 x 540.
    QTest::newRow("scaled window larger than the screen") << QRect(0, 0, 960, 540) << window << QPoint(0, 0);
    QTest::newRow("larger than an area beside a panel")
        << QRect(48, 30, 912, 510) << QSize(1112, 686) << QPoint(48, 30);
    QTest::newRow("one pixel too wide") << QRect(0, 0, 1111, 1000) << window << QPoint(0, 172);
    QTest::newRow("one pixel too high") << QRect(0, 0, 1400, 655) << window << QPoint(144, 0);
    QTest::newRow("area left of the origin") << QRect(-1280, -200, 640, 512) << window << QPoint(-1280, -200);
}

void WindowPlacementTest::frameLandsInTheAvailableArea()
{
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(WindowTopLeft(available, frame), topLeft);
    // Whatever is on the screen starts inside the available area.
    QVERIFY(available.contains(topLeft));
}

QTEST_APPLESS_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
