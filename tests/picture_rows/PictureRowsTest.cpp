#include "PictureCatalogue.h"

#include "MainWindow.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "rows/PictureComposition.h"
#include "rows/PictureHolder.h"
#include "ProgramResources.h"
#include "glyphs/UiFonts.h"

#include "pictures/PictureStrip.h"

#include "gif/GIFBitmap.h"
#include "gif/GIFException.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <memory>

namespace {

// What the picture generator drew: size, palette and colour indexes.
struct ReferencePicture {
    QSize size;
    QList<QRgb> palette;
    QByteArray indexes;
};

QHash<QString, ReferencePicture> ReadReference(const char* path)
{
    QHash<QString, ReferencePicture> pictures;
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", path);
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        ReferencePicture picture;
        picture.size = QSize(fields[1].toInt(), fields[2].toInt());
        for (const QByteArray& colour : fields[3].split(','))
            picture.palette << (0xFF000000u | colour.toUInt(nullptr, 16));
        picture.indexes = QByteArray::fromHex(fields[4]);
        pictures.insert(QString::fromLatin1(fields[0]).toLower(), picture);
    }
    return pictures;
}

QImage Decode(const QString& type, const QString& name, QStringList* warnings)
{
    const QByteArray data = LoadProgramResource(type, name);
    gif::ByteStream stream(data.constData(), static_cast<std::size_t>(data.size()));
    gif::TGIFImage image;
    image.WarningObserver = [warnings](const gif::TGIFObject&, gif::TGIFSeverity,
                                       const std::string& message) {
        *warnings << QString::fromStdString(message);
    };
    image.LoadFromStream(stream);
    QImage bitmap;
    gif::CopyImageTo(image, bitmap);
    return bitmap;
}

QImage PictureOf(const ReferencePicture& drawn)
{
    QImage picture(drawn.size, QImage::Format_Indexed8);
    picture.setColorTable(drawn.palette);
    for (int y = 0; y < drawn.size.height(); ++y)
        memcpy(picture.scanLine(y), drawn.indexes.constData() + y * drawn.size.width(), drawn.size.width());
    return picture;
}

// A white strip of the given size with the listed pictures ("name x y,...",
// in logical pixels) drawn at `scale` times their places.
QImage PlacedByHand(const QHash<QString, ReferencePicture>& reference, const QString& placed,
                    const QSize& size, int scale)
{
    QImage expected(size * scale, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    for (const QString& item : placed.split(',')) {
        const QStringList parts = item.split(' ');
        painter.drawImage(parts[1].toInt() * scale, parts[2].toInt() * scale,
                          PictureOf(reference.value(parts[0])));
    }
    return expected;
}

// Shows the page that holds the widget.
void ShowPageOf(MainWindow& window, const QWidget& widget)
{
    QTabWidget* pages = window.pages();
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(&widget))
            pages->setCurrentIndex(i);
}

// Every pixel of the box as shown at `scale`: the strip with its top-left
// corner at `corner` of the box, white above and to the left of it.
void CompareShownBox(PaintBox& box, const QImage& expected, int scale, const QPoint& corner)
{
    QImage shown(box.size() * scale, QImage::Format_RGB32);
    shown.setDevicePixelRatio(scale);
    box.render(&shown);
    const QPoint offset = corner * scale;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint inStrip = QPoint(x, y) - offset;
            const QRgb want =
                (x < offset.x() || y < offset.y()) ? qRgb(255, 255, 255) : expected.pixel(inStrip);
            if (shown.pixel(x, y) != want)
                QFAIL(qPrintable(
                    QStringLiteral("box pixel %1,%2 at scale %3 differs").arg(x).arg(y).arg(scale)));
        }
}

}  // namespace

class PictureRowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureDecodesToWhatWasDrawn_data();
    void everyPictureDecodesToWhatWasDrawn();
    void holderTakesThePicturesSize();
    void unreadablePictureEndsTheComposition_data();
    void unreadablePictureEndsTheComposition();
    void composedStripMatchesPicturesPlacedByHand_data();
    void composedStripMatchesPicturesPlacedByHand();
    void shorterSequenceWipesTheLongerOne();
    void keptPicturesComposeAsFreshOnes_data();
    void keptPicturesComposeAsFreshOnes();

private:
    QHash<QString, ReferencePicture> reference_;
    QHash<QString, ReferencePicture> fineReference_;  // the pictures at twice the size
};

void PictureRowsTest::initTestCase()
{
    InstallFontStandIns();
    reference_ = ReadReference(PICTURE_REFERENCE);
    QCOMPARE(reference_.size(), CatalogueSizes().size());
    fineReference_ = ReadReference(FINE_PICTURE_REFERENCE);
    QCOMPARE(fineReference_.size(), CatalogueSizes().size());
}

void PictureRowsTest::everyPictureDecodesToWhatWasDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QStringList names = CatalogueSizes().keys();
    names.sort();
    for (const QString& name : names) {
        QTest::newRow(qPrintable(name)) << name << 1;
        QTest::newRow(qPrintable(name + "@2x")) << name << kFinePictureScale;
    }
}

void PictureRowsTest::everyPictureDecodesToWhatWasDrawn()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QStringList warnings;
    const QImage bitmap = Decode(scale == 1 ? "GIF" : "GIF2X", name, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("; ")));
    QCOMPARE(bitmap.size(), CatalogueSizes().value(name) * scale);
    QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
    const ReferencePicture& drawn = (scale == 1 ? reference_ : fineReference_).value(name);
    QCOMPARE(bitmap.size(), drawn.size);
    const QList<QRgb> table = bitmap.colorTable();
    QCOMPARE(table.size(), 256);
    QCOMPARE(table.mid(0, drawn.palette.size()), drawn.palette);
    for (int i = drawn.palette.size(); i < 256; ++i)
        QCOMPARE(table[i], qRgb(0, 0, 0));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (bitmap.pixelIndex(x, y) != static_cast<unsigned char>(drawn.indexes[y * bitmap.width() + x]))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
}

void PictureRowsTest::holderTakesThePicturesSize()
{
    PictureHolder holder("zI2");
    holder.resize(105, 105);
    LoadGifPicture(holder, "KOREA12");
    QCOMPARE(holder.size(), QSize(26, 26));
    LoadGifPicture(holder, "h9000");
    QCOMPARE(holder.size(), QSize(34, 33));
}

void PictureRowsTest::unreadablePictureEndsTheComposition_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fromReader");  // a GIF reader's error, else the resource look-up's
    QTest::newRow("missing") << "ass11"
                             << "Resource ass11 not found" << false;
    // The test's own resource: the first 10 bytes of ass1.
    QTest::newRow("cut short") << "broken" << QString(gif::messages::PrematureEndOfData) << true;
}

// A picture that cannot be read ends the composition before the copy, so
// the box keeps what it showed, and the holder is left empty. Nothing of
// it is kept: every composition that asks for it fails alike.
void PictureRowsTest::unreadablePictureEndsTheComposition()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(bool, fromReader);
    PaintBox box("PB9");
    box.setFixedSize(448, 38);
    PictureHolder holder("zI2");
    ComposePictures(box, holder, AssyrianPictures(1994));
    const QImage before = box.strip();
    for (int attempt = 1; attempt <= 3; ++attempt) {
        try {
            ComposePictures(box, holder, {{"ass1", 0}, {name.toStdString(), 0}});
            QFAIL(qPrintable(QStringLiteral("attempt %1 did not fail").arg(attempt)));
        } catch (const std::exception& error) {
            QCOMPARE(QString::fromUtf8(error.what()), message);
            QCOMPARE(dynamic_cast<const gif::GIFException*>(&error) != nullptr, fromReader);
            QCOMPARE(dynamic_cast<const ResourceNotFound*>(&error) != nullptr, !fromReader);
        }
        QCOMPARE(box.strip(), before);
        QVERIFY(holder.picture().isNull());
    }
}

void PictureRowsTest::composedStripMatchesPicturesPlacedByHand_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QPoint>("corner");  // the strip's top-left corner on the box
    QTest::newRow("Korean 1994")
        << "PB2"
        << "korea11 1 0,korea8 25 0,korea10 51 0,korea8 75 0,korea9 101 0,korea3 125 0" << QPoint(8, 3);
    QTest::newRow("Hieratic 1994") << "PB1"
                                   << "h1000 1 4,h900 23 9,h90 67 10,h4 98 16" << QPoint(8, 3);
    QTest::newRow("Assyrian 1994") << "PB9"
                                   << "ass10 5 0,ass10 18 0,ass10 31 0,ass3 44 0,ass10 85 0,ass4 98 0"
                                   << QPoint(8, 2);
    QTest::newRow("Maya 1994") << "PB7"
                               << "ma5 1 0,ma9 13 0,ma4 32 0,ma10 39 0" << QPoint(8, 8);
}

// The window composes 1994; the same pictures, drawn by hand at the places
// the picture rows promise, must give the same strip pixel for pixel. On a
// screen of more than one device pixel per pixel (this test runs again at a
// scale of 2) the box also holds the strip of the fine pictures, placed at
// the same logical places, and shows that one; otherwise it holds none.
void PictureRowsTest::composedStripMatchesPicturesPlacedByHand()
{
    QFETCH(QString, box);
    QFETCH(QString, placed);
    QFETCH(QPoint, corner);
    MainWindow window([] { return QDate(2026, 12, 6); });
    window.setErrorDisplay([](const QString& message) { QFAIL(qPrintable(message)); });
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    window.numberField()->setText("1994");

    PaintBox* paintBox = window.paintBox(box);
    ShowPageOf(window, *paintBox);  // a box keeps its strip's pixels while its page is shown
    QTRY_VERIFY(!paintBox->strip().isNull());
    const QImage expected = PlacedByHand(reference_, placed, paintBox->size(), 1);
    QCOMPARE(paintBox->strip().convertToFormat(QImage::Format_RGB32), expected);
    CompareShownBox(*paintBox, expected, 1, corner);

    if (paintBox->devicePixelRatioF() <= 1.0) {
        QVERIFY(paintBox->fineStrip().isNull());
        return;
    }
    QImage fineExpected = PlacedByHand(fineReference_, placed, paintBox->size(), kFinePictureScale);
    QImage fine = paintBox->fineStrip().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(fine.devicePixelRatio(), qreal(kFinePictureScale));
    fine.setDevicePixelRatio(1);
    QCOMPARE(fine, fineExpected);
    CompareShownBox(*paintBox, fineExpected, kFinePictureScale, corner);
}

void PictureRowsTest::shorterSequenceWipesTheLongerOne()
{
    PaintBox box("PB2");
    box.setFixedSize(456, 38);
    PictureHolder holder("zI2");
    ComposePictures(box, holder, KoreanPictures(79999));
    ComposePictures(box, holder, KoreanPictures(1));
    const QImage strip = box.strip();
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 30; x < strip.width(); ++x)
            QCOMPARE(QColor(strip.pixel(x, y)), QColor(Qt::white));
}

void PictureRowsTest::keptPicturesComposeAsFreshOnes_data()
{
    QTest::addColumn<QString>("name");
    QStringList names = CatalogueSizes().keys();
    names.sort();
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// Pictures are decoded once and kept. Composed again and again from what
// was kept, a picture gives the strip (and, above one device pixel per
// pixel, the fine strip) that the picture decoded afresh gives, and the
// holder takes the picture as the reader gives it.
void PictureRowsTest::keptPicturesComposeAsFreshOnes()
{
    QFETCH(QString, name);
    PaintBox box("PB1");
    box.setFixedSize(448, 38);
    PictureHolder holder("zI2");
    const int fineScale = box.devicePixelRatioF() > 1.0 ? kFinePictureScale : 1;
    const QImage picture = DecodeGifResource("GIF", name);
    PictureStrip fresh(box.size(), PictureStrip::Placement::Centred, fineScale);
    fresh.append(name, picture, picture.width(), fineScale > 1 ? DecodeGifResource("GIF2X", name) : QImage());
    for (int composition = 1; composition <= 3; ++composition) {
        ComposePictures(box, holder, {{name.toStdString(), 0}});
        QCOMPARE(box.strip(), fresh.image());
        QCOMPARE(box.fineStrip(), fresh.fineImage());
        QCOMPARE(holder.picture(), picture);
    }
}

QTEST_MAIN(PictureRowsTest)
#include "PictureRowsTest.moc"
