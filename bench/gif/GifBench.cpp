// Decoding the same GIFs with our reader and with giflib in one run, and
// the ratio of their throughputs (giflib CPU time / our CPU time: above 1
// means ours is faster). CPU time, because the machine may be shared.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "GifCorpus.h"
#include "gif/GIFBitmap.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

namespace {

const giftest::CorpusEntry& Picture(int which)
{
    static const giftest::CorpusEntry pictures[] = {giftest::MakePhotoLike(), giftest::MakeFlat(),
                                                    giftest::MakeSmallTwoColour()};
    return pictures[which];
}

struct MemoryInput {
    const uint8_t* Data;
    size_t Size;
    size_t Position;
};

int ReadFromMemory(GifFileType* file, GifByteType* dest, int count)
{
    auto* input = static_cast<MemoryInput*>(file->UserData);
    const size_t n = std::min(size_t(count), input->Size - input->Position);
    std::memcpy(dest, input->Data + input->Position, n);
    input->Position += n;
    return int(n);
}

void Ours(benchmark::State& state)
{
    const giftest::CorpusEntry& picture = Picture(int(state.range(0)));
    for (auto _ : state) {
        gif::ByteStream stream(picture.Gif.data(), picture.Gif.size());
        gif::TGIFImage image;
        image.LoadFromStream(stream);
        benchmark::DoNotOptimize(image.Images()[0].Data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(picture.Gif.size()));
    state.SetLabel(picture.Name);
}

void Giflib(benchmark::State& state)
{
    const giftest::CorpusEntry& picture = Picture(int(state.range(0)));
    for (auto _ : state) {
        MemoryInput input{picture.Gif.data(), picture.Gif.size(), 0};
        int error = 0;
        GifFileType* file = DGifOpen(&input, ReadFromMemory, &error);
        if (!file || DGifSlurp(file) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        benchmark::DoNotOptimize(file->SavedImages[0].RasterBits);
        DGifCloseFile(file, &error);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(picture.Gif.size()));
    state.SetLabel(picture.Name);
}

// What a picture strip pays per picture: read, then the bitmap (through the
// in-memory BMP). No giflib counterpart; for information.
void OursToBitmap(benchmark::State& state)
{
    const giftest::CorpusEntry& picture = Picture(int(state.range(0)));
    for (auto _ : state) {
        gif::ByteStream stream(picture.Gif.data(), picture.Gif.size());
        gif::TGIFImage image;
        image.LoadFromStream(stream);
        QImage bitmap;
        gif::CopyImageTo(image, bitmap);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
    state.SetLabel(picture.Name);
}

BENCHMARK(Ours)->DenseRange(0, 2);
BENCHMARK(OursToBitmap)->Arg(2);
BENCHMARK(Giflib)->DenseRange(0, 2);

// Prints the usual table, then one ratio line per picture.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions only the medians count: on a shared machine a
        // few slow repetitions would pull a mean away.
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(single || median))
                continue;
            const std::string name = run.run_name.function_name;
            if (name == "Ours" || name == "Giflib")
                (name == "Ours" ? ours_ : theirs_)[run.run_name.args] = run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nthroughput ratio, ours / giflib (above 1: ours is faster)\n");
        for (const auto& [arg, ourTime] : ours_) {
            if (!theirs_.count(arg) || ourTime <= 0)
                continue;
            std::printf("  %-22s %6.2f\n", Picture(std::stoi(arg)).Name.c_str(), theirs_[arg] / ourTime);
        }
    }

private:
    std::map<std::string, double> ours_;
    std::map<std::string, double> theirs_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
