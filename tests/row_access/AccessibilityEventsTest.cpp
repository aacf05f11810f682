#include "MainWindow.h"
#include "entry/RecognisedNumbers.h"
#include "rows/NumeralPages.h"
#include "glyphs/UiFonts.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

// What the window reports to the accessibility framework while a test
// watches: the object and the kind of each event.
QList<QPair<QObject*, QAccessible::Event>> g_reported;
void Record(QAccessibleEvent* event)
{
    g_reported.append({event->object(), event->type()});
}

}  // namespace

// What a screen reader is told while the user types. Qt reports events only
// while a screen reader listens, so this runs on a real display with the
// AT-SPI bridge switched on; the test's own handler takes the events the
// bridge would send.
class AccessibilityEventsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageLineIsAnnounced();
    void oneKeystrokeReportsNoRows();

private:
    void type(const QString& text) { window_->numberField()->setText(text); }

    std::unique_ptr<MainWindow> window_;
    QAccessible::UpdateHandler previousHandler_ = nullptr;
};

void AccessibilityEventsTest::initTestCase()
{
    InstallFontStandIns();
    QTRY_VERIFY2_WITH_TIMEOUT(QAccessible::isActive(), "the AT-SPI bridge did not come up", 10000);
}

void AccessibilityEventsTest::init()
{
    window_ = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window_->setErrorDisplay([](const QString& message) { QFAIL(qPrintable(message)); });
    window_->show();
    window_->activateWindow();
    QTRY_VERIFY(window_->isActivated());
    g_reported.clear();
    previousHandler_ = QAccessible::installUpdateHandler(Record);
}

void AccessibilityEventsTest::cleanup()
{
    QAccessible::installUpdateHandler(previousHandler_);
    window_.reset();
}

// A message is a notification, announced once when it appears however
// often the refresh sets it, and once only while it stays; a refresh that
// clears it announces nothing.
void AccessibilityEventsTest::messageLineIsAnnounced()
{
    QLabel* line = window_->messageLine();
    const auto shows = [line] {
        QCoreApplication::processEvents();
        return std::count_if(g_reported.begin(), g_reported.end(), [line](const auto& report) {
            return report.first == line && report.second == QAccessible::ObjectShow;
        });
    };
    type("1994");
    QCOMPARE(shows(), 0);
    type("80000");
    QCOMPARE(shows(), 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name),
             QStringLiteral("Number must be greater than 0 and less than 80000"));
    type("800001");
    QCOMPARE(shows(), 1);
    type("1994");
    QCOMPARE(shows(), 1);
    type("-5");
    QCOMPARE(shows(), 2);
    // What a numeral was read as is heard too, and so is a text that is none.
    type("mcmxciv");
    QCOMPARE(shows(), 3);
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name),
             QStringLiteral("Roman numeral: 1994"));
    type("mcmxciv?");
    QCOMPARE(shows(), 4);
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), NoNumeralMessage());
}

// One key typed into the field redraws all 59 rows; a screen reader hears
// of the field's new text, not of each row.
void AccessibilityEventsTest::oneKeystrokeReportsNoRows()
{
    QLineEdit* field = window_->numberField();
    field->setFocus();
    type("199");
    field->end(false);
    g_reported.clear();
    QTest::keyClick(field, Qt::Key_4);
    QCOMPARE(field->text(), QStringLiteral("1994"));
    const auto fromField = std::count_if(g_reported.begin(), g_reported.end(),
                                         [field](const auto& report) { return report.first == field; });
    QVERIFY2(fromField > 0, "the field's own change was not reported");
    const auto fromRows = std::count_if(g_reported.begin(), g_reported.end(), [this](const auto& report) {
        auto* widget = qobject_cast<QWidget*>(report.first);
        return widget && window_->pages()->isAncestorOf(widget);
    });
    QVERIFY2(fromRows <= 1, qPrintable(QString::number(fromRows) + " reports from the rows"));
    QVERIFY2(g_reported.size() < 10, qPrintable(QString::number(g_reported.size()) + " reports for one key"));
}

QTEST_MAIN(AccessibilityEventsTest)
#include "AccessibilityEventsTest.moc"
