#include "FontRegistry.h"
#include "MainWindow.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"

#include <QLineEdit>
#include <QTest>

// This program carries Glyfa08, Glyfa08b and Glyfa08d but not Glyfa08c.
class MissingFontResourceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void activationStopsAtTheMissingFont();
};

void MissingFontResourceTest::activationStopsAtTheMissingFont()
{
    MainWindow window([] { return QDate(2026, 12, 6); });
    QStringList errors;
    window.setErrorDisplay([&errors](const QString& message) { errors << message; });
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());

    QCOMPARE(errors, QStringList{"Resource glyfa08c not found"});
    const auto& entries = window.fontRegistry().entries();
    QVERIFY(entries[0].registered && entries[1].registered);
    QVERIFY(!entries[2].registered);
    QVERIFY(!entries[3].registered);  // never reached
    QCOMPARE(window.numberField()->text(), QString("0"));
    QCOMPARE(window.valueCell("P6")->fontFamily(), QString("Verdana"));

    // The program goes on: typing still refreshes the rows.
    window.numberField()->setText("7");
    QCOMPARE(window.valueCell("P6")->caption(), QByteArray(" A"));
    window.close();
    QVERIFY(!window.fontRegistry().entries()[0].registered);
}

QTEST_MAIN(MissingFontResourceTest)
#include "MissingFontResourceTest.moc"
