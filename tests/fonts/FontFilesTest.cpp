// The four committed font files: format, names, metrics, character map,
// glyph order and the byte-to-glyph selection through Windows-1252.
#include "FontFixture.h"
#include "SfntTables.h"

#include <QPainterPath>
#include <QRawFont>
#include <QTest>

namespace {

constexpr uint32_t kTrueTypeOutlines = 0x00010000;
constexpr int kFirstCodeGlyph = 3;  // after .notdef, .null and the carriage return

struct LoadedFamily {
    QByteArray data;
    QRawFont font;
};

LoadedFamily loadFamily(const QString& fileName)
{
    LoadedFamily loaded;
    loaded.data = readCommittedFont(fileName);
    loaded.font = QRawFont(loaded.data, 100);
    return loaded;
}

bool hasOutline(const QRawFont& font, quint32 glyph)
{
    return !font.pathForGlyph(glyph).isEmpty();
}

// The glyph the font's own character map gives the Windows-1252 character
// of a byte (0 for none). Unlike QRawFont's lookup, no fallback of the
// toolkit (such as a tab drawn as a space) is involved.
quint32 mappedGlyph(const QRawFont& font, uint8_t byte)
{
    const QByteArray cmap = font.fontTable("cmap");
    const auto mapping = cmapFormat4Mapping(cmap, cmapSubtables(cmap).value(0).offset);
    const auto found = mapping.find(windows1252(byte));
    return found == mapping.end() || windows1252(byte) == 0 ? 0 : found->second;
}

}  // namespace

class FontFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void fileFormat_data() { addFamilies(); }
    void fileFormat();
    void names_data() { addFamilies(); }
    void names();
    void verticalMetrics_data() { addFamilies(); }
    void verticalMetrics();
    void characterMap_data() { addFamilies(); }
    void characterMap();
    void glyphOrder_data() { addFamilies(); }
    void glyphOrder();
    void onlyTheSpaceIsBlank_data() { addFamilies(); }
    void onlyTheSpaceIsBlank();
    void byteSelection_data() { addFamilies(); }
    void byteSelection();
    void semaphoreBytesOnlyInGlyfa08c_data() { addFamilies(); }
    void semaphoreBytesOnlyInGlyfa08c();

private:
    static void addFamilies();

    LoadedFamily m_loaded;
    QString m_family;
    int m_glyphCount = 0;
};

void FontFilesTest::addFamilies()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("glyphCount");
    for (const FamilyFile& file : familyFiles())
        QTest::newRow(qPrintable(file.family)) << file.family << file.fileName << file.glyphCount;
}

void FontFilesTest::init()
{
    QFETCH(QString, family);
    QFETCH(QString, fileName);
    QFETCH(int, glyphCount);
    m_family = family;
    m_glyphCount = glyphCount;
    m_loaded = loadFamily(fileName);
    QVERIFY2(!m_loaded.data.isEmpty(), qPrintable("cannot read " + fileName));
    QVERIFY(m_loaded.font.isValid());
}

void FontFilesTest::fileFormat()
{
    const SfntReader file(m_loaded.data);
    QCOMPARE(file.u32(0), kTrueTypeOutlines);
    const QStringList tags = sfntTableTags(m_loaded.data);
    for (const char* tag : {"cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "OS/2", "post"})
        QVERIFY2(tags.contains(QLatin1String(tag)), tag);
    QVERIFY(!tags.contains(QLatin1String("CFF ")));
    const SfntReader head(m_loaded.font.fontTable("head"));
    QCOMPARE(head.u16(18), uint16_t(2048));
    QCOMPARE(m_loaded.font.unitsPerEm(), 2048.0);
    QCOMPARE(head.u16(44) & 0x3, 0);  // macStyle: neither bold nor italic
    QVERIFY(!head.overrun());
}

void FontFilesTest::names()
{
    const QByteArray name = m_loaded.font.fontTable("name");
    QCOMPARE(windowsName(name, 1), m_family);
    QCOMPARE(windowsName(name, 2), QStringLiteral("Regular"));
    QCOMPARE(windowsName(name, 5), QStringLiteral("Version 1.00"));
    QCOMPARE(m_loaded.font.familyName(), m_family);
    QCOMPARE(m_loaded.font.styleName(), QStringLiteral("Regular"));
    QCOMPARE(m_loaded.font.style(), QFont::StyleNormal);
    const SfntReader os2(m_loaded.font.fontTable("OS/2"));
    QCOMPARE(os2.u16(4), uint16_t(400));  // usWeightClass
    QCOMPARE(os2.u16(62) & 0x1, 0);       // fsSelection: not italic
    QVERIFY(!os2.overrun());
}

void FontFilesTest::verticalMetrics()
{
    const SfntReader hhea(m_loaded.font.fontTable("hhea"));
    QCOMPARE(hhea.s16(4), int16_t(2189));
    QCOMPARE(hhea.s16(6), int16_t(-555));
    QCOMPARE(hhea.s16(8), int16_t(0));
    const SfntReader os2(m_loaded.font.fontTable("OS/2"));
    QCOMPARE(os2.s16(68), int16_t(1491));   // sTypoAscender
    QCOMPARE(os2.s16(70), int16_t(-430));   // sTypoDescender
    QCOMPARE(os2.u16(74), uint16_t(2189));  // usWinAscent
    QCOMPARE(os2.u16(76), uint16_t(555));   // usWinDescent
    QVERIFY(!hhea.overrun() && !os2.overrun());
}

void FontFilesTest::characterMap()
{
    const QByteArray cmap = m_loaded.font.fontTable("cmap");
    const QVector<CmapSubtableEntry> subtables = cmapSubtables(cmap);
    QCOMPARE(subtables.size(), 1);
    QCOMPARE(subtables[0].platformId, uint16_t(3));
    QCOMPARE(subtables[0].encodingId, uint16_t(1));
    QCOMPARE(subtables[0].format, uint16_t(4));
    const std::map<uint32_t, uint16_t> mapping = cmapFormat4Mapping(cmap, subtables[0].offset);
    std::set<uint32_t> mapped;
    for (const auto& [codePoint, glyph] : mapping)
        mapped.insert(codePoint);
    QVERIFY(mapped == expectedCodePoints(m_family));
}

void FontFilesTest::glyphOrder()
{
    const SfntReader maxp(m_loaded.font.fontTable("maxp"));
    QCOMPARE(int(maxp.u16(4)), m_glyphCount);
    const QByteArray cmap = m_loaded.font.fontTable("cmap");
    const auto mapping = cmapFormat4Mapping(cmap, cmapSubtables(cmap).value(0).offset);
    std::set<uint16_t> glyphs;
    for (const auto& [codePoint, glyph] : mapping)
        glyphs.insert(glyph);
    // One glyph per code point, right after the three special glyphs.
    QCOMPARE(int(glyphs.size()), int(mapping.size()));
    QCOMPARE(int(glyphs.size()), m_glyphCount - kFirstCodeGlyph);
    QCOMPARE(int(*glyphs.begin()), kFirstCodeGlyph);
    QCOMPARE(int(*glyphs.rbegin()), m_glyphCount - 1);
    QVERIFY2(hasOutline(m_loaded.font, 0), "the missing-glyph drawing must be visible");
    QVERIFY(!hasOutline(m_loaded.font, 1));
    QVERIFY(!hasOutline(m_loaded.font, 2));
}

void FontFilesTest::onlyTheSpaceIsBlank()
{
    for (uint32_t codePoint : expectedCodePoints(m_family)) {
        const char32_t character = codePoint;
        const QVector<quint32> glyph = m_loaded.font.glyphIndexesForString(QString::fromUcs4(&character, 1));
        QCOMPARE(glyph.size(), 1);
        QVERIFY2(glyph[0] != 0, qPrintable(QString::number(codePoint, 16)));
        const bool blank = !hasOutline(m_loaded.font, glyph[0]);
        QVERIFY2(blank == (codePoint == 0x20), qPrintable(QString::number(codePoint, 16)));
    }
}

void FontFilesTest::byteSelection()
{
    for (uint8_t byte : {uint8_t(0xA0), uint8_t(0xAD), uint8_t(0xE9), uint8_t(0x7E)}) {
        const quint32 glyph = glyphForByte(m_loaded.font, byte);
        QVERIFY2(glyph != 0 && hasOutline(m_loaded.font, glyph), qPrintable(QString::number(byte)));
    }
    QVERIFY(glyphForByte(m_loaded.font, 0xA0) != glyphForByte(m_loaded.font, 0x20));
    QVERIFY(glyphForByte(m_loaded.font, 0xAD) != glyphForByte(m_loaded.font, 0x2D));
    for (int byte = 0x00; byte <= 0x1F; ++byte)
        QCOMPARE(mappedGlyph(m_loaded.font, uint8_t(byte)), quint32(0));
    for (int byte : {0x7F, 0x80, 0x81, 0x82, 0x8D, 0x91, 0x95, 0x9F})
        QCOMPARE(mappedGlyph(m_loaded.font, uint8_t(byte)), quint32(0));
    for (int byte = 0x20; byte <= 0xFF; byte += 0x11)
        QCOMPARE(glyphForByte(m_loaded.font, uint8_t(byte)), mappedGlyph(m_loaded.font, uint8_t(byte)));
}

void FontFilesTest::semaphoreBytesOnlyInGlyfa08c()
{
    const bool carriesThem = m_family == QLatin1String("Glyfa08c");
    std::set<quint32> glyphs;
    for (int byte = 0x83; byte <= 0x8C; ++byte) {
        const quint32 glyph = mappedGlyph(m_loaded.font, uint8_t(byte));
        if (!carriesThem) {
            QCOMPARE(glyph, quint32(0));
            continue;
        }
        QVERIFY(glyph != 0 && hasOutline(m_loaded.font, glyph));
        glyphs.insert(glyph);
    }
    QCOMPARE(int(glyphs.size()), carriesThem ? 10 : 0);
}

QTEST_MAIN(FontFilesTest)
#include "FontFilesTest.moc"
