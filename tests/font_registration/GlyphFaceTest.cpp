#include "FontRegistry.h"
#include "GlyphFace.h"
#include "RowTable.h"
#include "SystemFontMatch.h"
#include "UiFonts.h"

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
    return font;
}

// Every byte's glyph, 32 to a line, drawn black on white as a value cell
// draws it, with the face's glyphs and positions in the given raw font.
QImage DrawAllBytes(const GlyphFace& face, const QRawFont& rawFont)
{
    constexpr int kPerLine = 32;
    const int em = qCeil(rawFont.pixelSize());
    QImage image(kPerLine * em * 2, 256 / kPerLine * em * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int line = 0; line < 256 / kPerLine; ++line) {
        QByteArray bytes;
        for (int b = line * kPerLine; b < (line + 1) * kPerLine; ++b)
            bytes.append(char(b));
        QGlyphRun run = face.layOut(bytes);
        run.setRawFont(rawFont);
        painter.drawGlyphRun(QPointF(0, line * em * 2 + face.baselineIn(em * 2)), run);
    }
    return image;
}

}  // namespace

// Glyph faces are loaded once per family and weight (from the program's own
// data for the families it registered) and copied for each size; they must
// draw exactly as the face the font database gives for that font.
class GlyphFaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { registry_.releaseRegistrations(); }
    void drawsAsTheFontDatabaseFace_data();
    void drawsAsTheFontDatabaseFace();
    void releasedFamiliesAreNotDrawnFromProgramData();
    void systemMatchIsTheFontDatabasesChoice_data();
    void systemMatchIsTheFontDatabasesChoice();

private:
    FontRegistry registry_;
};

void GlyphFaceTest::initTestCase()
{
    InstallFontStandIns();
    registry_.registerMissingFamilies();
    for (const FontRegistry::Entry& entry : registry_.entries())
        QVERIFY(entry.registered && entry.handle >= 0);
}

void GlyphFaceTest::drawsAsTheFontDatabaseFace_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    QSet<QString> seen;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (row.kind != ValueKind::Panel)
            continue;
        const QString name =
            QStringLiteral("%1 %2%3").arg(row.family).arg(row.pixelHeight).arg(row.bold ? " bold" : "");
        if (!seen.contains(name)) {
            seen.insert(name);
            QTest::newRow(qPrintable(name)) << QString::fromLatin1(row.family) << row.pixelHeight << row.bold;
        }
    }
}

void GlyphFaceTest::drawsAsTheFontDatabaseFace()
{
    QFETCH(QString, family);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    const QFont font = RowFont(family, pixelHeight, bold);
    const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(font);
    QFont byName = font;
    byName.setHintingPreference(QFont::PreferNoHinting);
    if (family == QLatin1String("Symbol") && face->resolvedFamily() == QLatin1String("DejaVu Sans"))
        byName.setFamily(QStringLiteral("DejaVu Sans"));  // the stand-in for a missing symbol font
    const QRawFont reference = QRawFont::fromFont(byName);

    QCOMPARE(face->resolvedFamily(), reference.familyName());
    QCOMPARE(face->rawFont().pixelSize(), reference.pixelSize());
    QCOMPARE(face->rawFont().fontTable("cmap"), reference.fontTable("cmap"));
    QVERIFY(DrawAllBytes(*face, face->rawFont()) == DrawAllBytes(*face, reference));
}

void GlyphFaceTest::releasedFamiliesAreNotDrawnFromProgramData()
{
    registry_.releaseRegistrations();
    for (const char* family : FontRegistry::Families()) {
        const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(RowFont(family, 27, false));
        QVERIFY2(face->resolvedFamily().compare(QLatin1String(family), Qt::CaseInsensitive) != 0, family);
    }
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
    QCOMPARE(SystemFamilyFor(family).toCaseFolded(), chosen.toCaseFolded());
}

QTEST_MAIN(GlyphFaceTest)
#include "GlyphFaceTest.moc"
