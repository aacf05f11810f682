#include "gif/DIBReader.h"

#include "gif/DIBWriter.h"

#include <QBuffer>
#include <QImageReader>

namespace gif {
namespace {

uint32_t Get16(const uint8_t* in)
{
    return uint32_t(in[0]) | uint32_t(in[1]) << 8;
}

uint32_t Get32(const uint8_t* in)
{
    return Get16(in) | Get16(in + 2) << 16;
}

// Qt's own BMP reader, named outright: left to guess, Qt would load every
// image format plug-in to ask whether it reads BMP.
QImage ReadWithQt(const std::vector<uint8_t>& file)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                               static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Whether the file is laid out exactly as TDIBWriter writes it.
bool IsWritersLayout(const std::vector<uint8_t>& file, int& width, int& height)
{
    if (file.size() < TDIBWriter::kPixelOffset || file[0] != 'B' || file[1] != 'M')
        return false;
    const uint8_t* info = file.data() + TDIBWriter::kFileHeaderSize;
    width = int(Get32(info + 4));
    height = int(Get32(info + 8));
    return Get32(file.data() + 10) == TDIBWriter::kPixelOffset && Get32(info) == TDIBWriter::kInfoHeaderSize
        && width > 0 && height > 0 && Get16(info + 12) == 1 && Get16(info + 14) == 8 && Get32(info + 16) == 0
        && Get32(info + 32) == 256
        && file.size() >= TDIBWriter::kPixelOffset + TDIBWriter::RowStride(width) * size_t(height);
}

}  // namespace

// Reads what the program's own writer wrote without Qt's general reader,
// which takes the colour table an entry at a time (most of the cost of
// showing a picture). The result is the image Qt's reader makes of it.
QImage ReadBMP(const std::vector<uint8_t>& file)
{
    int width = 0;
    int height = 0;
    if (!IsWritersLayout(file, width, height))
        return ReadWithQt(file);
    QImage bitmap(width, height, QImage::Format_Indexed8);
    if (bitmap.isNull())
        return bitmap;
    const uint8_t* table = file.data() + TDIBWriter::kFileHeaderSize + TDIBWriter::kInfoHeaderSize;
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = qRgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
    bitmap.setColorTable(colours);
    const size_t stride = TDIBWriter::RowStride(width);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = file.data() + TDIBWriter::kPixelOffset + stride * size_t(height - 1 - y);
        std::copy(row, row + width, bitmap.scanLine(y));
    }
    return bitmap;
}

}  // namespace gif
