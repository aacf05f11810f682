#pragma once

#include <functional>
#include <string>
#include <vector>

// The texts of the rows Unicode does not encode (kind described) read back:
// what number a row's stand-in ("D F C F C", "7CA (base 16)", "4 units,
// 9 tens ...") tells, the inverse of the text layer's stand-ins.

namespace signs {

// The number a stand-in text (decoded to code points) tells, or -1 when it
// is no text the row writes.
using StandInRead = std::function<int(const std::u32string&)>;

struct StandInReader {
    const char* cell;
    StandInRead read;
};

// A reader for every described row.
const std::vector<StandInReader>& StandInReaders();

// The number the row's stand-in text tells, or -1 (also for a row without a reader).
int ReadStandIn(const std::string& cell, const std::string& utf8);

// UTF-8 as code points; ill-formed bytes as U+FFFD.
std::u32string Decoded(const std::string& utf8);

}  // namespace signs
