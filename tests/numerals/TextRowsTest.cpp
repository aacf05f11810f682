// The builders of the glyph-string rows, found by their value cells.

#include "NumeralTestSupport.h"

#include <QTest>

class TextRowsTest : public QObject {
    Q_OBJECT

private slots:
    void cellsAreUnique();
    void findTextRowByCell();
    void unknownRowUsesNoCodes();
};

void TextRowsTest::cellsAreUnique()
{
    QSet<QByteArray> cells;
    for (const TextRow& row : AllTextRows()) {
        QVERIFY2(!cells.contains(row.cell), row.cell);
        cells.insert(row.cell);
    }
}

void TextRowsTest::findTextRowByCell()
{
    for (const TextRow& row : AllTextRows()) {
        const TextRow* found = FindTextRow(row.cell);
        QVERIFY2(found && found->build == row.build && found->input == row.input, row.cell);
    }
    const TextRow* row = FindTextRow("P4");
    QVERIFY(row != nullptr);
    QCOMPARE(QByteArray(row->cell), QByteArray("P4"));
    QVERIFY(FindTextRow("PB7") == nullptr);
    QVERIFY(FindTextRow("l2") == nullptr);
}

void TextRowsTest::unknownRowUsesNoCodes()
{
    const TextRow stray{"P99", RowInput::Number, nullptr};
    QVERIFY(CodesUsedBy(stray).none());
    QCOMPARE(CodesUsedBy(*FindTextRow("P13")).count(), std::size_t{3});
}

QTEST_APPLESS_MAIN(TextRowsTest)
#include "TextRowsTest.moc"
