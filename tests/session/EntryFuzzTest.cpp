#include "SessionScript.h"

#include "glyphs/UiFonts.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include "MainWindow.h"

namespace {

// Pieces that random texts are made of: what the number reader knows, what
// it must refuse, signs of other numeral systems, and text from other
// scripts and control ranges.
const QStringList& Pieces()
{
    static const QStringList pieces = {
        "0",
        "1",
        "2",
        "5",
        "7",
        "9",
        "00",
        " ",
        "  ",
        "+",
        "-",
        "$",
        "x",
        "X",
        "0x",
        "0X",
        "a",
        "F",
        "f",
        "G",
        "z",
        ".",
        ",",
        "\t",
        "\n",
        "\r",
        QString(QChar(0)),
        "\x1b",
        "\x7f",
        QString::fromUtf8("\u00a0"),
        QString::fromUtf8("\u200F"),
        QString::fromUtf8("\u202E"),
        QString::fromUtf8("\u0301"),
        QString::fromUtf8("\uFEFF"),
        QString::fromUtf8("\U0001F600"),
        QString::fromUtf8("\u0663"),
        QString::fromUtf8("\uFF19"),
        QString::fromUtf8("\u00e9"),
        QString(QChar(0xD800)),
        "79999",
        "80000",
        "2147483647",
        "FFFFFFFF",
        "M",
        "c",
        QString::fromUtf8("\u0305"),
        QString::fromUtf8("\u05EA"),
        QString::fromUtf8("\u05F4"),
        QString::fromUtf8("\u4E03"),
        QString::fromUtf8("\u0BF2"),
    };
    return pieces;
}

QString RandomText(QRandomGenerator& random)
{
    const int pieces = random.bounded(100) < 3 ? random.bounded(2000) : random.bounded(9);
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += Pieces()[random.bounded(Pieces().size())];
    return text;
}

}  // namespace

// Random texts typed and pasted into the number field for a while (five
// seconds, or TALLYRA_ENTRY_FUZZ_SECONDS): the window never crashes or hangs
// and always follows the rules for the text.
class EntryFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void randomTexts();
};

void EntryFuzzTest::randomTexts()
{
    const int seconds = qMax(1, qEnvironmentVariableIntValue("TALLYRA_ENTRY_FUZZ_SECONDS"));
    const quint32 seed = qEnvironmentVariableIsSet("TALLYRA_ENTRY_FUZZ_SEED")
        ? quint32(qEnvironmentVariableIntValue("TALLYRA_ENTRY_FUZZ_SEED"))
        : 79999u;
    QRandomGenerator random(seed);
    SessionScript session;
    QElapsedTimer clock;
    clock.start();
    int texts = 0;
    while (clock.elapsed() < seconds * 1000 && session.failures().isEmpty()) {
        session.enter(RandomText(random), random.bounded(4) == 0);
        if (++texts % 25 == 0) {
            session.checkAllRows();
            session.window().repaint();
        }
    }
    qInfo("%d random texts in %lld ms (seed %u)", texts, static_cast<long long>(clock.elapsed()), seed);
    QVERIFY2(session.failures().isEmpty(), qPrintable(session.failures().join('\n')));
    QVERIFY2(session.errors().isEmpty(), qPrintable(session.errors().join('\n')));
}

QTEST_MAIN(EntryFuzzTest)
#include "EntryFuzzTest.moc"
