#include "SessionScript.h"

#include "MainWindow.h"
#include "glyphs/UiFonts.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Each of the five pages is shown a fifth of the time; by the half of five
// thousand numbers each has shown some five hundred, and the glyphs they
// draw are all kept (a thousand in all left the rows of the first two pages
// still meeting glyphs they had not drawn before, and three thousand with
// five pages, some three hundred a page, still grew the heap by 150 kB).
int SessionLength()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("TALLYRA_SESSION_NUMBERS");
    return fromEnvironment > 0 ? fromEnvironment : 5000;
}

// Strange things people type or paste, mixed into the session.
QStringList StrangeTexts()
{
    return {
        QString(5000, u'9'),         // far too large: the range message
        QString(5000, u'0') + "7",   // leading zeros: the number 7
        QString(4000, u' ') + "12",  // leading blanks: 12
        QStringLiteral("12\t"),
        QStringLiteral("\x01\x02\x03"),
        QStringLiteral("1\n2"),
        QString::fromUtf8("\u200F1994"),
        QString::fromUtf8("\u202E4991"),
        QString::fromUtf8("19\u200E94"),
        QString::fromUtf8("\U0001F600"),
        QString::fromUtf8("\U0001F1E9\U0001F1EA42"),
        QString::fromUtf8("\uFF11\uFF12"),
        QString::fromUtf8("\u0661\u0662"),
        QStringLiteral("$FFFFFFFF"),
        QStringLiteral("-0"),
        QStringLiteral("0000000"),
        QStringLiteral("0001994"),
        QStringLiteral("$1F"),
        QStringLiteral("0x1f"),
        QStringLiteral("x1F"),
        QStringLiteral("+7"),
        QStringLiteral("80000"),
        QStringLiteral("-2147483648"),
        QStringLiteral("2147483647"),
        QStringLiteral("mcmxciv"),
        QString::fromUtf8("\u05EA\u05E9\u05E4\u05F4\u05D5"),  // 786 in Hebrew
        QString::fromUtf8("\u5341\u4E07"),                    // 100000 in Chinese: the range message
        QStringLiteral("12a"),                                // no number: the rows stay
        QString(),
    };
}

}  // namespace

// A long session with the real window: numbers over the whole range, strange
// input typed and pasted, tab switches, spin holds, and finally Esc.
class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void scriptedSession();
};

// The first pass meets every kind of input once and the first half of the
// session fills the caches of fonts and glyphs; over the second half the heap
// must stay flat.
void SessionTest::scriptedSession()
{
    SessionScript session;
    QRandomGenerator random(1994);
    const QStringList strange = StrangeTexts();
    for (int i = 0; i < strange.size(); ++i)
        session.enter(strange[i], i % 2 == 0);
    for (int i = 0; i < 100; ++i)
        session.enter(QString::number(random.bounded(80000)));
    session.switchTab();
    session.switchTab();
    session.holdSpinUp(650);

    const int length = SessionLength();
    long long heapBefore = -1;
    long long residentBefore = -1;
    for (int step = 0; step < length; ++step) {
        if (step == length / 2) {
            heapBefore = HeapInUse();
            residentBefore = ResidentKilobytes();
        }
        if (step % 37 == 5)
            session.enter(strange[(step / 37) % strange.size()], step % 2 == 0);
        else
            session.enter(QString::number(random.bounded(80000)));
        if (step % 10 == 0)
            session.checkAllRows();
        if (step % 50 == 25)
            session.switchTab();
        if (step % 200 == 100)
            session.holdSpinUp(650);
    }
    session.checkAllRows();
    const long long heapAfter = HeapInUse();
    const long long residentAfter = ResidentKilobytes();
    qInfo("heap in use %lld -> %lld bytes, resident %lld -> %lld kB over the last %d numbers", heapBefore,
          heapAfter, residentBefore, residentAfter, length - length / 2);

    QVERIFY2(session.failures().isEmpty(), qPrintable(session.failures().join('\n')));
    QVERIFY2(session.errors().isEmpty(), qPrintable(session.errors().join('\n')));
    if (heapBefore > 0 && heapAfter > 0)
        QVERIFY2(heapAfter - heapBefore < 128 * 1024, "the heap grows over the session");
    QVERIFY(session.closeWithEscape());
}

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
