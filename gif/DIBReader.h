#pragma once
// Reads an in-memory BMP file into an 8-bit indexed bitmap.
#include <QImage>

#include <cstdint>
#include <vector>

namespace gif {

// The bitmap of a BMP file. A file laid out as TDIBWriter writes it (8 bits
// per pixel, uncompressed, 256 colours, rows bottom-up) is read directly;
// any other goes to Qt's BMP reader. A null image when it cannot be read.
QImage ReadBMP(const std::vector<uint8_t>& file);

}  // namespace gif
