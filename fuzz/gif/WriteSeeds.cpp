// Writes the fuzz seed corpus: the small pictures of the test corpus.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "GifCorpus.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::vector<giftest::CorpusEntry> corpus = giftest::MakeCorpus();
    corpus.push_back(giftest::MakeSmallTwoColour());
    int written = 0;
    for (const giftest::CorpusEntry& entry : corpus) {
        // Large seeds slow every run down and teach the fuzzer little.
        if (entry.Gif.size() > 16384)
            continue;
        std::ofstream out(folder / (entry.Name + ".gif"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(entry.Gif.data()), std::streamsize(entry.Gif.size()));
        ++written;
    }
    std::printf("%d seeds in %s\n", written, folder.c_str());
    return 0;
}
