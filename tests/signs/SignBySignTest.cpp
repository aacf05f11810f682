// Sign by Sign over every row and every number 0..79999, in one pass that
// builds each numeral once: the groups of the breakdown joined are the
// row's numeral and their values make the number; the numeral's signs are
// all in the row's sign table; composed in the row's order they read back
// as the number, and a row written as real text gives its very text, which
// the recogniser reads as the row's own form. And what composing says of numbers beyond the range and
// of signs that make no numeral.

#include "rows/RowTable.h"
#include "signs/SignBySign.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "numerals/UnicodeRows.h"
#include "numerals/text/RowText.h"
#include "pictures/PictureNumerals.h"

#include <QTest>

#include <string>

namespace {

using signs::Breakdown;
using signs::Combine;
using signs::Composed;
using signs::Piece;

// The row's numeral as its own builder writes it, in the row's means.
Piece NumeralOf(const RowSpec& row, int n)
{
    Piece piece;
    const std::string cell = row.cell;
    if (row.kind == ValueKind::Panel)
        piece.codes = FindTextRow(cell)->build(n, std::to_string(n));
    else if (row.kind == ValueKind::Label)
        piece.text = RomanNumeral(n);
    else if (row.kind == ValueKind::Text)
        piece.text = FindUnicodeRow(cell)->build(n).text;
    else
        piece.pictures = cell == "PB2" ? KoreanPictures(n)
            : cell == "PB1"            ? HieraticPictures(n)
            : cell == "PB7"            ? MayaPictures(n)
                                       : AssyrianPictures(n);
    return piece;
}

void Append(Piece& to, const Piece& piece)
{
    to.codes += piece.codes;
    to.text += piece.text;
    to.pictures.insert(to.pictures.end(), piece.pictures.begin(), piece.pictures.end());
}

// The piece without blanks and gaps, as one string.
std::string Inked(const Piece& piece)
{
    std::string s;
    for (char c : piece.codes + piece.text) {
        if (c != ' ')
            s += c;
    }
    for (const PictureStep& step : piece.pictures) {
        if (!step.isGap())
            s += step.picture + ';';
    }
    return s;
}

bool SamePiece(const Piece& a, const Piece& b)
{
    return a.codes == b.codes && a.text == b.text && a.pictures == b.pictures;
}

// What is wrong with the breakdown of n, or an empty text.
QString BreakdownFault(const RowSpec& row, int n, const Piece& numeral, const Breakdown& breakdown)
{
    if (Inked(numeral).empty()) {
        const std::string said = rowtext::TextOf(row.cell, n, std::to_string(n)).reading;
        return breakdown.noForm && breakdown.groups.empty() && breakdown.whatIsSaid == said
            ? QString()
            : QStringLiteral("no numeral, yet no 'no form'");
    }
    Piece joined;
    long long total = 0;
    const bool shownReversed =
        breakdown.rightToLeft && row.kind != ValueKind::Text && row.kind != ValueKind::Label;
    for (std::size_t i = 0; i < breakdown.groups.size(); ++i) {
        const signs::Group& group = breakdown.groups[shownReversed ? breakdown.groups.size() - 1 - i : i];
        Append(joined, group.piece);
        if (breakdown.combine == Combine::Places && group.value != group.digit * group.place)
            return QStringLiteral("a group's value is not its digit times its place");
        total += group.value;
    }
    if (!SamePiece(joined, numeral))
        return QStringLiteral("the groups joined are not the numeral");
    return total == n ? QString() : QStringLiteral("the groups make %1").arg(total);
}

// The numeral's signs, in the row's order, from the table: without blanks
// and gaps, shown in the row's direction, they are the numeral.
QString SignsFault(const RowSpec& row, const Piece& numeral, const std::vector<int>& indices, bool reversed)
{
    const std::vector<signs::Sign>& table = signs::SignTable(row.cell);
    Piece joined;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const int index = indices[reversed ? indices.size() - 1 - i : i];
        if (index < 0 || static_cast<std::size_t>(index) >= table.size())
            return QStringLiteral("sign %1 is not in the table").arg(index);
        const Piece& piece = table[static_cast<std::size_t>(index)].piece;
        if (!(piece.codes.empty() && piece.pictures.empty() && row.kind == ValueKind::Panel))
            Append(joined, piece);  // a glyph row's mark of its text alone is not drawn
    }
    return Inked(joined) == Inked(numeral) ? QString()
                                           : QStringLiteral("a sign of the numeral is not in the table");
}

}  // namespace

class SignBySignTest : public QObject {
    Q_OBJECT

private slots:
    void everyNumber_data();
    void everyNumber();
    void signTables_data();
    void signTables();
    void composing_data();
    void composing();
};

void SignBySignTest::everyNumber_data()
{
    QTest::addColumn<int>("row");
    const std::vector<RowSpec>& rows = RowsInDisplayOrder();
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].cell) << static_cast<int>(i);
}

void SignBySignTest::everyNumber()
{
    QFETCH(int, row);
    const RowSpec& shown = RowsInDisplayOrder()[static_cast<std::size_t>(row)];
    const std::string cell = shown.cell;
    const bool described = rowtext::TextOf(cell, 1, "1").kind == rowtext::Kind::Described;
    for (int n = 0; n <= 79999; ++n) {
        const Piece numeral = NumeralOf(shown, n);
        const Breakdown breakdown = signs::BreakdownOf(cell, n);
        QString fault = BreakdownFault(shown, n, numeral, breakdown);
        if (fault.isEmpty() && !breakdown.noForm) {
            const std::vector<int> indices = signs::NumeralSigns(cell, n);
            const bool reversed = breakdown.rightToLeft && shown.kind == ValueKind::Panel;
            fault = SignsFault(shown, numeral, indices, reversed);
            const Composed composed = signs::Compose(cell, indices);
            // A numeral two numbers share (Armenian 1 and 10000) may read as either.
            const bool readsBack = composed.status == Composed::Status::Number
                && (composed.number == n
                    || SamePiece(NumeralOf(shown, static_cast<int>(composed.number)), numeral));
            if (fault.isEmpty() && !readsBack)
                fault = QStringLiteral("composed, its signs read as %1 (%2)")
                            .arg(composed.number)
                            .arg(QString::fromStdString(composed.text));
            if (fault.isEmpty() && Inked(composed.piece) != Inked(numeral))
                fault = QStringLiteral("the composed signs are not drawn as the numeral");
            // A real-text row's composed text is what the row writes for n: the recogniser
            // reads it as the row's own form (a text two numbers share as both).
            if (fault.isEmpty() && !described && !composed.ownForm)
                fault = QStringLiteral("composed, its text %1 is not the row's own")
                            .arg(QString::fromStdString(composed.text));
        }
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 at %2: %3").arg(shown.caption).arg(n).arg(fault)));
    }
}

void SignBySignTest::signTables_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("signs");  // text<TAB>value, in the table's order
    QTest::newRow("Egyptian") << "P28" << QStringList{"𓏤\t1", "𓎆\t10", "𓍢\t100", "𓆼\t1000", "𓂭\t10000"};
}

void SignBySignTest::signTables()
{
    QFETCH(QString, cell);
    QFETCH(QStringList, signs);
    QStringList table;
    for (const signs::Sign& sign : signs::SignTable(cell.toStdString()))
        table << QString::fromStdString(sign.text + '\t'
                                        + (sign.role.empty() ? std::to_string(sign.value) : sign.role));
    QCOMPARE(table, signs);
}

void SignBySignTest::composing_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("pressed");  // the signs' texts, in the order pressed
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("number");
    const int number = int(Composed::Status::Number);
    const int beyond = int(Composed::Status::BeyondRange);
    const int none = int(Composed::Status::NoNumeral);
    QTest::newRow("Roman") << "l2" << QStringList{"M", "C", "M", "X", "C", "I", "V"} << number << 1994;
    QTest::newRow("Roman nine ones") << "l2" << QString("IIIIIIIII").split("", Qt::SkipEmptyParts) << none
                                     << 0;
    QTest::newRow("Roman thousands mark")
        << "l2" << QStringList{"L", "X", "X", "I", "X", "'", "M"} << number << 79000;
    QTest::newRow("Roman beyond") << "l2" << QStringList{"L", "X", "X", "X", "'", "M"} << beyond << 0;
    QTest::newRow("Egyptian eight 10000s") << "P28" << QStringList(8, "𓂭") << beyond << 0;
    QTest::newRow("Egyptian") << "P28" << QStringList{"𓆼", "𓍢", "𓍢", "𓎆"} << number << 1210;
    QTest::newRow("Kanji ninety thousand") << "P42" << QStringList{"九", "万"} << beyond << 0;
    QTest::newRow("Hebrew 305") << "P62" << QStringList{"ש", "ה"} << number << 305;
    QTest::newRow("Maya 305") << "PB7" << QStringList{"𝋯", "𝋥"} << number << 305;
    QTest::newRow("Semaphore 305") << "P7"
                                   << QStringList{"Semaphore flag C", "Semaphore flag K", "Semaphore flag E"}
                                   << number << 305;
    QTest::newRow("D'Ni largest place")
        << "P31" << QStringList{"D'Ni digit 5", "D'Ni digit 0", "D'Ni digit 0", "D'Ni digit 0"} << number
        << 78125;
    QTest::newRow("D'Ni beyond") << "P31"
                                 << QStringList{"D'Ni digit 6", "D'Ni digit 0", "D'Ni digit 0",
                                                "D'Ni digit 0"}
                                 << beyond << 0;
    QTest::newRow("D'Ni leading zero") << "P31" << QStringList{"D'Ni digit 0", "D'Ni digit 5"} << none << 0;
    QTest::newRow("Dual code beyond") << "P13" << QStringList(17, "Dual code digit 1") << beyond << 0;
    QTest::newRow("Heyarian units first")
        << "P39" << QStringList{"Heyarian tally mark 1", "Heyarian tally mark 10"} << number << 11;
    QTest::newRow("Heyarian tens before units")
        << "P39" << QStringList{"Heyarian tally mark 10", "Heyarian tally mark 1"} << none << 0;
    QTest::newRow("Hieratic") << "PB1"
                              << QStringList{"hieratic sign 4", "hieratic sign 10000", "hieratic sign 6000"}
                              << number << 46000;
    QTest::newRow("Hieratic units before hundreds")
        << "PB1" << QStringList{"hieratic sign 5", "hieratic sign 300"} << none << 0;
    QTest::newRow("Klingon typed zeros")
        << "P30" << QStringList{"Klingon digit 0", "Klingon digit 7"} << number << 7;
}

// Signs pressed by their texts read as the row's system reads them.
void SignBySignTest::composing()
{
    QFETCH(QString, cell);
    QFETCH(QStringList, pressed);
    QFETCH(int, status);
    QFETCH(int, number);
    const std::vector<signs::Sign>& table = signs::SignTable(cell.toStdString());
    std::vector<int> indices;
    for (const QString& text : pressed) {
        const auto found = std::find_if(table.begin(), table.end(), [&](const signs::Sign& sign) {
            return sign.text == text.toStdString();
        });
        QVERIFY2(found != table.end(), qPrintable(text));
        indices.push_back(static_cast<int>(found - table.begin()));
    }
    const Composed composed = signs::Compose(cell.toStdString(), indices);
    QCOMPARE(int(composed.status), status);
    if (composed.status == Composed::Status::Number)
        QCOMPARE(composed.number, number);
    QCOMPARE(signs::Compose(cell.toStdString(), {}).status, Composed::Status::Empty);
}

QTEST_APPLESS_MAIN(SignBySignTest)
#include "SignBySignTest.moc"
