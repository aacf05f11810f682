// The LZW image data decoder: code widths, the table, the pixel order, and
// what happens when the data fall short or are corrupt.
#include <QTest>

#include <algorithm>
#include <deque>

#include "GifCorpus.h"
#include "GifTestHelpers.h"
#include "gif/DecodeFrameData.h"
#include "gif/GIFHeader.h"
#include "gif/LzwDecoder.h"

using giftest::Bytes;
using giftest::CodeData;
using giftest::GifWriter;
using giftest::LoadGif;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<uint8_t>)

namespace {

// Chunks handed out as given; records what the decoder asks for.
class ScriptedChunks : public lzw::ChunkSource {
public:
    explicit ScriptedChunks(std::deque<Bytes> chunks) : chunks_(std::move(chunks)) { }
    int ReadChunk(uint8_t* dest) override
    {
        if (chunks_.empty())
            return kExhausted;
        const Bytes chunk = chunks_.front();
        chunks_.pop_front();
        std::copy(chunk.begin(), chunk.end(), dest);
        return int(chunk.size());
    }
    void DiscardRest() override { ++Discards; }
    void ReportUnderRun() override { ++UnderRuns; }
    int Discards = 0;
    int UnderRuns = 0;

private:
    std::deque<Bytes> chunks_;
};

// A one-frame GIF around the given image data (code size byte included).
Bytes FrameGif(int width, int height, const Bytes& imageData, uint8_t packed = 0,
               const std::vector<giftest::Color>& table = giftest::kFourColours)
{
    giftest::GifWriter writer;
    writer.Header().Screen(width, height, table).ImageDescriptor(0, 0, width, height, packed);
    return writer.Raw(imageData).Trailer().Data();
}

Bytes WithCodeSize(int minimumCodeSize, const Bytes& data)
{
    Bytes out(data.size() + 1, uint8_t(minimumCodeSize));
    std::copy(data.begin(), data.end(), out.begin() + 1);
    return out;
}

}  // namespace

class LzwDecoderTest : public QObject {
    Q_OBJECT

private slots:
    void decodesWhatWasEncoded_data();
    void decodesWhatWasEncoded();
    void interlacedRowsComeInPassOrder_data();
    void interlacedRowsComeInPassOrder();
    void handBuiltCodes_data();
    void handBuiltCodes();
    void earlyEndKeepsPrefill_data();
    void earlyEndKeepsPrefill();
    void streamIsLeftAfterTheTerminator();
    void codesAfterTheLastPixelStayInTheStream();
    void corruptTablesAreRefused_data();
    void corruptTablesAreRefused();
    void codeSizeAboveElevenIsRefused_data();
    void codeSizeAboveElevenIsRefused();
    void oversizedImagesAreRefusedBeforeDecoding();
    void shortDataAreReported_data();
    void shortDataAreReported();
    void codesSpanningTinyChunks();
    void underRunIsReportedOnlyWithoutBitsLeft();
    void nothingIsDecodedAfterTheEndCode();
};

void LzwDecoderTest::decodesWhatWasEncoded_data()
{
    QTest::addColumn<int>("codeSize");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("keepFullTable");
    QTest::addColumn<int>("blockSize");
    // 1-bit pictures use code size 2, as the program's two-colour ones do.
    QTest::newRow("1-bit 24x26") << 2 << 2 << 24 << 26 << false << 255;
    QTest::newRow("1-bit 1x1") << 2 << 2 << 1 << 1 << false << 255;
    QTest::newRow("2-bit noise fills table, clear codes") << 2 << 4 << 400 << 200 << false << 255;
    QTest::newRow("2-bit noise fills table, no clear") << 2 << 4 << 400 << 200 << true << 255;
    QTest::newRow("8-bit noise fills table, clear codes") << 8 << 256 << 128 << 128 << false << 255;
    QTest::newRow("8-bit noise fills table, no clear") << 8 << 256 << 128 << 128 << true << 255;
    QTest::newRow("5-bit, 1-byte sub-blocks") << 5 << 32 << 60 << 50 << false << 1;
    QTest::newRow("8-bit, 2-byte sub-blocks") << 8 << 256 << 60 << 50 << true << 2;
    QTest::newRow("3-bit, 7-byte sub-blocks") << 3 << 8 << 61 << 17 << false << 7;
}

void LzwDecoderTest::decodesWhatWasEncoded()
{
    QFETCH(int, codeSize);
    QFETCH(int, colours);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, keepFullTable);
    QFETCH(int, blockSize);
    giftest::Random random(uint64_t(codeSize * 1000 + width));
    giftest::FrameSpec frame;
    frame.Width = width;
    frame.Height = height;
    frame.Pixels = giftest::MakePixels(giftest::Pattern::Noise, width, height, colours, random);
    frame.Lzw.MinimumCodeSize = codeSize;
    frame.Lzw.Policy =
        keepFullTable ? giftest::ClearPolicy::KeepFullTable : giftest::ClearPolicy::ClearWhenFull;
    frame.SubBlockSize = blockSize;
    giftest::GifWriter writer;
    writer.Header().Screen(width, height, giftest::MakeTable(colours, random)).Frame(frame).Trailer();
    const giftest::Loaded loaded = LoadGif(writer.Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QVERIFY(giftest::Pixels(*loaded.Image) == frame.Pixels);
    QCOMPARE(loaded.EndPosition, uint64_t(writer.Data().size()));
    // The rows that say so really do fill the table.
    giftest::LzwStats stats;
    giftest::LzwEncode(frame.Pixels, frame.Lzw, &stats);
    if (QString(QTest::currentDataTag()).contains("fills table")) {
        if (keepFullTable)
            QVERIFY(stats.CodesOnFullTable > 100 && stats.Clears == 1);
        else
            QVERIFY(stats.Clears > 1);
    }
}

void LzwDecoderTest::interlacedRowsComeInPassOrder_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<std::vector<int>>("storedRows");
    QTest::newRow("30x38") << 38 << std::vector<int>{0,  8,  16, 24, 32, 4,  12, 20, 28, 36, 2,  6,  10,
                                                     14, 18, 22, 26, 30, 34, 1,  3,  5,  7,  9,  11, 13,
                                                     15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37};
    QTest::newRow("height 1") << 1 << std::vector<int>{0};
    QTest::newRow("height 2") << 2 << std::vector<int>{0, 1};
    QTest::newRow("height 3") << 3 << std::vector<int>{0, 2, 1};
    QTest::newRow("height 5") << 5 << std::vector<int>{0, 4, 2, 1, 3};
    QTest::newRow("height 9") << 9 << std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7};
}

void LzwDecoderTest::interlacedRowsComeInPassOrder()
{
    QFETCH(int, height);
    QFETCH(std::vector<int>, storedRows);
    const int width = 30;
    // The k-th stored row holds the value k throughout.
    std::vector<uint8_t> stored;
    for (int k = 0; k < height; ++k)
        stored.insert(stored.end(), size_t(width), uint8_t(k));
    giftest::LzwOptions options;
    options.MinimumCodeSize = 6;
    const Bytes data = WithCodeSize(6, giftest::SubBlocks(giftest::LzwEncode(stored, options)));
    const giftest::Loaded loaded = LoadGif(FrameGif(width, height, data, 0x40));
    QCOMPARE(loaded.Error, QString());
    const std::vector<uint8_t> pixels = giftest::Pixels(*loaded.Image);
    for (int k = 0; k < height; ++k) {
        const int row = storedRows[size_t(k)];
        QVERIFY2(std::all_of(pixels.begin() + row * width, pixels.begin() + (row + 1) * width,
                             [k](uint8_t p) { return p == k; }),
                 qPrintable(QString("row %1 should hold stored row %2").arg(row).arg(k)));
    }
}

void LzwDecoderTest::handBuiltCodes_data()
{
    QTest::addColumn<int>("codeSize");
    QTest::addColumn<Bytes>("data");
    QTest::addColumn<std::vector<uint8_t>>("expected");
    // Code size 2: clear 4, end 5, first free 6, 3-bit codes until entry 7.
    QTest::newRow("code equal to next free code")
        << 2 << CodeData({{4, 3}, {2, 3}, {3, 3}, {7, 3}, {6, 4}, {5, 4}})
        << std::vector<uint8_t>{2, 3, 3, 3, 2, 3};
    QTest::newRow("repeated next-free codes")
        << 2 << CodeData({{4, 3}, {1, 3}, {6, 3}, {7, 3}, {5, 4}}) << std::vector<uint8_t>{1, 1, 1, 1, 1, 1};
    QTest::newRow("clear code in the middle")
        << 2 << CodeData({{4, 3}, {1, 3}, {2, 3}, {4, 3}, {3, 3}, {0, 3}, {6, 3}, {5, 4}})
        << std::vector<uint8_t>{1, 2, 3, 0, 3, 0};
    // Code size 11: 12-bit codes from the start; indexes are kept modulo 256.
    QTest::newRow("code size 11") << 11 << CodeData({{2048, 12}, {300, 12}, {5, 12}, {2050, 12}, {2049, 12}})
                                  << std::vector<uint8_t>{44, 5, 44, 5, 0, 0};
    // An end code right after a clear code ends the data; it is no pixel.
    QTest::newRow("clear then end") << 2 << CodeData({{4, 3}, {4, 3}, {5, 3}})
                                    << std::vector<uint8_t>{0, 0, 0, 0, 0, 0};
    // An undefined code right after a clear code stands for its own low
    // eight bits. Entry 6 then gets the undefined 7 as its prefix, which
    // reads as prefix 0, suffix 0: code 6 is 0, 0, 1, and its walk must not
    // trust the entry's length.
    QTest::newRow("undefined code after a clear code")
        << 2 << CodeData({{4, 3}, {7, 3}, {1, 3}, {6, 3}, {5, 4}}) << std::vector<uint8_t>{7, 1, 0, 0, 1};
}

void LzwDecoderTest::handBuiltCodes()
{
    QFETCH(int, codeSize);
    QFETCH(Bytes, data);
    QFETCH(std::vector<uint8_t>, expected);
    const giftest::Loaded loaded = LoadGif(FrameGif(int(expected.size()), 1, WithCodeSize(codeSize, data)));
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QVERIFY(giftest::Pixels(*loaded.Image) == expected);
}

void LzwDecoderTest::earlyEndKeepsPrefill_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<uint8_t>("expectedFill");
    QTest::newRow("opaque frame: index 0") << false << uint8_t(0);
    QTest::newRow("transparent frame: transparent index") << true << uint8_t(3);
}

void LzwDecoderTest::earlyEndKeepsPrefill()
{
    QFETCH(bool, transparent);
    QFETCH(uint8_t, expectedFill);
    giftest::GifWriter writer;
    writer.Header().Screen(2, 1, giftest::kFourColours);
    writer.GraphicControl(transparent ? 0x01 : 0x00, 0, 3);
    // Clear, one colour, end: a 2 x 1 frame gets its first pixel only.
    writer.ImageDescriptor(0, 0, 2, 1, 0).Raw(WithCodeSize(2, CodeData({{4, 3}, {2, 3}, {5, 3}}))).Trailer();
    const giftest::Loaded loaded = LoadGif(writer.Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QCOMPARE(loaded.Image->Images()[0].Transparent(), transparent);
    QVERIFY(giftest::Pixels(*loaded.Image) == (std::vector<uint8_t>{2, expectedFill}));
}

void LzwDecoderTest::streamIsLeftAfterTheTerminator()
{
    // Exactly 3 pixels, the end code and the terminator, then bytes that
    // must not be touched.
    const Bytes data = WithCodeSize(2, CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {5, 3}}));
    Bytes stream = data;
    stream.insert(stream.end(), {0x3B, 0xEE, 0xEE});
    gif::ByteStream input(stream.data(), stream.size());
    gif::TGIFHeader sender(nullptr);
    const auto pixels = gif::DecodeFrameData(input, 3, 1, false, 0, sender);
    QCOMPARE(input.Position(), uint64_t(data.size()));
    QVERIFY(std::equal(pixels.get(), pixels.get() + 3, std::vector<uint8_t>{1, 2, 3}.begin()));
}

void LzwDecoderTest::codesAfterTheLastPixelStayInTheStream()
{
    // A 1 x 1 frame whose data go on: one more code is read, the rest is
    // left to the block loop, which does not know what to make of it.
    const Bytes data = WithCodeSize(2, CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {1, 3}, {2, 3}, {5, 3}}, 1));
    const giftest::Loaded loaded = LoadGif(FrameGif(1, 1, data));
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, (QStringList{"Unknown GIF block type", "Invalid Image trailer"}));
    QCOMPARE(loaded.Image->Images().Count(), size_t(1));
    QVERIFY(giftest::Pixels(*loaded.Image) == std::vector<uint8_t>{1});
}

void LzwDecoderTest::corruptTablesAreRefused_data()
{
    QTest::addColumn<int>("codeSize");
    QTest::addColumn<Bytes>("data");
    // Code 7 is read while undefined, so entry 7 gets itself as prefix.
    QTest::newRow("entry naming itself") << 2 << CodeData({{4, 3}, {0, 3}, {7, 3}, {1, 3}, {7, 4}});
    // Entries 11 and 12 name each other: the walk must stop.
    QTest::newRow("two entries in a loop")
        << 3 << CodeData({{8, 4}, {0, 4}, {12, 4}, {11, 4}, {1, 4}, {12, 4}});
}

void LzwDecoderTest::corruptTablesAreRefused()
{
    QFETCH(int, codeSize);
    QFETCH(Bytes, data);
    const Bytes gif = FrameGif(100, 1, WithCodeSize(codeSize, data), 0, giftest::kFourColours);
    const giftest::Loaded loaded = LoadGif(gif, 0);
    QCOMPARE(loaded.Error, QString("Circular decoder table entry"));
    QCOMPARE(loaded.EndPosition, uint64_t(0));
}

void LzwDecoderTest::codeSizeAboveElevenIsRefused_data()
{
    QTest::addColumn<int>("codeSize");
    QTest::addColumn<QString>("error");
    QTest::newRow("11 is the largest that fits") << 11 << QString();
    QTest::newRow("12") << 12 << QString("Invalid LZW code size");
    QTest::newRow("255") << 255 << QString("Invalid LZW code size");
}

void LzwDecoderTest::codeSizeAboveElevenIsRefused()
{
    QFETCH(int, codeSize);
    QFETCH(QString, error);
    const Bytes data = WithCodeSize(codeSize, CodeData({{1 << std::min(codeSize, 11), 12}, {7, 12}}));
    const giftest::Loaded loaded = LoadGif(FrameGif(4, 4, data));
    QCOMPARE(loaded.Error, error);
    if (error.isEmpty())
        QCOMPARE(loaded.Image->Images()[0].Data()[0], uint8_t(7));
    else
        QCOMPARE(loaded.Image->Images().Count(), size_t(0));
    // The decoder itself refuses what would not fit its table.
    ScriptedChunks none({});
    if (codeSize > lzw::kMaxMinimumCodeSize)
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, lzw::Decoder(codeSize, none));
}

void LzwDecoderTest::oversizedImagesAreRefusedBeforeDecoding()
{
    // 65535 x 1025 is just above 64 Mi pixels: refused without allocating.
    const Bytes data = WithCodeSize(2, CodeData({{4, 3}, {1, 3}, {5, 3}}));
    Bytes stream = data;
    gif::ByteStream input(stream.data(), stream.size());
    gif::TGIFHeader sender(nullptr);
    QVERIFY_THROWS_EXCEPTION(gif::GIFException, gif::DecodeFrameData(input, 65535, 1025, false, 0, sender));
    QCOMPARE(input.Position(), uint64_t(0));
    // Through the reader the whole load fails.
    GifWriter writer;
    writer.Header().Screen(10, 10, giftest::kFourColours).ImageDescriptor(0, 0, 65535, 65535, 0).Raw(data);
    QCOMPARE(LoadGif(writer.Data()).Error, QString("Image too large"));
    // All frames together get no more: two 32 Mi frames fill the budget.
    GifWriter many;
    many.Header().Screen(10, 10, giftest::kFourColours);
    for (int frame = 0; frame < 3; ++frame)
        many.ImageDescriptor(0, 0, frame < 2 ? 8192 : 1, frame < 2 ? 4096 : 1, 0).Raw(data);
    const giftest::Loaded loaded = LoadGif(many.Trailer().Data());
    QCOMPARE(loaded.Error, QString("Image too large"));
    QCOMPARE(loaded.Image->Images().Count(), size_t(2));
    // 8192 x 8192 is exactly 64 Mi pixels and still accepted.
    input.Seek(0);
    const auto pixels = gif::DecodeFrameData(input, 8192, 8192, false, 9, sender);
    QVERIFY(pixels);
    QCOMPARE(pixels[0], uint8_t(1));
    QCOMPARE(pixels[size_t(8192) * 8192 - 1], uint8_t(9));
}

void LzwDecoderTest::shortDataAreReported_data()
{
    QTest::addColumn<Bytes>("data");
    QTest::addColumn<std::vector<uint8_t>>("expected");
    QTest::addColumn<QStringList>("warnings");
    const Bytes codes = CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}});  // no end code
    QTest::newRow("stream ends before the code size")
        << Bytes{} << std::vector<uint8_t>(5, 0) << QStringList();
    QTest::newRow("stream ends where a size byte is due")
        << WithCodeSize(2, Bytes(codes.begin(), codes.end() - 1)) << std::vector<uint8_t>{1, 2, 3, 0, 0}
        << QStringList();
    // Clear, 1, 2, 3 and a 4-bit 1 fill 2 bytes exactly; no size byte after
    // them. The last code is whole and counts.
    const Bytes exact = CodeData({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {1, 4}});
    QTest::newRow("stream ends right after a whole code")
        << WithCodeSize(2, Bytes(exact.begin(), exact.end() - 1)) << std::vector<uint8_t>{1, 2, 3, 1, 0}
        << QStringList();
    Bytes cut = WithCodeSize(2, Bytes(codes.begin(), codes.end() - 1));
    cut[1] = 40;  // the sub-block claims more than the stream holds
    QTest::newRow("sub-block longer than the stream")
        << cut << std::vector<uint8_t>{1, 2, 3, 0, 0} << QStringList{"Premature end of data"};
    QTest::newRow("codes wanted after the terminator")
        << WithCodeSize(2, codes) << std::vector<uint8_t>{1, 2, 3, 0, 0}
        << QStringList{"Decoder bit buffer under-run", "Decoder bit buffer under-run"};
}

void LzwDecoderTest::shortDataAreReported()
{
    QFETCH(Bytes, data);
    QFETCH(std::vector<uint8_t>, expected);
    QFETCH(QStringList, warnings);
    giftest::GifWriter writer;
    writer.Header().Screen(5, 1, giftest::kFourColours).ImageDescriptor(0, 0, 5, 1, 0).Raw(data);
    const giftest::Loaded loaded = LoadGif(writer.Data());
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, warnings);
    QVERIFY(giftest::Pixels(*loaded.Image) == expected);
    if (!warnings.isEmpty())
        QCOMPARE(loaded.Senders.first(), QString("TGIFSubImage"));
}

void LzwDecoderTest::codesSpanningTinyChunks()
{
    // 12-bit codes over 1-byte chunks: a code spans two refills.
    giftest::CodePacker packer;
    const int codes[] = {2048, 1, 2, 3, 2050, 2051, 2049};
    for (int code : codes)
        packer.Put(code, 12);
    std::deque<Bytes> chunks;
    for (uint8_t byte : packer.Finish())
        chunks.push_back(Bytes{byte});
    chunks.push_back(Bytes{});
    ScriptedChunks source(chunks);
    lzw::Decoder decoder(11, source);
    uint8_t out[16] = {};
    QCOMPARE(decoder.Decode(out, 16), size_t(7));
    QCOMPARE(decoder.Status(), int(lzw::Decoder::kEndCode));
    const uint8_t expected[] = {1, 2, 3, 1, 2, 2, 3};
    QVERIFY(std::equal(expected, expected + 7, out));
    QCOMPARE(source.Discards, 1);
    QCOMPARE(source.UnderRuns, 0);
}

void LzwDecoderTest::underRunIsReportedOnlyWithoutBitsLeft()
{
    // Code size 8: 9-bit codes. Clear and two colours take 27 of 32 bits;
    // the 5 left make no code, but they are bits: no under-run.
    giftest::CodePacker partialCodes;
    for (int code : {256, 1, 2})
        partialCodes.Put(code, 9);
    ScriptedChunks partial({partialCodes.Finish(), Bytes{}});
    lzw::Decoder decoder(8, partial);
    QCOMPARE(decoder.NextColourIndex(), 1);
    QCOMPARE(decoder.NextColourIndex(), 2);
    QCOMPARE(decoder.NextColourIndex(), int(lzw::Decoder::kNoMoreData));
    QCOMPARE(decoder.NextColourIndex(), int(lzw::Decoder::kNoMoreData));
    QCOMPARE(partial.UnderRuns, 0);
    // Eight codes fill 9 bytes exactly: the next request finds no bits.
    giftest::CodePacker wholeCodes;
    for (int code : {256, 1, 2, 3, 4, 5, 6, 7})
        wholeCodes.Put(code, 9);
    ScriptedChunks whole({wholeCodes.Finish(), Bytes{}});
    lzw::Decoder wholeDecoder(8, whole);
    uint8_t out[16];
    QCOMPARE(wholeDecoder.Decode(out, 16), size_t(7));
    QCOMPARE(wholeDecoder.Status(), int(lzw::Decoder::kNoMoreData));
    QCOMPARE(whole.UnderRuns, 1);
    QCOMPARE(out[6], uint8_t(7));
}

void LzwDecoderTest::nothingIsDecodedAfterTheEndCode()
{
    // Bits after the end code are padding, even when they look like codes.
    giftest::CodePacker packer;
    for (int code : {4, 1, 5, 2, 3, 7, 7})
        packer.Put(code, 3);
    ScriptedChunks source({packer.Finish(), Bytes{}});
    lzw::Decoder decoder(2, source);
    QCOMPARE(decoder.NextColourIndex(), 1);
    QCOMPARE(decoder.NextColourIndex(), int(lzw::Decoder::kEndCode));
    QCOMPARE(decoder.NextColourIndex(), int(lzw::Decoder::kEndCode));
    uint8_t out[4] = {9, 9, 9, 9};
    QCOMPARE(decoder.Decode(out, 4), size_t(0));
    QCOMPARE(out[0], uint8_t(9));
    QCOMPARE(source.Discards, 1);
}

QTEST_GUILESS_MAIN(LzwDecoderTest)
#include "LzwDecoderTest.moc"
