#include "SessionScript.h"

#include "MainWindow.h"
#include "WindowFixture.h"
#include "entry/EnteredNumber.h"
#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "rows/RowTable.h"
#include "entry/SpinButton.h"
#include "BottomBar.h"
#include "rows/TextCell.h"
#include "rows/ValueCell.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "numerals/UnicodeRows.h"
#include "pictures/PictureNumerals.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <malloc.h>

namespace {

const QString kOutOfRange = QStringLiteral("Number must be greater than 0 and less than 80000");

}  // namespace

SessionScript::SessionScript() : window_(std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); }))
{
    window_->setErrorDisplay([this](const QString& message) { errors_ << message; });
    QObject::connect(window_->numberField(), &QLineEdit::textChanged,
                     [this](const QString& text) { changedTo_ = text; });
    window_->show();
    window_->activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window_->isActivated(), 5000);
    shownNumber_ = ReadNumber(window_->numberField()->text());
    shownText_ = window_->numberField()->text();
}

SessionScript::~SessionScript() = default;

void SessionScript::fail(const QString& what)
{
    if (failures_.size() < 20)
        failures_ << what;
}

void SessionScript::enter(const QString& text, bool paste)
{
    QLineEdit* field = window_->numberField();
    romanShown_ = window_->romanLabel()->text();
    changedTo_.clear();
    if (paste) {
        QApplication::clipboard()->setText(text);
        field->selectAll();
        field->paste();
    } else {
        field->setText(text);
    }
    if (changedTo_.isNull())  // the field did not change: nothing ran
        return;
    checkRulesFor(changedTo_);
}

// What the window shows after a change of the field to `text`.
void SessionScript::checkRulesFor(const QString& text)
{
    const QString field = window_->numberField()->text();
    const QString message = window_->messageLine()->text();
    const QString roman = window_->romanLabel()->text();
    const EnteredNumber entered = EnteredNumberOf(text);
    if (text.isEmpty()) {
        if (!message.isEmpty() || roman != romanShown_)
            fail("empty text changed the window");
    } else if (entered.kind == EnteredNumber::Kind::NoNumeral) {
        if (field != text || message != NoNumeralMessage() || roman != romanShown_)
            fail(QStringLiteral("text %1 that is no numeral changed the field or the rows")
                     .arg(text.left(40)));
    } else if (!IsInRange(entered.number)) {
        if (field != text || message != kOutOfRange || roman != romanShown_)
            fail(QStringLiteral("out-of-range text %1 handled wrongly").arg(text.left(40)));
    } else {
        const int number = int(entered.number);
        if (field != text || message != entered.message
            || roman != QString::fromStdString(RomanNumeral(number)))
            fail(QStringLiteral("text %1 not shown as %2").arg(text.left(40)).arg(number));
        if (ParseNumber(text) ? !message.isEmpty() : !message.contains(QString::number(number)))
            fail(QStringLiteral("the message for %1 is %2").arg(text.left(40), message));
        shownNumber_ = number;
        shownText_ = entered.numberText;
    }
}

void SessionScript::checkAllRows()
{
    const std::string text = shownText_.toLatin1().toStdString();
    for (const TextRow& row : AllTextRows()) {
        const QByteArray expected = QByteArray::fromStdString(row.build(shownNumber_, text));
        if (window_->valueCell(QLatin1String(row.cell))->caption() != expected)
            fail(QStringLiteral("row %1 does not show %2").arg(row.cell, shownText_.left(40)));
    }
    if (shownText_.size() <= 6) {
        if (PictureNames(*window_->paintBox("PB2")) != PictureNames(KoreanPictures(shownNumber_))
            || PictureNames(*window_->paintBox("PB9")) != PictureNames(AssyrianPictures(shownNumber_))
            || PictureNames(*window_->paintBox("PB1")) != PictureNames(HieraticPictures(shownNumber_)))
            fail(QStringLiteral("picture rows do not show %1").arg(shownNumber_));
    }
    if (PictureNames(*window_->paintBox("PB7")) != PictureNames(MayaPictures(shownNumber_)))
        fail(QStringLiteral("Maya row does not show %1").arg(shownNumber_));
    if (!window_->pages()->isTextPageCurrent())
        return;  // a text page's rows follow the number while it is shown
    for (const UnicodeRow& row : AllUnicodeRows()) {
        if (FindRow(row.cell)->page != window_->pages()->currentPage())
            continue;
        const QString expected = QString::fromStdString(row.build(shownNumber_).text);
        if (window_->pages()->textCell(QLatin1String(row.cell))->text() != expected)
            fail(QStringLiteral("row %1 does not show %2").arg(row.cell).arg(shownNumber_));
    }
}

void SessionScript::holdSpinUp(int milliseconds)
{
    SpinButton* spin = window_->bottomBar()->spinButton();
    const int before = ReadNumber(window_->numberField()->text());
    QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::qWait(milliseconds);
    QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(10, 4));
    const int after = ReadNumber(window_->numberField()->text());
    if (after <= before && before < kLargestNumber)
        fail(QStringLiteral("holding the spin button did not count up from %1").arg(before));
    shownNumber_ = after;
    shownText_ = window_->numberField()->text();
}

void SessionScript::switchTab()
{
    NumeralPages* pages = window_->pages();
    pages->setCurrentIndex((pages->currentIndex() + 1) % pages->count());
    window_->repaint();
}

bool SessionScript::closeWithEscape()
{
    QTest::keyClick(window_->numberField(), Qt::Key_Escape);
    return QTest::qWaitFor([this] { return !window_->isVisible(); }, 2000);
}

long long HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return -1;
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks > 0 ? static_cast<long long>(info.uordblks) : -1;
#endif
}

long long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
