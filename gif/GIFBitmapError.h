#pragma once
// The error raised when there is no memory for a bitmap.
#include <stdexcept>
#include <string>

#include "gif/GIFException.h"

namespace gif {

class BitmapMemoryError : public std::runtime_error {
public:
    explicit BitmapMemoryError(const std::string& message) : std::runtime_error(message) { }
};

}  // namespace gif
