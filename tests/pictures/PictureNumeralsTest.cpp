#include "PictureCatalogue.h"

#include "pictures/PictureNumerals.h"
#include "pictures/PictureStrip.h"

#include <QTest>

namespace {

enum class Row { Korean, Hieratic, Assyrian, Maya };

PictureSequence SequenceFor(Row row, int v)
{
    switch (row) {
    case Row::Korean:
        return KoreanPictures(v);
    case Row::Hieratic:
        return HieraticPictures(v);
    case Row::Assyrian:
        return AssyrianPictures(v);
    case Row::Maya:
        return MayaPictures(v);
    }
    return {};
}

// Lays the sequence out in a strip of the row's size with blank pictures of
// the catalogue's sizes, as the window does with the real ones.
PictureStrip LayOut(Row row, int v)
{
    const bool hieratic = row == Row::Hieratic;
    PictureStrip strip(QSize(hieratic ? 448 : 456, 38),
                       hieratic ? PictureStrip::Placement::Centred : PictureStrip::Placement::Top);
    for (const PictureStep& step : SequenceFor(row, v)) {
        if (step.isGap()) {
            strip.addGap(step.gap);
            continue;
        }
        const QString name = QString::fromStdString(step.picture);
        const QSize size = CatalogueSizes().value(name);
        if (size.isEmpty())
            qFatal("no picture named %s", step.picture.c_str());
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::black);
        strip.append(name, picture, size.width());
    }
    return strip;
}

QString Placements(const PictureStrip& strip, bool withY)
{
    QStringList items;
    for (const PictureStrip::Placed& placed : strip.placements())
        items << (withY ? QStringLiteral("%1@%2,%3")
                              .arg(placed.picture)
                              .arg(placed.position.x())
                              .arg(placed.position.y())
                        : QStringLiteral("%1@%2").arg(placed.picture).arg(placed.position.x()));
    return items.join(' ');
}

}  // namespace

Q_DECLARE_METATYPE(Row)

class PictureNumeralsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void mayaDigits_data();
    void mayaDigits();
    void stripsNeverOverflow();
    void stripStartsWhiteAndDrawsOpaque();
    void fineImageTakesTheFinePicturesAtTheSamePlaces();
};

void PictureNumeralsTest::workedExamples_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char* name, Row row, int v, const char* expected) {
        QTest::newRow(name) << row << v << QString::fromLatin1(expected);
    };
    add("Korean 0", Row::Korean, 0, "");
    add("Korean 60", Row::Korean, 60, "korea5@1 korea9@27");
    add("Korean 600", Row::Korean, 600, "korea5@1 korea10@27");
    add("Korean 1994", Row::Korean, 1994, "korea11@1 korea8@25 korea10@51 korea8@75 korea9@101 korea3@125");
    add("Korean 20000", Row::Korean, 20000, "korea1@1 korea12@25");
    add("Korean 79999", Row::Korean, 79999,
        "korea6@1 korea12@25 korea8@51 korea11@77 korea8@101 korea10@127 korea8@151 korea9@177 korea8@201");
    add("Hieratic 0", Row::Hieratic, 0, "");
    add("Hieratic 60", Row::Hieratic, 60, "h60@1,12");
    add("Hieratic 600", Row::Hieratic, 600, "h600@1,4");
    add("Hieratic 1994", Row::Hieratic, 1994, "h1000@1,4 h900@23,9 h90@67,10 h4@98,16");
    add("Hieratic 20000", Row::Hieratic, 20000, "h2@1,11 h10000@10,4");
    add("Hieratic 79999", Row::Hieratic, 79999,
        "h7@1,13 h10000@26,4 h9000@57,2 h900@91,9 h90@135,10 h9@166,7");
    add("Assyrian 0", Row::Assyrian, 0, "ass0@9");
    add("Assyrian 60", Row::Assyrian, 60, "ass1@5 ass0@22");
    add("Assyrian 600", Row::Assyrian, 600, "ass10@5 ass0@18 ass0@36");
    add("Assyrian 1994", Row::Assyrian, 1994, "ass10@5 ass10@18 ass10@31 ass3@44 ass10@85 ass4@98");
    add("Assyrian 20000", Row::Assyrian, 20000,
        "ass5@1 ass10@42 ass10@55 ass10@68 ass3@81 ass10@122 ass10@135 ass0@148");
    add("Assyrian 79999", Row::Assyrian, 79999,
        "ass10@1 ass10@14 ass2@27 ass10@56 ass3@69 ass10@110 ass9@123");
    add("Maya 0", Row::Maya, 0, "ma0@1 ma0@27 ma0@53");
    add("Maya 60", Row::Maya, 60, "ma0@1 ma3@27 ma0@40");
    add("Maya 600", Row::Maya, 600, "ma1@1 ma2@14 ma10@21 ma0@39");
    add("Maya 1994", Row::Maya, 1994, "ma5@1 ma9@13 ma4@32 ma10@39");
    add("Maya 20000", Row::Maya, 20000, "ma2@1 ma5@14 ma10@20 ma10@38 ma0@56");
    add("Maya 79999", Row::Maya, 79999, "ma1@1 ma10@8 ma2@26 ma3@39 ma9@52 ma10@65");
}

void PictureNumeralsTest::workedExamples()
{
    QFETCH(Row, row);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(Placements(LayOut(row, number), row == Row::Hieratic), expected);
}

void PictureNumeralsTest::mayaDigits_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("radix");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("zero") << 0 << 20 << QByteArray("\x20");
    QTest::newRow("19") << 19 << 20 << QByteArray("\x33");
    QTest::newRow("20") << 20 << 20 << QByteArray("\x21\x20");
    QTest::newRow("222 (79999 / 360)") << 222 << 20 << QByteArray("\x2B\x22");
    QTest::newRow("binary 5") << 5 << 2 << QByteArray("\x21\x20\x21");
}

void PictureNumeralsTest::mayaDigits()
{
    QFETCH(int, number);
    QFETCH(int, radix);
    QFETCH(QByteArray, digits);
    QCOMPARE(QByteArray::fromStdString(MayaDigits(number, radix)), digits);
}

// No picture is ever cut at the strip's right edge, whatever the number.
void PictureNumeralsTest::stripsNeverOverflow()
{
    const std::pair<Row, int> bounds[] = {
        {Row::Korean, 229}, {Row::Hieratic, 210}, {Row::Assyrian, 278}, {Row::Maya, 114}};
    for (const auto& [row, bound] : bounds) {
        int widest = 0;
        for (int v = 0; v <= 79999; ++v)
            widest = std::max(widest, LayOut(row, v).cursor());
        QCOMPARE(widest, bound);
    }
}

void PictureNumeralsTest::stripStartsWhiteAndDrawsOpaque()
{
    PictureStrip strip(QSize(448, 38), PictureStrip::Placement::Centred);
    QCOMPARE(strip.cursor(), 1);
    QImage picture(4, 16, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(1);
    picture.setPixel(0, 0, 0);  // its white must cover what is beneath
    strip.append("h1", picture, 4);
    strip.addGap(3);
    QCOMPARE(strip.cursor(), 8);
    const QImage& image = strip.image();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(1, 11)), QColor(Qt::white));  // top-left of the picture is white
    QCOMPARE(QColor(image.pixel(2, 11)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(4, 26)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(4, 27)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(5, 20)), QColor(Qt::white));
}

// The fine image follows the plain layout exactly: an odd free height
// centres the plain picture 11 pixels down, so the fine one goes 22 fine
// pixels down (not 23, which centring the fine picture itself would give).
void PictureNumeralsTest::fineImageTakesTheFinePicturesAtTheSamePlaces()
{
    QVERIFY(PictureStrip(QSize(448, 38), PictureStrip::Placement::Centred).fineImage().isNull());

    PictureStrip strip(QSize(448, 38), PictureStrip::Placement::Centred, 2);
    QCOMPARE(strip.fineImage().size(), QSize(896, 76));
    QCOMPARE(strip.fineImage().devicePixelRatio(), 2.0);
    QImage picture(4, 15, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(1);
    QImage fine(8, 30, QImage::Format_Indexed8);
    fine.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    fine.fill(1);
    fine.setPixel(0, 0, 0);  // its white must cover what is beneath
    strip.addGap(2);
    strip.append("h1", picture, 4, fine);
    strip.append("h1", picture, 4, fine);
    QCOMPARE(strip.placements().back().position, QPoint(7, 11));
    const QImage& image = strip.fineImage();
    QCOMPARE(QColor(image.pixel(6, 22)), QColor(Qt::white));  // the first picture's white corner
    QCOMPARE(QColor(image.pixel(7, 22)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(6, 23)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(13, 51)), QColor(Qt::black));  // its bottom-right pixel
    QCOMPARE(QColor(image.pixel(13, 52)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(5, 30)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(6, 21)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(14, 22)), QColor(Qt::white));  // the second one's corner
    QCOMPARE(QColor(image.pixel(21, 51)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(22, 40)), QColor(Qt::white));
    // The plain image is what it would be without the fine one.
    PictureStrip plain(QSize(448, 38), PictureStrip::Placement::Centred);
    plain.addGap(2);
    plain.append("h1", picture, 4);
    plain.append("h1", picture, 4);
    QCOMPARE(strip.image(), plain.image());
}

QTEST_APPLESS_MAIN(PictureNumeralsTest)
#include "PictureNumeralsTest.moc"
