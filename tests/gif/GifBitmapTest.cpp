// The bitmap output: the first frame as an 8-bit indexed QImage of the
// logical screen's size, its colour table, caching and errors.
#include <QBuffer>
#include <QTest>

#include "GifTestHelpers.h"
#include "gif/DIBReader.h"
#include "gif/DIBWriter.h"
#include "gif/GIFBitmap.h"

using giftest::Bytes;
using giftest::CodeData;
using giftest::GifWriter;

Q_DECLARE_METATYPE(std::vector<QRgb>)

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// Image data for a 2 x 2 frame holding 1, 2, 3, 0 (code size 2).
Bytes FourPixels()
{
    Bytes data{2};
    const Bytes codes = CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 4}, {5, 4}});
    data.insert(data.end(), codes.begin(), codes.end());
    return data;
}

std::unique_ptr<gif::TGIFImage> Load(const Bytes& gif)
{
    giftest::Loaded loaded = giftest::LoadGif(gif);
    if (!loaded.Error.isEmpty())
        qWarning() << "load failed:" << loaded.Error;
    return std::move(loaded.Image);
}

// Colours of every pixel, row by row.
std::vector<QRgb> Colours(const QImage& bitmap)
{
    std::vector<QRgb> colours;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            colours.push_back(bitmap.pixel(x, y));
    return colours;
}

QString BitmapError(const Bytes& gif)
{
    const auto image = Load(gif);
    try {
        QImage bitmap;
        gif::CopyImageTo(*image, bitmap);
    } catch (const std::exception& error) {
        return QString::fromStdString(error.what());
    }
    return QString();
}

}  // namespace

class GifBitmapTest : public QObject {
    Q_OBJECT

private slots:
    void firstFrameOnTheScreen_data();
    void firstFrameOnTheScreen();
    void catalogueLikePictureKeepsItsIndexes();
    void emptyImageGivesEmptyBitmap();
    void noColourTableIsRefused();
    void oversizedScreenIsRefused();
    void bitmapIsBuiltOnceAndOutlivesTheImage();
    void fullPaletteWithoutWhiteUsesNearest();
    void dibHeadersAreThoseOfAn8BitBmp();
    void writtenBmpReadsAsQtReadsIt_data();
    void writtenBmpReadsAsQtReadsIt();
    void otherBmpGoesToQtsReader();
    void renderingProgressIsReported();
    void writingAPpmIsOneCall();
};

void GifBitmapTest::firstFrameOnTheScreen_data()
{
    QTest::addColumn<Bytes>("gif");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<std::vector<QRgb>>("colours");
    const std::vector<giftest::Color> rgb = giftest::kFourColours;  // black, red, green, blue
    QTest::newRow("frame as large as the screen") << GifWriter()
                                                         .Header()
                                                         .Screen(2, 2, rgb)
                                                         .ImageDescriptor(0, 0, 2, 2, 0)
                                                         .Raw(FourPixels())
                                                         .Trailer()
                                                         .Data()
                                                  << 2 << 2 << std::vector<QRgb>{kRed, kGreen, kBlue, kBlack};
    QTest::newRow("smaller frame: white around it")
        << GifWriter()
               .Header()
               .Screen(3, 3, rgb)
               .ImageDescriptor(1, 0, 2, 2, 0)
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 3 << 3 << std::vector<QRgb>{kWhite, kRed, kGreen, kWhite, kBlue, kBlack, kWhite, kWhite, kWhite};
    QTest::newRow("screen-sized frame placed off the corner")
        << GifWriter()
               .Header()
               .Screen(2, 2, rgb)
               .ImageDescriptor(1, 1, 2, 2, 0)
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 2 << 2 << std::vector<QRgb>{kWhite, kWhite, kWhite, kRed};
    QTest::newRow("frame partly outside: cut off") << GifWriter()
                                                          .Header()
                                                          .Screen(3, 1, rgb)
                                                          .ImageDescriptor(2, 0, 2, 2, 0)
                                                          .Raw(FourPixels())
                                                          .Trailer()
                                                          .Data()
                                                   << 3 << 1 << std::vector<QRgb>{kWhite, kWhite, kRed};
    QTest::newRow("frame without image: white screen")
        << GifWriter().Header().Screen(4, 2, rgb).GraphicControl(0, 0, 0).Trailer().Data() << 4 << 2
        << std::vector<QRgb>(8, kWhite);
    // Transparency is not applied: the index shows its table colour.
    QTest::newRow("transparent index mapped to white")
        << GifWriter()
               .Header()
               .Screen(2, 2, {{0, 0, 0}, {255, 255, 255}, {0, 255, 0}, {0, 0, 255}})
               .GraphicControl(0x01, 0, 1)
               .ImageDescriptor(0, 0, 2, 2, 0)
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 2 << 2 << std::vector<QRgb>{kWhite, kGreen, kBlue, kBlack};
    // Indexes 2 and 3 lie beyond a two-colour table: black.
    QTest::newRow("indexes past the table")
        << GifWriter()
               .Header()
               .Screen(2, 2, {{10, 20, 30}, {200, 100, 50}})
               .ImageDescriptor(0, 0, 2, 2, 0)
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 2 << 2 << std::vector<QRgb>{qRgb(200, 100, 50), kBlack, kBlack, qRgb(10, 20, 30)};
    QTest::newRow("local table only")
        << GifWriter()
               .Header()
               .Screen(2, 2, {})
               .ImageDescriptor(0, 0, 2, 2, 0x81)
               .Raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 2 << 2 << std::vector<QRgb>{qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12), qRgb(1, 2, 3)};
    QTest::newRow("local table on a smaller frame")
        << GifWriter()
               .Header()
               .Screen(3, 2, rgb)
               .ImageDescriptor(0, 0, 2, 2, 0x81)
               .Raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
               .Raw(FourPixels())
               .Trailer()
               .Data()
        << 3 << 2
        << std::vector<QRgb>{qRgb(4, 5, 6), qRgb(7, 8, 9), kWhite, qRgb(10, 11, 12), qRgb(1, 2, 3), kWhite};
}

void GifBitmapTest::firstFrameOnTheScreen()
{
    QFETCH(Bytes, gif);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(std::vector<QRgb>, colours);
    const auto image = Load(gif);
    QImage bitmap;
    gif::CopyImageTo(*image, bitmap);
    QCOMPARE(bitmap.size(), QSize(width, height));
    QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
    QCOMPARE(bitmap.colorCount(), 256);
    QVERIFY(!bitmap.hasAlphaChannel());
    QCOMPARE(Colours(bitmap), colours);
}

void GifBitmapTest::catalogueLikePictureKeepsItsIndexes()
{
    // One interlaced frame at 0, 0 as large as the screen, a 4-colour
    // global table: the colour table starts with it and goes on in black.
    giftest::FrameSpec frame;
    frame.Width = 24;
    frame.Height = 26;
    frame.Interlaced = true;
    frame.Lzw.MinimumCodeSize = 2;
    for (int i = 0; i < 24 * 26; ++i)
        frame.Pixels.push_back(uint8_t((i / 7 + i / 24) % 4));
    const std::vector<giftest::Color> table{{250, 250, 250}, {40, 40, 40}, {128, 128, 128}, {90, 0, 9}};
    const auto image = Load(GifWriter().Header("GIF87a").Screen(24, 26, table).Frame(frame).Trailer().Data());
    QImage bitmap;
    gif::CopyImageTo(*image, bitmap);
    QCOMPARE(bitmap.size(), QSize(24, 26));
    QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
    QVector<QRgb> expectedTable(256, kBlack);
    for (size_t i = 0; i < table.size(); ++i)
        expectedTable[int(i)] = qRgb(table[i].Red, table[i].Green, table[i].Blue);
    QCOMPARE(bitmap.colorTable(), expectedTable);
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 24; ++x)
            QCOMPARE(bitmap.pixelIndex(x, y), int(frame.Pixels[size_t(y * 24 + x)]));
}

void GifBitmapTest::emptyImageGivesEmptyBitmap()
{
    const auto image = Load(GifWriter().Header().Screen(20, 10, giftest::kBlackWhite).Data());
    QImage bitmap(5, 5, QImage::Format_RGB32);
    gif::CopyImageTo(*image, bitmap);
    QVERIFY(bitmap.isNull());
    QCOMPARE(bitmap.size(), QSize(0, 0));
}

void GifBitmapTest::noColourTableIsRefused()
{
    const Bytes gif = GifWriter()
                          .Header()
                          .Screen(2, 2, {})
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data();
    QCOMPARE(giftest::LoadGif(gif).Error, QString());
    QCOMPARE(BitmapError(gif), QString("No global or local color table defined"));
}

void GifBitmapTest::oversizedScreenIsRefused()
{
    // A tiny frame on a 65535 x 65535 screen would need a 4 GiB bitmap.
    const Bytes gif = GifWriter()
                          .Header()
                          .Screen(65535, 65535, giftest::kBlackWhite)
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data();
    QCOMPARE(BitmapError(gif), QString("Image too large"));
}

void GifBitmapTest::bitmapIsBuiltOnceAndOutlivesTheImage()
{
    auto image = Load(GifWriter()
                          .Header()
                          .Screen(2, 2, giftest::kFourColours)
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data());
    int renders = 0;
    image->ProgressObserver = [&renders](gif::TGIFProgressStage stage, int, const std::string&) {
        renders += stage == gif::TGIFProgressStage::Starting;
    };
    QImage first, second;
    gif::CopyImageTo(*image, first);
    gif::CopyImageTo(*image, second);
    QCOMPARE(renders, 1);
    QCOMPARE(first.constBits(), second.constBits());
    image.reset();
    QCOMPARE(Colours(first), (std::vector<QRgb>{kRed, kGreen, kBlue, kBlack}));
}

void GifBitmapTest::fullPaletteWithoutWhiteUsesNearest()
{
    // 256 dark greys and no white: the screen around the frame gets the
    // lightest of them.
    std::vector<giftest::Color> greys;
    for (int i = 0; i < 256; ++i)
        greys.push_back({uint8_t(i / 2), uint8_t(i / 2), uint8_t(i / 2)});
    const Bytes gif = GifWriter()
                          .Header()
                          .Screen(3, 2, greys)
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data();
    const auto image = Load(gif);
    QImage bitmap;
    gif::CopyImageTo(*image, bitmap);
    QCOMPARE(bitmap.pixel(2, 0), qRgb(127, 127, 127));
    QCOMPARE(bitmap.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(bitmap.pixel(1, 0), qRgb(1, 1, 1));
}

void GifBitmapTest::writtenBmpReadsAsQtReadsIt_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours");
    QTest::newRow("one pixel, one colour") << 1 << 1 << 1;
    QTest::newRow("rows padded by 1") << 3 << 2 << 4;
    QTest::newRow("rows padded by 2") << 6 << 5 << 16;
    QTest::newRow("rows without padding, full palette") << 8 << 7 << 256;
    QTest::newRow("a picture of the catalogue's size") << 41 << 38 << 200;
}

// The program reads what its writer wrote without Qt's reader; it must get
// the very image Qt's reader makes of the same file: size, format, colour
// table and every index, rows the right way up.
void GifBitmapTest::writtenBmpReadsAsQtReadsIt()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colours);
    std::vector<uint8_t> pixels(size_t(width * height));
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = uint8_t((i * 7 + i / size_t(width)) % size_t(colours));
    gif::TGIFPalette palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
    const std::vector<uint8_t> bmp = gif::TDIBWriter(pixels.data(), width, height, palette).WriteBMP();
    QImage byQt;
    QVERIFY(byQt.loadFromData(bmp.data(), int(bmp.size()), "BMP"));
    const QImage ours = gif::ReadBMP(bmp);
    QCOMPARE(ours.format(), byQt.format());
    QCOMPARE(ours.colorTable(), byQt.colorTable());
    QCOMPARE(ours, byQt);
    QCOMPARE(ours.pixelIndex(0, 0), int(pixels[0]));
    QCOMPARE(ours.pixelIndex(width - 1, height - 1), int(pixels.back()));
}

void GifBitmapTest::otherBmpGoesToQtsReader()
{
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(4, 2, qRgb(200, 100, 50));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "BMP"));  // 24 bits per pixel
    const QImage read = gif::ReadBMP(std::vector<uint8_t>(file.begin(), file.end()));
    QCOMPARE(read.size(), picture.size());
    QCOMPARE(read.pixel(4, 2), qRgb(200, 100, 50));
    QVERIFY(gif::ReadBMP(std::vector<uint8_t>{'B', 'M', 0}).isNull());
}

void GifBitmapTest::dibHeadersAreThoseOfAn8BitBmp()
{
    const uint8_t pixels[] = {1, 2, 3, 4, 5, 6};  // 3 x 2
    const gif::TGIFPalette palette{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    const std::vector<uint8_t> bmp = gif::TDIBWriter(pixels, 3, 2, palette).WriteBMP();
    auto u32 = [&bmp](size_t at) {
        return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | uint32_t(bmp[at + 3]) << 24;
    };
    QCOMPARE(bmp.size(), size_t(14 + 40 + 1024 + 2 * 4));
    QVERIFY(bmp[0] == 'B' && bmp[1] == 'M');
    QCOMPARE(u32(2), uint32_t(bmp.size()));
    QCOMPARE(u32(10), uint32_t(1078));
    QCOMPARE(u32(18), uint32_t(3));
    QCOMPARE(u32(22), uint32_t(2));  // positive: bottom-up
    QCOMPARE(u32(28) & 0xFFFF, uint32_t(8));
    QCOMPARE(u32(46), uint32_t(256));
    QCOMPARE(u32(50), uint32_t(3));
    QCOMPARE(u32(54 + 4), uint32_t(0x040506));  // entry 1 as blue, green, red, 0
    QCOMPARE(u32(54 + 4 * 3), uint32_t(0));     // black beyond the palette
    // Bottom row first, padded to 4 bytes.
    QCOMPARE(std::vector<uint8_t>(bmp.begin() + 1078, bmp.end()),
             (std::vector<uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
}

void GifBitmapTest::renderingProgressIsReported()
{
    giftest::FrameSpec frame;
    frame.Width = 3;
    frame.Height = 64;
    frame.Pixels.assign(3 * 64, 1);
    frame.Lzw.MinimumCodeSize = 2;
    auto image = Load(GifWriter().Header().Screen(3, 64, giftest::kBlackWhite).Frame(frame).Trailer().Data());
    QStringList seen;
    image->ProgressObserver = [&seen](gif::TGIFProgressStage stage, int percent, const std::string& message) {
        seen << QString("%1 %2 %3").arg(int(stage)).arg(percent).arg(QString::fromStdString(message));
    };
    gif::BuildImageBitmap(*image);
    QCOMPARE(
        seen,
        (QStringList{"0 0 Rendering...", "1 50 Rendering...", "1 100 Rendering...", "2 100 Rendering..."}));
}

void GifBitmapTest::writingAPpmIsOneCall()
{
    const auto image = Load(GifWriter()
                                .Header()
                                .Screen(2, 2, giftest::kFourColours)
                                .ImageDescriptor(0, 0, 2, 2, 0)
                                .Raw(FourPixels())
                                .Trailer()
                                .Data());
    QImage bitmap;
    gif::CopyImageTo(*image, bitmap);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(bitmap.save(&buffer, "PPM"));
    const QByteArray ppm = buffer.data();
    QVERIFY(ppm.startsWith("P6\n2 2\n255\n"));
    QCOMPARE(ppm.right(12), QByteArray("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\x00\x00\x00", 12));
}

QTEST_GUILESS_MAIN(GifBitmapTest)
#include "GifBitmapTest.moc"
