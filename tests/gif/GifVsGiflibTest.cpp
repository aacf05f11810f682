// Our reader and giflib decode a generated corpus of well-formed GIFs to
// the same colour indexes, and both agree with what was encoded.
#include <QTest>

#include <gif_lib.h>

#include <cstring>
#include <memory>

#include "GifCorpus.h"
#include "GifTestHelpers.h"

Q_DECLARE_METATYPE(std::shared_ptr<const giftest::CorpusEntry>)

namespace {

struct MemoryInput {
    const uint8_t* Data;
    size_t Size;
    size_t Position = 0;
};

int ReadFromMemory(GifFileType* file, GifByteType* dest, int count)
{
    auto* input = static_cast<MemoryInput*>(file->UserData);
    const size_t n = std::min(size_t(count), input->Size - input->Position);
    std::memcpy(dest, input->Data + input->Position, n);
    input->Position += n;
    return int(n);
}

struct GiflibCloser {
    void operator()(GifFileType* file) const
    {
        int error = 0;
        DGifCloseFile(file, &error);
    }
};
using GiflibFile = std::unique_ptr<GifFileType, GiflibCloser>;

GiflibFile SlurpWithGiflib(const giftest::Bytes& gif, MemoryInput& input)
{
    input = MemoryInput{gif.data(), gif.size()};
    int error = 0;
    GiflibFile file(DGifOpen(&input, ReadFromMemory, &error));
    if (!file || DGifSlurp(file.get()) != GIF_OK)
        return nullptr;
    return file;
}

}  // namespace

class GifVsGiflib : public QObject {
    Q_OBJECT

private slots:
    void decodesLikeGiflib_data();
    void decodesLikeGiflib();
    void corpusCoversTheRequiredRange();
};

void GifVsGiflib::decodesLikeGiflib_data()
{
    QTest::addColumn<std::shared_ptr<const giftest::CorpusEntry>>("entry");
    for (giftest::CorpusEntry& entry : giftest::MakeCorpus())
        QTest::newRow(entry.Name.c_str()) << std::make_shared<const giftest::CorpusEntry>(std::move(entry));
}

void GifVsGiflib::decodesLikeGiflib()
{
    QFETCH(std::shared_ptr<const giftest::CorpusEntry>, entry);
    MemoryInput input{nullptr, 0};
    const GiflibFile reference = SlurpWithGiflib(entry->Gif, input);
    QVERIFY2(reference, "giflib refuses the stream");

    const giftest::Loaded loaded = giftest::LoadGif(entry->Gif);
    QCOMPARE(loaded.Error, QString());
    QCOMPARE(loaded.Warnings, QStringList());
    QCOMPARE(loaded.EndPosition, uint64_t(entry->Gif.size()));
    const gif::TGIFImage& image = *loaded.Image;
    QCOMPARE(image.Width(), reference->SWidth);
    QCOMPARE(image.Height(), reference->SHeight);
    QCOMPARE(int(image.Images().Count()), reference->ImageCount);
    QCOMPARE(image.Images().Count(), entry->Frames.size());
    for (int i = 0; i < reference->ImageCount; ++i) {
        const SavedImage& theirs = reference->SavedImages[i];
        const gif::TGIFSubImage& ours = image.Images()[size_t(i)];
        QCOMPARE(ours.Left(), theirs.ImageDesc.Left);
        QCOMPARE(ours.Top(), theirs.ImageDesc.Top);
        QCOMPARE(ours.Width(), theirs.ImageDesc.Width);
        QCOMPARE(ours.Height(), theirs.ImageDesc.Height);
        QCOMPARE(ours.Interlaced(), bool(theirs.ImageDesc.Interlace));
        const size_t count = size_t(ours.Width()) * size_t(ours.Height());
        QCOMPARE(ours.DataSize(), count);
        QVERIFY2(std::memcmp(ours.Data(), theirs.RasterBits, count) == 0, "pixels differ from giflib's");
        const std::vector<uint8_t>& encoded = entry->Frames[size_t(i)].Recipe.Pixels;
        QVERIFY2(std::memcmp(ours.Data(), encoded.data(), count) == 0, "pixels differ from those encoded");
        const int localCount = theirs.ImageDesc.ColorMap ? theirs.ImageDesc.ColorMap->ColorCount : 0;
        QCOMPARE(ours.ColorMap().Count(), localCount);
    }
    const int globalCount = reference->SColorMap ? reference->SColorMap->ColorCount : 0;
    QCOMPARE(image.Header().ColorMap().Count(), globalCount);
    for (int c = 0; c < globalCount; ++c) {
        QCOMPARE(image.Header().ColorMap()[c].Red, reference->SColorMap->Colors[c].Red);
        QCOMPARE(image.Header().ColorMap()[c].Blue, reference->SColorMap->Colors[c].Blue);
    }
}

void GifVsGiflib::corpusCoversTheRequiredRange()
{
    const std::vector<giftest::CorpusEntry> corpus = giftest::MakeCorpus();
    bool codeSizes[9] = {};
    bool interlaced = false, progressive = false, local = false, global = false, multiFrame = false;
    bool smallest = false, largest = false, fullTableKept = false, fullTableCleared = false;
    for (const giftest::CorpusEntry& entry : corpus) {
        global |= !entry.GlobalTable.empty();
        multiFrame |= entry.Frames.size() > 1;
        for (const giftest::CorpusFrame& frame : entry.Frames) {
            codeSizes[frame.Recipe.Lzw.MinimumCodeSize] = true;
            interlaced |= frame.Recipe.Interlaced;
            progressive |= !frame.Recipe.Interlaced;
            local |= !frame.Recipe.LocalTable.empty();
            smallest |= frame.Recipe.Width == 1 && frame.Recipe.Height == 1;
            largest |= frame.Recipe.Width == 1000 && frame.Recipe.Height == 1000;
            giftest::LzwStats stats;
            giftest::LzwEncode(frame.Recipe.Pixels, frame.Recipe.Lzw, &stats);
            fullTableKept |= stats.CodesOnFullTable > 1000 && stats.Clears == 1;
            fullTableCleared |= stats.Clears > 2;
        }
    }
    for (int m = 2; m <= 8; ++m)
        QVERIFY2(codeSizes[m], qPrintable(QString("no picture with minimum code size %1").arg(m)));
    QVERIFY(interlaced && progressive && local && global && multiFrame);
    QVERIFY(smallest && largest && fullTableKept && fullTableCleared);
}

QTEST_GUILESS_MAIN(GifVsGiflib)
#include "GifVsGiflibTest.moc"
