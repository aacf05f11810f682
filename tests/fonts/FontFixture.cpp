#include "FontFixture.h"

#include <QFile>

#include <cmath>

namespace {

constexpr int kLeft = 448;
constexpr int kRight = 456;
constexpr int kFull = 1004;

// Windows-1252 characters of the bytes 0x80..0x9F (0: undefined).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

QVector<int> span(int first, int last)
{
    QVector<int> codes;
    for (int code = first; code <= last; ++code)
        codes << code;
    return codes;
}

QVector<GlyphRow> digitRows()
{
    return {
        {"Arabic", "Glyfa08", 27, false, kLeft, span(58, 67)},
        {"Bengali", "Glyfa08", 27, false, kLeft, span(71, 80)},
        {"Hindi", "Glyfa08", 27, false, kLeft, span(81, 90)},
        {"Farsi", "Glyfa08", 27, false, kLeft, span(58, 61) + span(65, 70)},
        {"Kannada", "Glyfa08", 27, false, kLeft, span(91, 100)},
        {"Laotian", "Glyfa08", 27, false, kRight, span(121, 126) + span(249, 252)},
        {"Tamil", "Glyfa08", 27, false, kRight, span(160, 169)},
        {"Thai", "Glyfa08", 27, false, kRight, span(111, 120)},
        {"SpaceKees", "Glyfa08", 27, false, kRight, span(229, 238)},
        {"Braille", "Glyfa08b", 32, false, kLeft, span(243, 252)},
        {"Brahmi", "Glyfa08b", 27, true, kLeft, span(48, 57)},
        {"Khmer", "Glyfa08b", 24, false, kLeft, span(203, 212)},
        {"N'Ko", "Glyfa08b", 40, false, kRight, span(110, 119)},
        {"Fingernumbers", "Glyfa08c", 48, true, kLeft, span(245, 254)},
        {"Semaphore", "Glyfa08c", 45, false, kRight, span(131, 140)},
        {"Ath-Seikai", "Glyfa08c", 27, false, kLeft, span(108, 117)},
        {"Narn", "Glyfa08c", 29, false, kRight, span(235, 244)},
        {"Futurama", "Glyfa08c", 27, false, kLeft, span(197, 206)},
        {"Stargate", "Glyfa08c", 27, false, kRight, span(213, 222)},
        {"Gorwelion", "Glyfa08c", 27, false, kLeft, span(223, 234)},
        {"Osmanya", "Glyfa08c", 29, false, kRight, span(48, 57)},
        {"Tenctonese", "Glyfa08c", 29, false, kRight, span(85, 94)},
        {"Zentlardy", "Glyfa08c", 28, false, kRight, span(95, 104)},
        {"Post code", "Glyfa08c", 27, false, kRight, {106}},
        {"Tibetan", "Glyfa08d", 24, false, kRight, span(223, 232)},
        {"Staff numbers", "Glyfa08d", 27, false, kRight, span(233, 242)},
        {"Klingon", "Glyfa08d", 27, false, kLeft, span(243, 252)},
        {"Dancing Men", "Glyfa08d", 37, true, kLeft, span(111, 120)},
        {"Kayah", "Glyfa08d", 28, false, kLeft, span(161, 170)},
        {"Mong", "Glyfa08d", 31, false, kRight, span(71, 80)},
    };
}

QVector<GlyphRow> numberRows()
{
    return {
        {"D'Ni", "Glyfa08c", 24, false, kLeft, span(171, 195)},
        {"Four Line", "Glyfa08d", 27, false, kLeft, span(171, 186)},
        {"Ecclemony", "Glyfa08d", 20, false, kLeft, span(187, 202)},
        {"Diamond", "Glyfa08d", 21, false, kLeft, span(207, 222)},
        {"Quadnary", "Glyfa08d", 20, false, kRight, span(203, 206)},
        {"Dual code", "Glyfa08c", 28, false, kLeft, {105, 106}},
        {QString::fromUtf8("P\u00e9krif"), "Glyfa08d", 27, false, kRight, QVector<int>{40, 41} + span(48, 59)},
        {"Maya-Hierogl.", "Glyfa08c", 35, false, kRight, span(118, 126) + span(160, 170)},
        {"Oxidilogi", "Glyfa08c", 27, false, kRight, span(207, 212)},
        {"Egyptian", "Glyfa08b", 29, false, kLeft, span(213, 217)},
        {"Attic", "Glyfa08b", 27, false, kLeft, QVector<int>{120, 122} + span(124, 126) + span(218, 222)},
        {"Ancient Greek", "Glyfa08b", 27, false, kFull, span(120, 126)},
        {"Hungar.Runes", "Glyfa08d", 27, false, kRight, span(122, 126) + QVector<int>{160}},
        {"Heyarian", "Glyfa08b", 28, false, kLeft, span(195, 202)},
        {"Ionic", "Glyfa08", 27, false, kRight, QVector<int>{44} + span(201, 228)},
        {"Hebrew", "Glyfa08", 27, false, kLeft, span(173, 200)},
        {"Armenian", "Glyfa08b", 27, false, kLeft, span(61, 96)},
        {"Gothic", "Glyfa08c", 27, false, kLeft, span(58, 84)},
        {"Amharic", "Glyfa08b", 29, false, kLeft, span(223, 242)},
        {"Kanji", "Glyfa08b", 27, false, kRight, span(97, 109)},
        {"Suzhou", "Glyfa08d", 24, false, kRight, span(33, 36) + span(62, 70)},
        {"Manchu", "Glyfa08d", 28, true, kRight, span(81, 110)},
        {"Sanskrit", "Glyfa08b", 27, false, kRight, span(160, 194)},
    };
}

} // namespace

const QVector<FamilyFile> &familyFiles()
{
    static const QVector<FamilyFile> files = {
        {"Glyfa08", "Glyfa08.ttf", 194},
        {"Glyfa08b", "Glyfa08b.ttf", 194},
        {"Glyfa08c", "Glyfa08c.ttf", 204},
        {"Glyfa08d", "Glyfa08d.ttf", 194},
    };
    return files;
}

QByteArray readCommittedFont(const QString &fileName)
{
    QFile file(QStringLiteral(TALLYRA_FONT_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

char32_t windows1252(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::set<uint32_t> expectedCodePoints(const QString &family)
{
    std::set<uint32_t> codePoints;
    for (uint32_t cp = 0x20; cp <= 0x7E; ++cp)
        codePoints.insert(cp);
    for (uint32_t cp = 0xA0; cp <= 0xFF; ++cp)
        codePoints.insert(cp);
    if (family == QLatin1String("Glyfa08c")) {
        for (int byte = 0x83; byte <= 0x8C; ++byte)
            codePoints.insert(windows1252(static_cast<uint8_t>(byte)));
    }
    return codePoints;
}

quint32 glyphForByte(const QRawFont &font, uint8_t byte)
{
    const char32_t character = windows1252(byte);
    if (character == 0)
        return 0;
    const QString text = QString::fromUcs4(&character, 1);
    const QVector<quint32> glyphs = font.glyphIndexesForString(text);
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

const QVector<GlyphRow> &glyphRows()
{
    static const QVector<GlyphRow> rows = digitRows() + numberRows();
    return rows;
}

int baselineFromTop(int heightPx)
{
    const int ascent = static_cast<int>(std::lround(heightPx * 2189 / 2048.0));
    const int descent = static_cast<int>(std::lround(heightPx * 555 / 2048.0));
    const int spare = kCellHeightPx - (ascent + descent);
    return static_cast<int>(std::floor(spare / 2.0)) + ascent;
}
