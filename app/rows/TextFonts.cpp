#include "rows/TextFonts.h"

#include "ProgramResources.h"
#include "glyphs/SfntReader.h"
#include "rows/RowTable.h"

#include <QFontDatabase>
#include <QHash>

#include <cmath>
#include <stdexcept>

namespace {

// A family's vertical extent in font units (descent below the baseline, so
// negative), as its hhea table gives it.
struct Extent {
    int unitsPerEm = 1000;
    int ascender = 0;
    int descender = 0;
};

QHash<QString, Extent>& Loaded()
{
    static QHash<QString, Extent> loaded;
    return loaded;
}

// A table of an sfnt file, found through the file's table directory.
SfntReader Table(const SfntReader& file, const char* tag)
{
    const int count = file.u16(4);
    for (int i = 0; i < count; ++i) {
        const qint64 record = 12 + 16 * qint64(i);
        if (file.bytes(record, 4) == QByteArray(tag, 4))
            return SfntReader(file.bytes(file.u32(record + 8), file.u32(record + 12)));
    }
    return SfntReader(QByteArray());
}

Extent ExtentOf(const QByteArray& fontFile)
{
    const SfntReader file(fontFile);
    const SfntReader head = Table(file, "head");
    const SfntReader hhea = Table(file, "hhea");
    Extent extent;
    if (head.u16(18) > 0)
        extent.unitsPerEm = head.u16(18);
    extent.ascender = hhea.s16(4);
    extent.descender = hhea.s16(6);
    return extent;
}

int RoundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

void Register(const QString& family)
{
    const QByteArray data = LoadProgramResource(QStringLiteral("TEXTFONT"), QString(family).remove(u' '));
    const int id = QFontDatabase::addApplicationFontFromData(data);
    if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(family))
        throw std::runtime_error(QStringLiteral("Font %1 could not be registered").arg(family).toStdString());
    Loaded().insert(family, ExtentOf(data));
}

}  // namespace

void TextFonts::load(TabPage page)
{
    for (const RowSpec& row : RowsInDisplayOrder()) {
        const QString family = QString::fromUtf8(row.family);
        if (row.page == page && row.kind == ValueKind::Text && !isLoaded(family))
            Register(family);
    }
}

bool TextFonts::isLoaded(const QString& family)
{
    return Loaded().contains(family);
}

int TextFonts::baselineIn(const QString& family, int pixelHeight, int cellHeight)
{
    const Extent extent = Loaded().value(family);
    const double scale = double(pixelHeight) / extent.unitsPerEm;
    const int ascent = RoundHalfUp(extent.ascender * scale);
    const int descent = RoundHalfUp(-extent.descender * scale);
    return int(std::floor((cellHeight - (ascent + descent)) / 2.0)) + ascent;
}
