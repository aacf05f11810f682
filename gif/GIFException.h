#pragma once
// The reader's error and every message text it raises or reports.
#include <stdexcept>
#include <string>

namespace gif {

// Raised for faults the reader cannot pass over; carries only its message.
class GIFException : public std::runtime_error {
public:
    explicit GIFException(const std::string& message) : std::runtime_error(message) { }
};

namespace messages {
// Errors.
inline constexpr const char* PrematureEndOfData = "Premature end of data";
inline constexpr const char* InvalidSignature = "Invalid GIF signature";
inline constexpr const char* UnknownExtensionType = "Unknown extension type";
inline constexpr const char* UnsupportedAppExtensionSize = "Unsupported Application Extension block size";
inline constexpr const char* InvalidGIFData = "Invalid GIF data";
inline constexpr const char* CircularTableEntry = "Circular decoder table entry";
inline constexpr const char* InvalidCodeSize = "Invalid LZW code size";
inline constexpr const char* ImageTooLarge = "Image too large";
inline constexpr const char* NoColorTable = "No global or local color table defined";
inline constexpr const char* DIBAllocationFailed = "Failed to allocate memory for GIF DIB";
// Warnings.
inline constexpr const char* UnknownBlockType = "Unknown GIF block type";
inline constexpr const char* InvalidTrailer = "Invalid Image trailer";
inline constexpr const char* InvalidExtensionIntroducer = "Invalid extension introducer";
inline constexpr const char* ImageExceedsScreen = "Image exceeds Logical Screen size";
inline constexpr const char* BitBufferUnderRun = "Decoder bit buffer under-run";
// Progress.
inline constexpr const char* Loading = "Loading...";
inline constexpr const char* Rendering = "Rendering...";
}  // namespace messages

}  // namespace gif
