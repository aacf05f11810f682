#include "FontRegistry.h"
#include "MainWindow.h"
#include "glyphs/PrivateFonts.h"
#include "ProgramResources.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"

#include <QFontDatabase>
#include <QTest>

namespace {

bool HasFamily(const QString& family)
{
    for (const QString& listed : QFontDatabase::families())
        if (listed.compare(family, Qt::CaseInsensitive) == 0
            || listed.startsWith(family + " [", Qt::CaseInsensitive))
            return true;
    return false;
}

int RegisteredCount(const FontRegistry& registry)
{
    int count = 0;
    for (const FontRegistry::Entry& entry : registry.entries())
        count += entry.registered;
    return count;
}

}  // namespace

// Activation registers each glyph family the system lacks; close releases
// exactly those registrations.
class FontRegistrationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void registersMissingFamiliesAndReleasesThem();
    void rowsDrawInTheirOwnFamilies();
    void bytesThatAreNoFontAreRefused();
};

void FontRegistrationTest::registersMissingFamiliesAndReleasesThem()
{
#ifdef INSTALLED_GLYFA08B
    QVERIFY2(HasFamily("Glyfa08b"), "the private fontconfig configuration did not install GLYFA08B");
#endif
    for (const char* family : FontRegistry::Families())
        if (QLatin1String(family) != QLatin1String("Glyfa08b"))
            QVERIFY2(!HasFamily(family), family);

    MainWindow window([] { return QDate(2026, 12, 6); });
    QStringList errors;
    window.setErrorDisplay([&errors](const QString& message) { errors << message; });
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join("; ")));

    const auto& entries = window.fontRegistry().entries();
    QCOMPARE(RegisteredCount(window.fontRegistry()), EXPECTED_REGISTRATIONS);
#ifdef INSTALLED_GLYFA08B
    QVERIFY(!entries[1].registered);
#endif
    QStringList registered;
    for (int index = 0; index < FontRegistry::kFamilyCount; ++index) {
        if (!entries[index].registered)
            continue;
        QVERIFY(entries[index].handle > 0);
        registered << QLatin1String(FontRegistry::Families()[index]);
    }
    // Registered for this process alone: the rows draw with them, the list
    // of installed fonts never shows them.
    QCOMPARE(PrivateFonts::families(), registered);
    for (const QString& family : registered)
        QVERIFY2(!HasFamily(family), qPrintable(family));

    window.close();
    QCOMPARE(RegisteredCount(window.fontRegistry()), 0);
    QVERIFY(PrivateFonts::families().isEmpty());
#ifdef INSTALLED_GLYFA08B
    QVERIFY(HasFamily("Glyfa08b"));  // the installed one is left alone
#endif
}

void FontRegistrationTest::rowsDrawInTheirOwnFamilies()
{
    MainWindow window([] { return QDate(2026, 12, 6); });
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    const char* panels[] = {"P6", "P37", "P7", "P25"};
    for (const char* name : panels) {
        const ValueCell* cell = window.valueCell(name);
        QCOMPARE(cell->face().resolvedFamily().toCaseFolded(), cell->fontFamily().toCaseFolded());
    }
    // 0x83 selects the Semaphore zero in Glyfa08c and nothing in Glyfa08.
    QVERIFY(window.valueCell("P7")->face().glyphForByte(0x83) != 0);
    QCOMPARE(window.valueCell("P6")->face().glyphForByte(0x83), 0u);
    window.close();
}

// A registration the platform refuses has the handle 0 and registers
// nothing; a font's bytes are registered under the family the font names,
// whatever the letter case asked for, until that registration is released.
void FontRegistrationTest::bytesThatAreNoFontAreRefused()
{
    QCOMPARE(PrivateFonts::add(QByteArray("not a font file")), 0);
    QCOMPARE(PrivateFonts::add(QByteArray()), 0);
    QVERIFY(PrivateFonts::families().isEmpty());

    const QByteArray font = LoadProgramResource(QStringLiteral("RT_RCDATA"), QStringLiteral("glyfa08d"));
    const int first = PrivateFonts::add(font);
    const int second = PrivateFonts::add(font);
    QVERIFY(first > 0 && second > 0 && first != second);
    QCOMPARE(PrivateFonts::fileFor(QStringLiteral("GLYFA08D")), font);
    PrivateFonts::remove(first);
    QCOMPARE(PrivateFonts::fileFor(QStringLiteral("glyfa08d")), font);  // the other still holds it
    PrivateFonts::remove(second);
    QVERIFY(PrivateFonts::fileFor(QStringLiteral("Glyfa08d")).isEmpty());
    PrivateFonts::remove(second);  // released already: nothing happens
    QVERIFY(PrivateFonts::families().isEmpty());
}

QTEST_MAIN(FontRegistrationTest)
#include "FontRegistrationTest.moc"
