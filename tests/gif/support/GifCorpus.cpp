#include "GifCorpus.h"

#include <algorithm>

namespace giftest {

uint64_t Random::Next()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

void FillNoise(std::vector<uint8_t>& pixels, int colours, Random& random)
{
    for (uint8_t& p : pixels)
        p = uint8_t(random.Next() % uint64_t(colours));
}

// A few rectangles of one colour on a background.
void FillFlat(std::vector<uint8_t>& pixels, int width, int height, int colours, Random& random)
{
    std::fill(pixels.begin(), pixels.end(), uint8_t(random.Between(0, colours - 1)));
    const int shapes = random.Between(1, 12);
    for (int s = 0; s < shapes; ++s) {
        const int x0 = random.Between(0, width - 1), y0 = random.Between(0, height - 1);
        const int x1 = random.Between(x0, width - 1), y1 = random.Between(y0, height - 1);
        const uint8_t colour = uint8_t(random.Between(0, colours - 1));
        for (int y = y0; y <= y1; ++y)
            std::fill(pixels.begin() + long(y) * width + x0, pixels.begin() + long(y) * width + x1 + 1,
                      colour);
    }
}

// Gently varying shades with a little grain, like a photograph reduced to
// a palette.
void FillSmooth(std::vector<uint8_t>& pixels, int width, int height, int colours, Random& random)
{
    const int a = random.Between(1, 7), b = random.Between(1, 7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int wave = ((x * a + y * b) >> 2) + ((x * y) >> 9);
            const int grain = random.Between(-2, 2);
            pixels[size_t(y) * width + x] = uint8_t(((wave + grain) % colours + colours) % colours);
        }
}

void FillRuns(std::vector<uint8_t>& pixels, int colours, Random& random)
{
    size_t at = 0;
    while (at < pixels.size()) {
        const size_t run = std::min(pixels.size() - at, size_t(random.Between(1, 40)));
        std::fill(pixels.begin() + long(at), pixels.begin() + long(at + run),
                  uint8_t(random.Between(0, colours - 1)));
        at += run;
    }
}

void FillStripes(std::vector<uint8_t>& pixels, int width, int height, int colours)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = uint8_t(((x / 3) + (y / 5)) % colours);
}

}  // namespace

std::vector<uint8_t> MakePixels(Pattern pattern, int width, int height, int colours, Random& random)
{
    std::vector<uint8_t> pixels(size_t(width) * height);
    if (pixels.empty())
        return pixels;
    switch (pattern) {
    case Pattern::Noise:
        FillNoise(pixels, colours, random);
        break;
    case Pattern::Flat:
        FillFlat(pixels, width, height, colours, random);
        break;
    case Pattern::Smooth:
        FillSmooth(pixels, width, height, colours, random);
        break;
    case Pattern::Runs:
        FillRuns(pixels, colours, random);
        break;
    case Pattern::Stripes:
        FillStripes(pixels, width, height, colours);
        break;
    }
    return pixels;
}

std::vector<Color> MakeTable(int entries, Random& random)
{
    std::vector<Color> table(static_cast<size_t>(entries));
    for (Color& c : table)
        c = Color{uint8_t(random.Next()), uint8_t(random.Next()), uint8_t(random.Next())};
    return table;
}

Bytes WriteEntry(const CorpusEntry& entry)
{
    GifWriter writer;
    writer.Header("GIF89a").Screen(entry.ScreenWidth, entry.ScreenHeight, entry.GlobalTable);
    if (entry.Frames.size() > 1)
        writer.LoopExtension(0);
    for (size_t i = 0; i < entry.Frames.size(); ++i) {
        if (i == 1)
            writer.Comment("frame two");
        if (entry.Frames.size() > 1)
            writer.GraphicControl(0x04, 10, 0);
        writer.Frame(entry.Frames[i].Recipe);
    }
    writer.Trailer();
    return writer.Data();
}

namespace {

FrameSpec MakeFrame(int width, int height, int codeSize, int colours, Pattern pattern, Random& random)
{
    FrameSpec frame;
    frame.Width = width;
    frame.Height = height;
    frame.Pixels = MakePixels(pattern, width, height, colours, random);
    frame.Lzw.MinimumCodeSize = codeSize;
    return frame;
}

CorpusEntry SingleFrame(const std::string& name, FrameSpec frame, int tableEntries, bool localTable,
                        Random& random)
{
    CorpusEntry entry;
    entry.Name = name;
    entry.ScreenWidth = frame.Width;
    entry.ScreenHeight = frame.Height;
    if (localTable)
        frame.LocalTable = MakeTable(tableEntries, random);
    else
        entry.GlobalTable = MakeTable(tableEntries, random);
    entry.Frames.push_back({std::move(frame)});
    entry.Gif = WriteEntry(entry);
    return entry;
}

const Pattern kPatterns[] = {Pattern::Noise, Pattern::Flat, Pattern::Smooth, Pattern::Runs, Pattern::Stripes};
const char* const kPatternNames[] = {"noise", "flat", "smooth", "runs", "stripes"};

// Every code size with every pattern, at assorted small sizes.
void AddSmallPictures(std::vector<CorpusEntry>& corpus, Random& random)
{
    const int fixedSizes[][2] = {{1, 1}, {1, 9}, {13, 1}, {2, 2}, {8, 8}, {24, 26}, {30, 38}};
    for (int codeSize = 2; codeSize <= 8; ++codeSize) {
        for (int p = 0; p < 5; ++p) {
            for (int variant = 0; variant < 4; ++variant) {
                int width, height;
                if (variant < 2) {
                    const auto& size = fixedSizes[(codeSize + p + variant * 3) % 7];
                    width = size[0];
                    height = size[1];
                } else {
                    width = random.Between(1, 120);
                    height = random.Between(1, 120);
                }
                // Two-colour tables with code size 2: 1-bit pictures.
                const int colours = (codeSize == 2 && variant % 2 == 0) ? 2 : (1 << codeSize);
                FrameSpec frame = MakeFrame(width, height, codeSize, colours, kPatterns[p], random);
                frame.Interlaced = variant % 2 == 1;
                frame.Lzw.Policy = variant == 3 ? ClearPolicy::KeepFullTable : ClearPolicy::ClearWhenFull;
                frame.SubBlockSize = variant == 2 ? random.Between(1, 254) : 255;
                const std::string name = "small-m" + std::to_string(codeSize) + "-" + kPatternNames[p] + "-"
                    + std::to_string(variant);
                corpus.push_back(SingleFrame(name, std::move(frame), colours, variant == 1, random));
            }
        }
    }
}

// Large pictures that fill the code table many times, with and without
// clear codes.
void AddLargePictures(std::vector<CorpusEntry>& corpus, Random& random)
{
    struct Large {
        const char* Name;
        int Width, Height;
        Pattern Kind;
        ClearPolicy Policy;
        bool Interlaced;
    };
    const Large larges[] = {
        {"large-flat", 1000, 1000, Pattern::Flat, ClearPolicy::ClearWhenFull, false},
        {"large-noise-clear", 640, 480, Pattern::Noise, ClearPolicy::ClearWhenFull, false},
        {"large-noise-full-table", 500, 400, Pattern::Noise, ClearPolicy::KeepFullTable, false},
        {"large-smooth-interlaced", 700, 500, Pattern::Smooth, ClearPolicy::ClearWhenFull, true},
        {"large-runs-full-table", 300, 900, Pattern::Runs, ClearPolicy::KeepFullTable, true},
    };
    for (const Large& large : larges) {
        FrameSpec frame = MakeFrame(large.Width, large.Height, 8, 256, large.Kind, random);
        frame.Lzw.Policy = large.Policy;
        frame.Interlaced = large.Interlaced;
        corpus.push_back(SingleFrame(large.Name, std::move(frame), 256, false, random));
    }
}

// Several frames: inside the screen at offsets, global and local tables.
void AddAnimations(std::vector<CorpusEntry>& corpus, Random& random)
{
    for (int n = 0; n < 12; ++n) {
        CorpusEntry entry;
        entry.Name = "frames-" + std::to_string(n);
        entry.ScreenWidth = random.Between(8, 200);
        entry.ScreenHeight = random.Between(8, 200);
        const bool global = n % 3 != 2;
        if (global)
            entry.GlobalTable = MakeTable(1 << random.Between(1, 8), random);
        const int frames = random.Between(2, 5);
        for (int f = 0; f < frames; ++f) {
            const int codeSize = random.Between(2, 8);
            const int width = random.Between(1, entry.ScreenWidth),
                      height = random.Between(1, entry.ScreenHeight);
            FrameSpec frame =
                MakeFrame(width, height, codeSize, 1 << codeSize, kPatterns[(n + f) % 5], random);
            frame.Left = random.Between(0, entry.ScreenWidth - width);
            frame.Top = random.Between(0, entry.ScreenHeight - height);
            frame.Interlaced = (n + f) % 2 == 1;
            frame.Lzw.Policy = f % 2 ? ClearPolicy::KeepFullTable : ClearPolicy::ClearWhenFull;
            if (!global || f % 2 == 1)
                frame.LocalTable = MakeTable(1 << codeSize, random);
            entry.Frames.push_back({std::move(frame)});
        }
        entry.Gif = WriteEntry(entry);
        corpus.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<CorpusEntry> MakeCorpus(uint64_t seed)
{
    Random random(seed);
    std::vector<CorpusEntry> corpus;
    AddSmallPictures(corpus, random);
    AddLargePictures(corpus, random);
    AddAnimations(corpus, random);
    return corpus;
}

CorpusEntry MakePhotoLike()
{
    Random random(7);
    FrameSpec frame = MakeFrame(1000, 1000, 8, 256, Pattern::Smooth, random);
    return SingleFrame("photo-like-1000x1000", std::move(frame), 256, false, random);
}

CorpusEntry MakeFlat()
{
    Random random(11);
    FrameSpec frame = MakeFrame(1000, 1000, 8, 16, Pattern::Flat, random);
    return SingleFrame("flat-1000x1000", std::move(frame), 16, false, random);
}

CorpusEntry MakeSmallTwoColour()
{
    // A dark ring on white, the size of the program's smallest pictures.
    Random random(13);
    FrameSpec frame;
    frame.Width = 24;
    frame.Height = 26;
    frame.Lzw.MinimumCodeSize = 2;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 24; ++x) {
            const int dx = 2 * x - 23, dy = 2 * y - 25, r2 = dx * dx + dy * dy;
            frame.Pixels.push_back(r2 > 200 && r2 < 400 ? 1 : 0);
        }
    CorpusEntry entry = SingleFrame("two-colour-24x26", std::move(frame), 2, false, random);
    return entry;
}

}  // namespace giftest
