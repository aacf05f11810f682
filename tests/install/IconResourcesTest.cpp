// The window icon's resources: every size at the path the program loads it
// from, square, of its own size, and drawn (an opaque tile with rounded, see-through corners).
#include <QImage>
#include <QObject>
#include <QTest>

class IconResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void eachSizeIsThere_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }

    void eachSizeIsThere()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral(":/icon/tallyra-%1.png").arg(size);
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" does not load")));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QVERIFY(qAlpha(image.pixel(0, 0)) < 32);  // the rounded corner, give or take its edge
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(size / 2, 0)), 255);
    }
};

QTEST_GUILESS_MAIN(IconResourcesTest)
#include "IconResourcesTest.moc"
