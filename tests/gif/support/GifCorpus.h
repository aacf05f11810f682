#pragma once
// A deterministic corpus of well-formed GIF streams with the frames each
// one holds, for the comparison with giflib, the fuzz seeds and the
// benchmark.
#include <cstdint>
#include <string>
#include <vector>

#include "GifEncoder.h"

namespace giftest {

// Small, fast, fully deterministic generator (splitmix64).
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) { }
    uint64_t Next();
    // Uniform in [low, high].
    int Between(int low, int high) { return low + int(Next() % uint64_t(high - low + 1)); }

private:
    uint64_t state_;
};

enum class Pattern { Noise, Flat, Smooth, Runs, Stripes };

// width x height indexes below colours, in the given pattern.
std::vector<uint8_t> MakePixels(Pattern pattern, int width, int height, int colours, Random& random);
std::vector<Color> MakeTable(int entries, Random& random);

struct CorpusFrame {
    FrameSpec Recipe;
};

struct CorpusEntry {
    std::string Name;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    std::vector<Color> GlobalTable;
    std::vector<CorpusFrame> Frames;
    Bytes Gif;
};

// Builds the stream of an entry from its screen, table and frames.
Bytes WriteEntry(const CorpusEntry& entry);

// About two hundred GIFs from 1 x 1 to 1000 x 1000: every minimum code size
// from 2 to 8, interlaced and not, global and local tables, several frames,
// pictures that fill the code table with and without clear codes.
std::vector<CorpusEntry> MakeCorpus(uint64_t seed = 20240229);

// Three pictures for the benchmark: a large photo-like one, a large flat
// one and a small two-colour one (24 x 26).
CorpusEntry MakePhotoLike();
CorpusEntry MakeFlat();
CorpusEntry MakeSmallTwoColour();

}  // namespace giftest
