// The GIF reader: what it checks, what it lets pass, its defaults and the
// texts it reports.
#include <QTest>

#include "GifTestHelpers.h"
#include "gif/GIFExtensions.h"

using giftest::Bytes;
using giftest::CodeData;
using giftest::GifWriter;
using giftest::LoadGif;

namespace {

// Image data for a 2 x 2 frame holding 1, 2, 3, 0 (code size 2).
Bytes FourPixels()
{
    Bytes data{2};
    const Bytes codes = CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 4}, {5, 4}});
    data.insert(data.end(), codes.begin(), codes.end());
    return data;
}

GifWriter ScreenOnly(const std::string& signature = "GIF89a")
{
    GifWriter writer;
    writer.Header(signature).Screen(2, 2, giftest::kFourColours);
    return writer;
}

// A complete 2 x 2 picture.
Bytes SmallGif(const std::string& signature = "GIF89a")
{
    return ScreenOnly(signature).ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Trailer().Data();
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<uint8_t> kFourPixels = {1, 2, 3, 0};

}  // namespace

class GifReaderTest : public QObject {
    Q_OBJECT

private slots:
    void acceptedVariations_data();
    void acceptedVariations();
    void refusedStreams_data();
    void refusedStreams();
    void emptyAndTableless_data();
    void emptyAndTableless();
    void frameSizesAgainstTheScreen_data();
    void frameSizesAgainstTheScreen();
    void strayBytes_data();
    void strayBytes();
    void framesBeforeAnErrorRemain();
    void extensionsAreRead();
    void applicationExtensionVariants_data();
    void applicationExtensionVariants();
    void graphicControlCutShort();
    void reloadingReplacesEverything();
    void progressIsReported();
};

void GifReaderTest::acceptedVariations_data()
{
    QTest::addColumn<Bytes>("gif");
    QTest::addColumn<uint64_t>("start");
    QTest::newRow("plain") << SmallGif() << uint64_t(0);
    QTest::newRow("4 zero bytes in front") << Concat({0, 0, 0, 0}, SmallGif()) << uint64_t(0);
    QTest::newRow("4 bytes of text in front") << Concat({'R', 'I', 'F', 'F'}, SmallGif()) << uint64_t(0);
    QTest::newRow("lower-case signature") << SmallGif("gif89a") << uint64_t(0);
    QTest::newRow("mixed-case signature") << SmallGif("gIf87a") << uint64_t(0);
    QTest::newRow("unknown version") << SmallGif("GIF99z") << uint64_t(0);
    QTest::newRow("starting inside a buffer") << Concat({9, 9, 9}, SmallGif()) << uint64_t(3);
    QTest::newRow("no trailer") << ScreenOnly().ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Data()
                                << uint64_t(0);
    QTest::newRow("zero bytes between blocks") << ScreenOnly()
                                                      .Byte(0)
                                                      .Byte(0)
                                                      .ImageDescriptor(0, 0, 2, 2, 0)
                                                      .Raw(FourPixels())
                                                      .Byte(0)
                                                      .Byte(0)
                                                      .Trailer()
                                                      .Data()
                                               << uint64_t(0);
}

void GifReaderTest::acceptedVariations()
{
    QFETCH(Bytes, gif);
    QFETCH(uint64_t, start);
    const giftest::Loaded loaded = LoadGif(gif, start);
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QCOMPARE(loaded.Image->Width(), 2);
    QCOMPARE(loaded.Image->Height(), 2);
    QCOMPARE(loaded.Image->Images().Count(), size_t(1));
    QVERIFY(giftest::Pixels(*loaded.Image) == kFourPixels);
    QCOMPARE(loaded.Image->Header().ColorMap().Count(), 4);
    QCOMPARE(loaded.Image->Header().ColorMap()[1].Red, uint8_t(255));
}

void GifReaderTest::refusedStreams_data()
{
    QTest::addColumn<Bytes>("gif");
    QTest::addColumn<QString>("error");
    QTest::newRow("not a GIF") << Concat({'P', 'N', 'G', '8', '9', 'a'}, Bytes(20, 0))
                               << "Invalid GIF signature";
    QTest::newRow("5 bytes in front") << Concat({1, 2, 3, 4, 5}, SmallGif()) << "Invalid GIF signature";
    QTest::newRow("5 bytes only") << Bytes{'G', 'I', 'F', '8', '9'} << "Premature end of data";
    QTest::newRow("screen descriptor cut")
        << Bytes{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2} << "Premature end of data";
    Bytes cutTable = ScreenOnly().Data();
    cutTable.resize(cutTable.size() - 2);
    QTest::newRow("colour table cut") << cutTable << "Premature end of data";
    QTest::newRow("image descriptor cut")
        << ScreenOnly().Raw({0x2C, 0, 0, 0}).Data() << "Premature end of data";
    QTest::newRow("extension label 0x02") << ScreenOnly()
                                                 .Raw({0x21, 0x02, 0x00})
                                                 .ImageDescriptor(0, 0, 2, 2, 0)
                                                 .Raw(FourPixels())
                                                 .Trailer()
                                                 .Data()
                                          << "Unknown extension type";
    QTest::newRow("extension label missing") << ScreenOnly().Byte(0x21).Data() << "Unknown extension type";
    QTest::newRow("comment sub-block cut")
        << ScreenOnly().Raw({0x21, 0xFE, 5, 'a', 'b'}).Data() << "Premature end of data";
    QTest::newRow("plain text fields cut")
        << ScreenOnly().Raw({0x21, 0x01, 12, 0, 0}).Data() << "Premature end of data";
}

void GifReaderTest::refusedStreams()
{
    QFETCH(Bytes, gif);
    QFETCH(QString, error);
    // Start inside a buffer: the stream must be back at that position.
    const Bytes buffer = Concat({7, 7}, gif);
    const giftest::Loaded loaded = LoadGif(buffer, 2);
    QCOMPARE(loaded.Error, error);
    QCOMPARE(loaded.EndPosition, uint64_t(2));
}

void GifReaderTest::emptyAndTableless_data()
{
    QTest::addColumn<Bytes>("gif");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("globalColours");
    QTest::newRow("data end after the header") << ScreenOnly().Data() << 0 << 4;
    QTest::newRow("trailer after the header") << ScreenOnly().Trailer().Data() << 0 << 4;
    GifWriter noTable;
    noTable.Header().Screen(2, 2, {}).ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Trailer();
    QTest::newRow("no colour table at all") << noTable.Data() << 1 << 0;
}

void GifReaderTest::emptyAndTableless()
{
    QFETCH(Bytes, gif);
    QFETCH(int, frames);
    QFETCH(int, globalColours);
    const giftest::Loaded loaded = LoadGif(gif);
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QCOMPARE(int(loaded.Image->Images().Count()), frames);
    QCOMPARE(loaded.Image->Empty(), frames == 0);
    QCOMPARE(loaded.Image->Header().ColorMap().Count(), globalColours);
}

void GifReaderTest::frameSizesAgainstTheScreen_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("readWidth");
    QTest::addColumn<int>("readHeight");
    const QStringList none;
    const QStringList exceeds{"Image exceeds Logical Screen size"};
    QTest::newRow("zero width") << 0 << 0 << 0 << 5 << exceeds << 4 << 3;
    QTest::newRow("zero height") << 0 << 0 << 7 << 0 << exceeds << 4 << 3;
    QTest::newRow("larger than the screen") << 0 << 0 << 9 << 9 << none << 9 << 9;
    QTest::newRow("partly outside") << 3 << 2 << 4 << 3 << none << 4 << 3;
}

void GifReaderTest::frameSizesAgainstTheScreen()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, warnings);
    QFETCH(int, readWidth);
    QFETCH(int, readHeight);
    GifWriter writer;
    writer.Header().Screen(4, 3, giftest::kFourColours).ImageDescriptor(left, top, width, height, 0);
    writer.Raw(FourPixels()).Trailer();
    const giftest::Loaded loaded = LoadGif(writer.Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, warnings);
    const gif::TGIFSubImage& frame = loaded.Image->Images()[0];
    QCOMPARE(frame.Width(), readWidth);
    QCOMPARE(frame.Height(), readHeight);
    QCOMPARE(frame.DataSize(), size_t(readWidth) * readHeight);
    QCOMPARE(frame.Data()[0], uint8_t(1));
    if (!warnings.isEmpty())
        QCOMPARE(loaded.Senders, QStringList{"TGIFSubImage"});
}

void GifReaderTest::strayBytes_data()
{
    QTest::addColumn<Bytes>("gif");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("firstHasImage");
    const Bytes gce{0x21, 0xF9, 4, 0, 0, 0, 0, 0};
    QTest::newRow("unknown block between frames")
        << ScreenOnly().ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Byte(0x99).Trailer().Data()
        << QStringList{"Unknown GIF block type", "Invalid Image trailer"} << 1 << true;
    // A stray byte after an extension is read as the image separator.
    QTest::newRow("stray byte in the extension area")
        << ScreenOnly().Raw(gce).Raw({0x2D, 0, 0, 0, 0, 2, 0, 2, 0, 0}).Raw(FourPixels()).Trailer().Data()
        << QStringList{"Invalid extension introducer"} << 1 << true;
    // A zero byte there ends the frame without image; its extension stays.
    QTest::newRow("zero byte in the extension area")
        << ScreenOnly().Raw(gce).Byte(0).Trailer().Data() << QStringList{"Invalid extension introducer"} << 1
        << false;
    QTest::newRow("extensions, then the trailer")
        << ScreenOnly().Raw(gce).Trailer().Data() << QStringList() << 1 << false;
    QTest::newRow("extensions, then the end of the data")
        << ScreenOnly().Raw(gce).Data() << QStringList() << 1 << false;
}

void GifReaderTest::strayBytes()
{
    QFETCH(Bytes, gif);
    QFETCH(QStringList, warnings);
    QFETCH(int, frames);
    QFETCH(bool, firstHasImage);
    const giftest::Loaded loaded = LoadGif(gif);
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, warnings);
    QCOMPARE(int(loaded.Image->Images().Count()), frames);
    const gif::TGIFSubImage& first = loaded.Image->Images()[0];
    QCOMPARE(!first.Empty(), firstHasImage);
    if (firstHasImage)
        QVERIFY(giftest::Pixels(*loaded.Image) == kFourPixels);
    else
        QCOMPARE(first.Extensions().Count(), size_t(1));
}

void GifReaderTest::framesBeforeAnErrorRemain()
{
    const Bytes gif = ScreenOnly()
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Raw({0x21, 0x02, 0x00})
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data();
    const giftest::Loaded loaded = LoadGif(gif);
    QCOMPARE(loaded.Error, QString("Unknown extension type"));
    QCOMPARE(loaded.EndPosition, uint64_t(0));
    QCOMPARE(loaded.Image->Images().Count(), size_t(1));
    QVERIFY(giftest::Pixels(*loaded.Image) == kFourPixels);
}

void GifReaderTest::extensionsAreRead()
{
    GifWriter writer = ScreenOnly();
    writer.LoopExtension(7).Comment("made by hand").Raw({0x21, 0xFE, 3, 'a', 0, 'b', 2, 'c', 'd', 0});
    writer.Raw({0x21, 0x01, 12, 1, 0, 2, 0, 3, 0, 4, 0, 5, 6, 7, 8, 3, 'x', 'y', 'z', 0});
    writer.GraphicControl(0x05, 300, 3).GraphicControl(0x00, 0, 1);
    writer.ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Trailer();
    const giftest::Loaded loaded = LoadGif(writer.Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    const gif::TGIFSubImage& frame = loaded.Image->Images()[0];
    const gif::TGIFExtensionList& list = frame.Extensions();
    QCOMPARE(list.Count(), size_t(6));
    const auto* loop = dynamic_cast<const gif::TGIFAppExtNSLoop*>(&list[0]);
    QVERIFY(loop);
    QCOMPARE(loop->LoopCount, uint16_t(7));
    const auto* comment = dynamic_cast<const gif::TGIFCommentExtension*>(&list[1]);
    QVERIFY(comment && comment->Lines == gif::TGIFTextLines{"made by hand"});
    const auto* lines = dynamic_cast<const gif::TGIFCommentExtension*>(&list[2]);
    QVERIFY(lines && (lines->Lines == gif::TGIFTextLines{"a", "cd"}));
    const auto* text = dynamic_cast<const gif::TGIFTextExtension*>(&list[3]);
    QVERIFY(text && text->Lines == gif::TGIFTextLines{"xyz"});
    QCOMPARE(text->Fields[12], uint8_t(8));
    // The first graphic control extension governs; transparency marks the frame.
    const gif::TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
    QCOMPARE(control, dynamic_cast<const gif::TGIFGraphicControlExtension*>(&list[4]));
    QCOMPARE(control->DelayTime, uint16_t(300));
    QCOMPARE(control->Disposal(), 1);
    QVERIFY(control->Transparent() && frame.Transparent());
    QCOMPARE(control->ExtensionLabel(), uint8_t(0xF9));
    QCOMPARE(&list[5].Frame(), &frame);
}

void GifReaderTest::applicationExtensionVariants_data()
{
    QTest::addColumn<Bytes>("extension");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("rawBlocks");
    QTest::addColumn<bool>("endsStream");
    const Bytes netscape{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const Bytes other{'X', 'Y', 'Z', 'A', 'P', 'P', 'L', 'I', '1', '.', '0'};
    auto app = [](uint8_t size, const Bytes& identifier, const Bytes& data) {
        return Concat(Concat({0x21, 0xFF, size}, identifier), data);
    };
    QTest::newRow("NETSCAPE2.0 loop") << app(11, netscape, {3, 1, 5, 0, 0}) << "TGIFAppExtNSLoop"
                                      << "" << 0 << false;
    QTest::newRow("ANIMEXTS1.0 buffer")
        << app(11, {'A', 'N', 'I', 'M', 'E', 'X', 'T', 'S', '1', '.', '0'}, {5, 2, 1, 2, 3, 4, 0})
        << "TGIFAppExtNSLoop"
        << "" << 0 << false;
    QTest::newRow("loop sub-block too short") << app(11, netscape, {2, 1, 5, 0}) << ""
                                              << "Invalid GIF data" << 0 << false;
    QTest::newRow("buffer sub-block too short") << app(11, netscape, {4, 2, 1, 2, 3, 0}) << ""
                                                << "Invalid GIF data" << 0 << false;
    QTest::newRow("unknown application") << app(11, other, {2, 9, 9, 1, 8, 0}) << "TGIFUnknownAppExtension"
                                         << "" << 2 << false;
    QTest::newRow("10-byte identifier")
        << app(10, Bytes(other.begin(), other.end() - 1), {1, 7, 0}) << "TGIFUnknownAppExtension"
        << "" << 1 << false;
    QTest::newRow("block size 9") << app(9, Bytes(other.begin(), other.end() - 2), {0}) << ""
                                  << "Unsupported Application Extension block size" << 0 << false;
    // Larger blocks keep their data as raw sub-blocks.
    QTest::newRow("block size 13") << app(13, Concat(other, {0xAA, 0xBB}), {3, 1, 2, 3, 0})
                                   << "TGIFApplicationExtension"
                                   << "" << 1 << false;
    QTest::newRow("identifier cut off") << Bytes{0x21, 0xFF, 11, 'N', 'E', 'T'} << ""
                                        << "Premature end of data" << 0 << true;
    QTest::newRow("block size missing") << Bytes{0x21, 0xFF} << ""
                                        << "Unknown extension type" << 0 << true;
}

void GifReaderTest::applicationExtensionVariants()
{
    QFETCH(Bytes, extension);
    QFETCH(QString, className);
    QFETCH(QString, error);
    QFETCH(int, rawBlocks);
    QFETCH(bool, endsStream);
    GifWriter writer = ScreenOnly();
    writer.Raw(extension);
    if (!endsStream)
        writer.ImageDescriptor(0, 0, 2, 2, 0).Raw(FourPixels()).Trailer();
    const Bytes gif = writer.Data();
    const giftest::Loaded loaded = LoadGif(gif);
    QCOMPARE(loaded.Error, error);
    if (!error.isEmpty())
        return;
    QCOMPARE(loaded.Warnings, QStringList());
    const gif::TGIFExtension& read = loaded.Image->Images()[0].Extensions()[0];
    QCOMPARE(QString(read.ClassName()), className);
    const auto& application = dynamic_cast<const gif::TGIFApplicationExtension&>(read);
    QCOMPARE(int(application.Blocks.size()), rawBlocks);
    QVERIFY(giftest::Pixels(*loaded.Image) == kFourPixels);
}

void GifReaderTest::graphicControlCutShort()
{
    const giftest::Loaded loaded = LoadGif(ScreenOnly().Raw({0x21, 0xF9, 4, 0x01, 10}).Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList{"Premature end of data"});
    QCOMPARE(loaded.Senders, QStringList{"TGIFGraphicControlExtension"});
    const gif::TGIFSubImage& frame = loaded.Image->Images()[0];
    QVERIFY(frame.Transparent());
    QCOMPARE(frame.GraphicControlExtension()->DelayTime, uint16_t(10));
}

void GifReaderTest::reloadingReplacesEverything()
{
    const Bytes big = giftest::GifWriter()
                          .Header()
                          .Screen(9, 9, giftest::kBlackWhite)
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .ImageDescriptor(0, 0, 2, 2, 0)
                          .Raw(FourPixels())
                          .Trailer()
                          .Data();
    gif::TGIFImage image;
    gif::ByteStream first(big.data(), big.size());
    image.LoadFromStream(first);
    QCOMPARE(image.Images().Count(), size_t(2));
    const Bytes header = ScreenOnly().Data();
    gif::ByteStream second(header.data(), header.size());
    image.LoadFromStream(second);
    QCOMPARE(image.Images().Count(), size_t(0));
    QCOMPARE(image.Width(), 2);
    QCOMPARE(image.Header().ColorMap().Count(), 4);
}

void GifReaderTest::progressIsReported()
{
    gif::TGIFImage image;
    QStringList seen;
    image.ProgressObserver = [&seen](gif::TGIFProgressStage stage, int percent, const std::string& message) {
        seen << QString("%1 %2 %3").arg(int(stage)).arg(percent).arg(QString::fromStdString(message));
    };
    const Bytes gif = SmallGif();
    gif::ByteStream stream(gif.data(), gif.size());
    image.LoadFromStream(stream);
    const int afterFrame = int((gif.size() - 1) * 100 / gif.size());
    QCOMPARE(seen,
             (QStringList{"0 0 Loading...", QString("1 %1 Loading...").arg(afterFrame), "2 100 Loading..."}));
}

QTEST_GUILESS_MAIN(GifReaderTest)
#include "GifReaderTest.moc"
