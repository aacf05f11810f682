#include "BottomBar.h"
#include "MainWindow.h"
#include "NumeralPages.h"
#include "RowTable.h"
#include "SpinButton.h"
#include "UiFonts.h"

#include "numerals/text/RowText.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString Expected(const RowSpec& row, int n, const QString& text)
{
    const std::string signs = rowtext::TextOf(row.cell, n, text.toStdString()).text;
    return signs.empty() ? QString::fromUtf8(rowtext::kNoSignForZero) : QString::fromStdString(signs);
}

}  // namespace

// The window as a screen reader sees it: every row named by its caption,
// with its numeral as text and its system's explanation; the number field,
// the spin button and the message line.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyRowIsNamedByItsCaption();
    void rowTextFollowsTheShownNumber_data();
    void rowTextFollowsTheShownNumber();
    void rejectedTextKeepsTheRowTexts_data();
    void rejectedTextKeepsTheRowTexts();
    void rowCopiesItselfAsAnAction();
    void numberFieldIsNamedByItsLabel();
    void spinButtonIsASpinControl();
    void messageLineIsANotification();

private:
    void type(const QString& text) { window_->numberField()->setText(text); }
    QWidget* rowWidget(const char* cell) const;
    QAccessibleInterface* row(const char* cell) const { return Accessible(rowWidget(cell)); }

    std::unique_ptr<MainWindow> window_;
};

void AccessibilityTest::initTestCase()
{
    InstallFontStandIns();
}

void AccessibilityTest::init()
{
    window_ = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window_->setErrorDisplay([](const QString& message) { QFAIL(qPrintable(message)); });
    window_->show();
    window_->activateWindow();
    QTRY_VERIFY(window_->isActivated());
}

void AccessibilityTest::cleanup()
{
    window_.reset();
}

QWidget* AccessibilityTest::rowWidget(const char* cell) const
{
    const auto* panel = window_->findChild<QWidget*>(QStringLiteral("sp") + QLatin1String(cell));
    return panel ? panel->findChild<QWidget*>(QLatin1String(cell), Qt::FindDirectChildrenOnly) : nullptr;
}

// Every row of the pages the window shows: reachable from the window,
// named by the caption, labelled by the caption cell, the numeral as value
// and as text, the explanation as description.
void AccessibilityTest::everyRowIsNamedByItsCaption()
{
    type("1994");
    QAccessibleInterface* window = Accessible(window_.get());
    for (const RowSpec& entry : RowsInDisplayOrder()) {
        if (!IsShownInWindow(entry))
            continue;
        const QString cell = QLatin1String(entry.cell);
        QAccessibleInterface* iface = row(entry.cell);
        QVERIFY2(iface, entry.cell);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(entry.caption));
        QCOMPARE(iface->role(),
                 entry.kind == ValueKind::PaintBox ? QAccessible::Graphic : QAccessible::StaticText);
        const QString expected = Expected(entry, 1994, "1994");
        QCOMPARE(iface->text(QAccessible::Value), expected);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY2(text, entry.cell);
        QCOMPARE(text->characterCount(), expected.size());
        QCOMPARE(text->text(0, text->characterCount()), expected);
        const QString explanation = iface->text(QAccessible::Description);
        QVERIFY2(!explanation.isEmpty(), entry.cell);
        QCOMPARE(explanation, QString::fromUtf8(rowtext::Explanation(entry.cell)));
        const auto labels = iface->relations(QAccessible::Label);
        QVERIFY2(std::any_of(labels.begin(), labels.end(),
                             [&](const auto& label) {
                                 return label.first->object()->objectName() == QStringLiteral("tp") + cell;
                             }),
                 entry.cell);
        QAccessibleInterface* ancestor = iface->parent();
        while (ancestor && ancestor->object() != window->object())
            ancestor = ancestor->parent();
        QVERIFY2(ancestor, entry.cell);
    }
}

void AccessibilityTest::rowTextFollowsTheShownNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("value");
    QTest::newRow("Kanji 1994") << "1994"
                                << "P42" << QString::fromUtf8("千九百九十四");
    QTest::newRow("Kanji hexadecimal 1994") << "$7CA"
                                            << "P42" << QString::fromUtf8("千九百九十四");
    QTest::newRow("Kanji 46363") << "46363"
                                 << "P42" << QString::fromUtf8("四万六千三百六十三");
    QTest::newRow("Kanji 0") << "0"
                             << "P42"
                             << "no sign for zero";
    QTest::newRow("Roman label 1994") << "1994"
                                      << "l2"
                                      << "MCMXCIV";
    QTest::newRow("Roman label 0") << "0"
                                   << "l2"
                                   << "no sign for zero";
    QTest::newRow("Hebrew 1994, logical order") << "1994"
                                                << "P62" << QString::fromUtf8("א׳ץצד");
    QTest::newRow("Braille 1994") << "1994"
                                  << "P34" << QString::fromUtf8("⠼⠁⠊⠊⠙");
    QTest::newRow("Arabic 1994") << "1994"
                                 << "P6" << QString::fromUtf8("١٩٩٤");
    QTest::newRow("Maya picture 1994") << "1994"
                                       << "PB7" << QString::fromUtf8("𝋥𝋩𝋮");
    QTest::newRow("Korean picture 0") << "0"
                                      << "PB2"
                                      << "no sign for zero";
}

void AccessibilityTest::rowTextFollowsTheShownNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, value);
    type(typed);
    QAccessibleInterface* iface = row(cell.toLatin1().constData());
    QCOMPARE(iface->text(QAccessible::Value), value);
    QCOMPARE(iface->textInterface()->text(0, value.size()), value);
}

// The rows keep what they show when the field's text is out of range or
// empty, and so do their texts.
void AccessibilityTest::rejectedTextKeepsTheRowTexts_data()
{
    QTest::addColumn<QString>("rejected");
    QTest::newRow("out of range") << "80000";
    QTest::newRow("negative") << "-5";
    QTest::newRow("empty") << "";
}

void AccessibilityTest::rejectedTextKeepsTheRowTexts()
{
    QFETCH(QString, rejected);
    type("1994");
    type(rejected);
    QCOMPARE(window_->numberField()->text(), rejected);
    QCOMPARE(row("P42")->text(QAccessible::Value), QString::fromUtf8("千九百九十四"));
    QCOMPARE(row("l2")->text(QAccessible::Value), QStringLiteral("MCMXCIV"));
}

void AccessibilityTest::rowCopiesItselfAsAnAction()
{
    type("1994");
    QAccessibleActionInterface* actions = row("P42")->actionInterface();
    QVERIFY(actions->actionNames().contains("Copy"));
    QCOMPARE(actions->keyBindingsForAction("Copy"), QStringList{"Ctrl+C"});
    QGuiApplication::clipboard()->clear();
    actions->doAction("Copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("千九百九十四"));
}

void AccessibilityTest::numberFieldIsNamedByItsLabel()
{
    QAccessibleInterface* field = Accessible(window_->numberField());
    QCOMPARE(field->role(), QAccessible::EditableText);
    QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Number"));
    const auto labels = field->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->object()->objectName(), QStringLiteral("l1"));
}

void AccessibilityTest::spinButtonIsASpinControl()
{
    type("1994");
    QAccessibleInterface* spin = Accessible(window_->bottomBar()->spinButton());
    QCOMPARE(spin->role(), QAccessible::SpinBox);
    QVERIFY(!spin->text(QAccessible::Name).isEmpty());
    QCOMPARE(spin->valueInterface()->currentValue().toInt(), 1994);
    QCOMPARE(spin->valueInterface()->maximumValue().toInt(), 79999);
    QAccessibleActionInterface* actions = spin->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(window_->numberField()->text(), QStringLiteral("1995"));
    QCOMPARE(row("l2")->text(QAccessible::Value), QStringLiteral("MCMXCV"));
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(window_->numberField()->text(), QStringLiteral("1993"));
    type("79999");
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(window_->numberField()->text(), QStringLiteral("79999"));
}

void AccessibilityTest::messageLineIsANotification()
{
    type("80000");
    QAccessibleInterface* message = Accessible(window_->messageLine());
    QCOMPARE(message->role(), QAccessible::Notification);
    QCOMPARE(message->text(QAccessible::Name),
             QStringLiteral("Number must be greater than 0 and less than 80000"));
    type("1994");
    QCOMPARE(message->text(QAccessible::Name), QString());
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
