#include "FontRegistry.h"
#include "glyphs/GlyphFace.h"
#include "glyphs/PrivateFonts.h"
#include "ProgramResources.h"
#include "rows/RowTable.h"
#include "glyphs/SystemFontMatch.h"
#include "glyphs/UiFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

QFont RowFont(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

constexpr int kPerLine = 32;
// Larger glyphs the toolkit fills as outlines with a rasteriser of its own.
constexpr int kLargestRenderedGlyph = 64;

QImage WhitePage(const GlyphFace& face, qreal scale)
{
    const int em = face.pixelSize();
    QImage image(QSize(kPerLine * em * 2, 256 / kPerLine * em * 2) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

QByteArray Line(int line)
{
    QByteArray bytes;
    for (int b = line * kPerLine; b < (line + 1) * kPerLine; ++b)
        bytes.append(char(b));
    return bytes;
}

// Every byte's glyph, 32 to a line, black on white, as a value cell draws
// them on a screen of the given scale: by the face itself, or by the
// toolkit from a font of its own at the scaled size, with the face's glyphs
// at the scaled positions.
QImage DrawAllBytes(const GlyphFace& face, qreal scale, const QRawFont* toolkitFont = nullptr)
{
    QImage image = WhitePage(face, scale);
    if (toolkitFont)
        image.setDevicePixelRatio(1);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    const int em = face.pixelSize();
    for (int line = 0; line < 256 / kPerLine; ++line) {
        const QPointF origin(0, line * em * 2 + face.baselineIn(em * 2));
        if (!toolkitFont) {
            face.draw(painter, origin, Line(line));
            continue;
        }
        QGlyphRun run = face.layOut(Line(line));
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position *= scale;
        run.setPositions(positions);
        run.setRawFont(*toolkitFont);
        painter.drawGlyphRun(origin * scale, run);
    }
    return image;
}

struct Difference {
    int largest = 0;
    int inked = 0;  // pixels the toolkit inked
};

Difference Compare(const QImage& ours, const QImage& toolkit)
{
    Difference difference;
    for (int y = 0; y < ours.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(ours.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(toolkit.constScanLine(y));
        for (int x = 0; x < ours.width(); ++x) {
            const int delta = std::abs(qGray(a[x]) - qGray(b[x]));
            difference.largest = std::max(difference.largest, delta);
            difference.inked += qGray(b[x]) < 255;
        }
    }
    return difference;
}

// One row for each font a glyph row uses, at the scales given where the
// toolkit renders the glyphs itself.
void AddRowFonts(std::initializer_list<qreal> scales)
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<qreal>("scale");
    QSet<QString> seen;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        const QString name =
            QStringLiteral("%1 %2%3").arg(row.family).arg(row.pixelHeight).arg(row.bold ? " bold" : "");
        if (row.kind != ValueKind::Panel || seen.contains(name))
            continue;
        seen.insert(name);
        for (qreal scale : scales)
            if (row.pixelHeight * scale <= kLargestRenderedGlyph)
                QTest::newRow(qPrintable(QStringLiteral("%1 at %2x").arg(name).arg(scale)))
                    << QString::fromLatin1(row.family) << row.pixelHeight << row.bold << scale;
    }
}

}  // namespace

// Glyph faces draw each row from the program's registered bytes or from the
// installed font; what they draw must be what the toolkit draws for the
// same font (the font database's face, emboldened alike), at 1× and on a
// screen at 200 %.
class GlyphFaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { registry_.releaseRegistrations(); }
    void releasedFamiliesAreNotDrawnFromProgramData();
    void drawsAsTheToolkitDraws_data();
    void drawsAsTheToolkitDraws();
    void looksAtTwiceTheScaleAsAtOnce_data() { AddRowFonts({1.0}); }
    void looksAtTwiceTheScaleAsAtOnce();
    void systemMatchIsTheFontDatabasesChoice_data();
    void systemMatchIsTheFontDatabasesChoice();

private:
    // The toolkit's own face of a row's font: the program's fonts are given
    // to its font database here, so it can embolden them as it does.
    QRawFont toolkitFace(const QFont& font, const QString& resolvedFamily, qreal scale);

    FontRegistry registry_;
    bool toolkitHasProgramFonts_ = false;
};

void GlyphFaceTest::initTestCase()
{
    InstallFontStandIns();
    registry_.registerMissingFamilies();
    for (const FontRegistry::Entry& entry : registry_.entries())
        QVERIFY(entry.registered && entry.handle > 0);
}

void GlyphFaceTest::releasedFamiliesAreNotDrawnFromProgramData()
{
    for (const char* family : FontRegistry::Families())
        QCOMPARE(GlyphFace::forFont(RowFont(family, 27, false))->resolvedFamily(), QLatin1String(family));
    registry_.releaseRegistrations();
    QVERIFY(PrivateFonts::families().isEmpty());
    for (const char* family : FontRegistry::Families()) {
        const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(RowFont(family, 27, false));
        QVERIFY2(face->resolvedFamily().compare(QLatin1String(family), Qt::CaseInsensitive) != 0, family);
    }
    registry_.registerMissingFamilies();
}

QRawFont GlyphFaceTest::toolkitFace(const QFont& font, const QString& resolvedFamily, qreal scale)
{
    if (!toolkitHasProgramFonts_) {
        for (const char* family : FontRegistry::Families())
            QFontDatabase::addApplicationFontFromData(
                LoadProgramResource(QStringLiteral("RT_RCDATA"), QString::fromLatin1(family).toLower()));
        toolkitHasProgramFonts_ = true;
    }
    QFont byName = font;
    byName.setFamily(resolvedFamily);  // "Symbol" is an alias the database does not list
    byName.setPixelSize(qRound(font.pixelSize() * scale));
    return QRawFont::fromFont(byName);
}

void GlyphFaceTest::drawsAsTheToolkitDraws_data()
{
    AddRowFonts({1.0, 2.0});
}

// At 200 % a glyph is drawn as the toolkit draws the font at twice the
// size, emboldened in proportion, so a row looks as at 100 %, only finer.
// The toolkit renders glyphs up to 64 pixels as the program does, and they
// must land on the same pixels. The toolkit blends a CFF font's glyphs (the
// "Symbol" row) gamma-corrected, which the program repeats for black on
// white.
void GlyphFaceTest::drawsAsTheToolkitDraws()
{
    QFETCH(QString, family);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    QFETCH(qreal, scale);
    const QFont font = RowFont(family, pixelHeight, bold);
    const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(font);
    const QRawFont reference = toolkitFace(font, face->resolvedFamily(), scale);
    // The database names a family that several foundries supply "Family [Foundry]".
    QCOMPARE(face->resolvedFamily(), reference.familyName().section(QLatin1String(" ["), 0, 0));

    const Difference difference = Compare(DrawAllBytes(*face, scale), DrawAllBytes(*face, scale, &reference));
    QVERIFY(difference.inked > 100);
    // The gamma curve is rounded a little differently: one level of grey.
    const int tolerance = family == QLatin1String("Symbol") ? 1 : 0;
    QVERIFY2(difference.largest <= tolerance, qPrintable(QString::number(difference.largest)));
}

// Every glyph at 200 %, each 2 × 2 block of device pixels averaged, is
// the glyph at 100 % but for antialiasing: the same size, place and weight
// (large glyphs included, which the toolkit cannot show at 200 %).
void GlyphFaceTest::looksAtTwiceTheScaleAsAtOnce()
{
    QFETCH(QString, family);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(RowFont(family, pixelHeight, bold));
    const QImage once = DrawAllBytes(*face, 1);
    const QImage twice = DrawAllBytes(*face, 2);
    int inked = 0;
    int differing = 0;
    for (int y = 0; y < once.height(); ++y) {
        for (int x = 0; x < once.width(); ++x) {
            const int averaged =
                (qGray(twice.pixel(2 * x, 2 * y)) + qGray(twice.pixel(2 * x + 1, 2 * y))
                 + qGray(twice.pixel(2 * x, 2 * y + 1)) + qGray(twice.pixel(2 * x + 1, 2 * y + 1)))
                / 4;
            inked += qGray(once.pixel(x, y)) < 255;
            differing += std::abs(averaged - qGray(once.pixel(x, y))) > 64;
        }
    }
    QVERIFY(inked > 100);
    QVERIFY2(differing <= inked / 200, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(inked)));
}

void GlyphFaceTest::systemMatchIsTheFontDatabasesChoice_data()
{
    QTest::addColumn<QString>("family");
    // Aliases the font database does not list, and families it does.
    for (const char* family :
         {"Symbol", "Helvetica", "Times New Roman", "Courier", "sans-serif", "DejaVu Sans"})
        QTest::newRow(family) << QString::fromLatin1(family);
}

// One match of the system configuration picks the font that the font
// database takes first from the family's whole fallback list.
void GlyphFaceTest::systemMatchIsTheFontDatabasesChoice()
{
    QFETCH(QString, family);
    QFont font(family);
    font.setPixelSize(19);
    // The database names a family that several foundries supply "Family [Foundry]".
    const QString chosen = QFontInfo(font).family().section(QLatin1String(" ["), 0, 0);
    QCOMPARE(SystemFontFor(family).family.toCaseFolded(), chosen.toCaseFolded());
}

QTEST_MAIN(GlyphFaceTest)
#include "GlyphFaceTest.moc"
