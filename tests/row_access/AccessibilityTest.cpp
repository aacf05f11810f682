#include "BottomBar.h"
#include "WindowFixture.h"
#include "rows/NumeralPages.h"
#include "rows/RowTable.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"

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
    return QString::fromStdString(
        rowtext::TextOrWhatIsSaid(rowtext::TextOf(row.cell, n, text.toStdString())));
}

// Where the text is cut into characters or into words (runs of blanks and of
// the rest), in characters, from 0 to the end.
QList<int> Cuts(const std::u32string& text, QAccessible::TextBoundaryType boundary)
{
    QList<int> cuts{0};
    for (int i = 1; i <= int(text.size()); ++i) {
        if (i == int(text.size()) || boundary == QAccessible::CharBoundary
            || (text[i] == U' ') != (text[i - 1] == U' '))
            cuts << i;
    }
    return cuts;
}

// "text [start, end)", or nothing for no text wherever it is.
QString Piece(const QString& text, int start, int end)
{
    return text.isEmpty() ? QString() : QStringLiteral("%1 [%2, %3)").arg(text).arg(start).arg(end);
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

    void everyRowIsNamedByItsCaption_data();
    void everyRowIsNamedByItsCaption();
    void rowTextFollowsTheShownNumber_data();
    void rowTextFollowsTheShownNumber();
    void rejectedTextKeepsTheRowTexts_data();
    void rejectedTextKeepsTheRowTexts();
    void rowTextByOffsets_data();
    void rowTextByOffsets();
    void everyRowReadsPieceByPiece_data();
    void everyRowReadsPieceByPiece();
    void rowCopiesItselfAsAnAction();
    void numberFieldIsNamedByItsLabel();
    void spinButtonIsASpinControl();
    void messageLineIsANotification();

private:
    void type(const QString& text) { window_->numberField()->setText(text); }
    QWidget* rowWidget(const char* cell) const;
    QAccessibleInterface* row(const char* cell) const { return Accessible(rowWidget(cell)); }

    WindowFixture window_;
};

void AccessibilityTest::initTestCase()
{
    InstallFontStandIns();
}

void AccessibilityTest::init()
{
    QVERIFY(window_.open());
}

void AccessibilityTest::cleanup()
{
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

QWidget* AccessibilityTest::rowWidget(const char* cell) const
{
    const auto* panel = window_->findChild<QWidget*>(QStringLiteral("sp") + QLatin1String(cell));
    return panel ? panel->findChild<QWidget*>(QLatin1String(cell), Qt::FindDirectChildrenOnly) : nullptr;
}

// Every row of the five pages, for a number every row writes and for one
// some cannot (Georgian stops at 19999): reachable from the window, named
// by the caption, labelled by the caption cell, the numeral (or what is
// said instead) as value and as text, the explanation as description.
void AccessibilityTest::everyRowIsNamedByItsCaption_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("1994") << 1994;
    QTest::newRow("20000") << 20000;
}

void AccessibilityTest::everyRowIsNamedByItsCaption()
{
    QFETCH(int, number);
    type(QString::number(number));
    QAccessibleInterface* window = Accessible(window_.get());
    for (const RowSpec& entry : RowsInDisplayOrder()) {
        const QString cell = QLatin1String(entry.cell);
        QAccessibleInterface* iface = row(entry.cell);
        QVERIFY2(iface, entry.cell);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(entry.caption));
        QCOMPARE(iface->role(),
                 entry.kind == ValueKind::PaintBox ? QAccessible::Graphic : QAccessible::StaticText);
        const QString expected = Expected(entry, number, QString::number(number));
        QCOMPARE(iface->text(QAccessible::Value), expected);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY2(text, entry.cell);
        QCOMPARE(text->characterCount(), expected.toUcs4().size());
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
    QTest::newRow("Adlam 2026, logical order") << "2026"
                                               << "Uadlm" << QString::fromUtf8("𞥒𞥐𞥒𞥖");
    QTest::newRow("Cyrillic 46363, titlos after their letters") << "46363"
                                                                << "Ucyrl" << QString::fromUtf8("҂м҃҂ѕ тѯ҃г");
    QTest::newRow("Georgian 20000, no form") << "20000"
                                             << "Ugeor" << QString::fromUtf8(rowtext::kNoForm);
    QTest::newRow("Aegean 0, no form") << "0"
                                       << "Uaegean" << QString::fromUtf8(rowtext::kNoForm);
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

void AccessibilityTest::rowTextByOffsets_data()
{
    QTest::addColumn<QString>("cell");
    QTest::newRow("Egyptian, two UTF-16 code units a sign") << "P28";
    QTest::newRow("Brahmi, two UTF-16 code units a digit") << "P33";
    QTest::newRow("Hebrew, right to left") << "P62";
    QTest::newRow("Assyrian, places between blanks") << "PB9";
    QTest::newRow("Kharoshthi, right to left, two UTF-16 code units a sign") << "Ukhar";
}

// What a screen reader asks for as it moves by character or by word: the
// text between any two offsets (counted in characters, as AT-SPI counts
// them) and the character or word before, at and after every offset.
void AccessibilityTest::rowTextByOffsets()
{
    QFETCH(QString, cell);
    type("46363");
    const std::u32string expected =
        QString::fromStdString(rowtext::TextOf(cell.toStdString(), 46363, "46363").text).toStdU32String();
    const auto slice = [&](int start, int end) {
        return QString::fromStdU32String(expected.substr(start, end - start));
    };
    const int size = int(expected.size());
    QAccessibleTextInterface* text = row(qPrintable(cell))->textInterface();
    QCOMPARE(text->characterCount(), size);
    for (int start = 0; start <= size; ++start) {
        for (int end = start; end <= size; ++end)
            QCOMPARE(text->text(start, end), slice(start, end));
    }
    for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary}) {
        const QList<int> cuts = Cuts(expected, boundary);
        const auto piece = [&](qsizetype i) {
            return i < 0 || i + 1 >= cuts.size() ? QString()
                                                 : Piece(slice(cuts[i], cuts[i + 1]), cuts[i], cuts[i + 1]);
        };
        for (int offset = 0; offset < size; ++offset) {
            const qsizetype at = std::upper_bound(cuts.begin(), cuts.end(), offset) - cuts.begin() - 1;
            const QString where = QStringLiteral("%1 at %2: ").arg(boundary).arg(offset);
            int start = -1;
            int end = -1;
            QString found = text->textBeforeOffset(offset, boundary, &start, &end);
            QCOMPARE(where + Piece(found, start, end), where + piece(at - 1));
            found = text->textAtOffset(offset, boundary, &start, &end);
            QCOMPARE(where + Piece(found, start, end), where + piece(at));
            found = text->textAfterOffset(offset, boundary, &start, &end);
            QCOMPARE(where + Piece(found, start, end), where + piece(at + 1));
        }
    }
}

void AccessibilityTest::everyRowReadsPieceByPiece_data()
{
    everyRowIsNamedByItsCaption_data();
}

// Every row read character by character and word by word, as a screen
// reader steps through it: the pieces at the offsets run from the text's
// start to its end one after another, each piece is the same at each of
// its offsets, and the pieces before and after one are its neighbours.
void AccessibilityTest::everyRowReadsPieceByPiece()
{
    QFETCH(int, number);
    type(QString::number(number));
    for (const RowSpec& entry : RowsInDisplayOrder()) {
        QAccessibleTextInterface* text = row(entry.cell)->textInterface();
        const int count = text->characterCount();
        for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary}) {
            const QString where = QStringLiteral("%1 by %2: ").arg(entry.caption).arg(boundary);
            QString joined;
            QString previous;  // the piece before, as "text [start, end)"
            for (int start = 0, end = 0; start < count; start = end) {
                int from = -1;
                const QString found = text->textAtOffset(start, boundary, &from, &end);
                const QString piece = Piece(found, from, end);
                QVERIFY2(from == start && end > start, qPrintable(where + piece));
                for (int offset = start + 1; offset < end; ++offset) {
                    int a = -1, b = -1;
                    const QString same = text->textAtOffset(offset, boundary, &a, &b);
                    QCOMPARE(where + Piece(same, a, b), where + piece);
                }
                int a = -1, b = -1;
                const QString before = text->textBeforeOffset(start, boundary, &a, &b);
                QCOMPARE(where + Piece(before, a, b), where + previous);
                if (!previous.isEmpty()) {
                    const QString after = text->textAfterOffset(start - 1, boundary, &a, &b);
                    QCOMPARE(where + Piece(after, a, b), where + piece);
                }
                joined += text->text(start, end);
                previous = piece;
            }
            QCOMPARE(joined, text->text(0, count));
        }
    }
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
    type("mcmxcii");  // a numeral's value is its number, a typo's the rows' number
    QCOMPARE(spin->valueInterface()->currentValue().toInt(), 1992);
    type("mcmxcii?");
    QCOMPARE(spin->valueInterface()->currentValue().toInt(), 1992);
    type("1994");
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
