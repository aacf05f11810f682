#include "WindowFixture.h"
#include "rows/PaintBox.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"
#include "rows/ValueCell.h"
#include "signs/BreakdownView.h"
#include "signs/PieceView.h"
#include "signs/SignBySignView.h"
#include "signs/SignButton.h"
#include "signs/SignDrawing.h"
#include "signs/SignTableView.h"
#include "signs/SignViews.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The "Sign by Sign" view in the window, driven headless: how it opens from
// a row, that it follows the window's number, composing and showing a
// number, its keys.
class SignBySignViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromTheRow_data();
    void opensFromTheRow();
    void followsTheNumberWithItsGroupsInWritingOrder_data();
    void followsTheNumberWithItsGroupsInWritingOrder();
    void composedNumberGoesToTheWindow();
    void noFormSaysSoAndCopyCopiesTheRow();
    void arrowsMoveInTheTableAndTabLeavesIt();
    void escClosesTheViewAndTheWindowClosesTheRest();
    void drawingLeavesThePainterAsItWas_data();
    void drawingLeavesThePainterAsItWas();

private:
    SignViews* views() const { return window_->signViews(); }
    void showNumber(int n) { window_->numberField()->setText(QString::number(n)); }
    WindowFixture window_;
};

namespace {

QWidget* RowWidget(MainWindow& window, const char* cell)
{
    return window.findChild<RowInteraction*>()->rowWidget(QLatin1String(cell));
}

QPushButton* Button(const QWidget& view, const QString& text)
{
    for (QPushButton* button : view.findChildren<QPushButton*>())
        if (button->text() == text && !qobject_cast<SignButton*>(button))
            return button;
    return nullptr;
}

}  // namespace

void SignBySignViewTest::init()
{
    QVERIFY(window_.open());
    showNumber(46363);
}

void SignBySignViewTest::cleanup()
{
    QCOMPARE(window_.close(), QStringList());
}

void SignBySignViewTest::opensFromTheRow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("menu") << "menu";
}

// From the Egyptian row, its view shows the window's number; the window
// stays usable beside it, and a second row's view opens beside the first.
void SignBySignViewTest::opensFromTheRow()
{
    QFETCH(QString, how);
    QWidget* row = RowWidget(*window_, "P28");
    if (how == QLatin1String("double-click")) {
        QTest::mouseDClick(row, Qt::LeftButton);
    } else if (how == QLatin1String("Enter")) {
        row->setFocus();
        QTest::keyClick(row, Qt::Key_Return);
    } else {
        std::unique_ptr<QMenu> menu(window_->findChild<RowInteraction*>()->createMenu(QStringLiteral("P28")));
        const QList<QAction*> actions = menu->actions();
        const auto item = std::find_if(actions.begin(), actions.end(), [](const QAction* a) {
            return a->text() == QLatin1String("Sign by Sign");
        });
        QVERIFY(item != actions.end());
        (*item)->trigger();
    }
    QCOMPARE(views()->views().size(), std::size_t(1));
    SignBySignView* view = views()->views().front();
    QCOMPARE(view->windowTitle(), QString::fromUtf8("Egyptian — Sign by Sign"));
    QVERIFY(view->isWindow() && view->isVisible());
    QCOMPARE(view->windowModality(), Qt::NonModal);
    QCOMPARE(view->number(), 46363);
    QCOMPARE(view->numeralView()->accessibleName(), QString::fromUtf8("𓂭𓂭𓂭𓂭𓆼𓆼𓆼𓆼𓆼𓆼𓍢𓍢𓍢𓎆𓎆𓎆𓎆𓎆𓎆𓏤𓏤𓏤"));
    views()->open(QStringLiteral("P42"));
    QCOMPARE(views()->views().size(), std::size_t(2));
    views()->open(QStringLiteral("P28"));  // raised, not opened twice
    QCOMPARE(views()->views().size(), std::size_t(2));
}

void SignBySignViewTest::followsTheNumberWithItsGroupsInWritingOrder_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("Egyptian") << "P28" << false;
    QTest::newRow("Maya") << "PB7" << false;
    QTest::newRow("Hebrew") << "P62" << true;
    QTest::newRow("Adlam") << "Uadlm" << true;
}

// Each change of the number reaches the view, which reads as the row does;
// its groups stand in the row's direction, the first written first.
void SignBySignViewTest::followsTheNumberWithItsGroupsInWritingOrder()
{
    QFETCH(QString, cell);
    QFETCH(bool, rightToLeft);
    SignBySignView* view = views()->open(cell);
    QVERIFY(view);
    const RowTexts* texts = RowTexts::of(window_.get());
    for (const int n : {1994, 79999, 46363}) {
        showNumber(n);
        QApplication::processEvents();  // the layout follows
        QCOMPARE(view->number(), n);
        QCOMPARE(view->numeralView()->accessibleName(), texts->text(cell));
        // The numeral drawn is the row's own: its glyph codes, its pictures, its text.
        const signs::Piece& numeral = view->numeralView()->piece();
        if (ValueCell* glyphs = window_->valueCell(cell))
            QCOMPARE(QByteArray::fromStdString(numeral.codes), glyphs->caption());
        else if (PaintBox* box = window_->paintBox(cell))
            QCOMPARE(PictureNames(numeral.pictures), PictureNames(*box));
        else
            QCOMPARE(numeral.text, texts->rowText(cell).text);
        QVERIFY(view->numeralView()->width() >= view->numeralView()->sizeHint().width());
        const std::vector<const PieceView*> groups = view->breakdownView()->groupViews();
        QVERIFY(groups.size() > 1);
        const int first = groups.front()->mapTo(view, QPoint()).x();
        const int last = groups.back()->mapTo(view, QPoint()).x();
        QCOMPARE(first > last, rightToLeft);
        for (const PieceView* group : groups)
            QVERIFY2(group->mapTo(view, QPoint(0, group->height())).y() <= view->height(), "a group cut off");
    }
    // It stays on the screen, and its sign table within it: the table
    // breaks into rows rather than reach past the view.
    const QRect screen = view->screen()->availableGeometry();
    QVERIFY(view->width() <= screen.width() && view->height() <= screen.height());
    QVERIFY(view->signTable()->mapTo(view, QPoint(view->signTable()->sizeHint().width(), 0)).x()
            <= view->width());
}

// Semaphore's signs for 3, 0 and 5 read 305; "Show This Number" puts it
// into the field, as typed digits, and the rows show it.
void SignBySignViewTest::composedNumberGoesToTheWindow()
{
    SignBySignView* view = views()->open(QStringLiteral("P7"));
    QVERIFY(!Button(*view, QStringLiteral("Show This Number"))->isEnabled());
    const std::vector<SignButton*>& signs = view->signTable()->buttons();
    for (const char* digit : {"3", "0", "5"}) {
        const auto sign = std::find_if(signs.begin(), signs.end(), [digit](const SignButton* b) {
            return b->text() == QLatin1String(digit);
        });
        QVERIFY(sign != signs.end());
        QTest::mouseClick(*sign, Qt::LeftButton);
    }
    QCOMPARE(view->readsAs()->text(), QStringLiteral("Reads 305"));
    QTest::mouseClick(Button(*view, QStringLiteral("Show This Number")), Qt::LeftButton);
    QCOMPARE(window_->numberField()->text(), QStringLiteral("305"));
    QCOMPARE(RowTexts::of(window_.get())->shownNumber(), 305);
    QCOMPARE(view->number(), 305);
    QTest::mouseClick(Button(*view, QStringLiteral("Backspace")), Qt::LeftButton);
    QCOMPARE(view->readsAs()->text(), QStringLiteral("Reads 30"));
    QTest::mouseClick(Button(*view, QStringLiteral("Clear")), Qt::LeftButton);
    QVERIFY(!Button(*view, QStringLiteral("Show This Number"))->isEnabled());
}

// Georgian has no numeral for 20000: no groups, the text layer's words
// instead. Copy puts the row's text on the clipboard, as its menu does.
void SignBySignViewTest::noFormSaysSoAndCopyCopiesTheRow()
{
    SignBySignView* view = views()->open(QStringLiteral("Ugeor"));
    showNumber(20000);
    QVERIFY(view->breakdownView()->groupViews().empty());
    const QString said =
        QString::fromStdString(RowTexts::of(window_.get())->rowText(QStringLiteral("Ugeor")).reading);
    const QList<QLabel*> labels = view->breakdownView()->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&said](const QLabel* label) {
        return label->isVisible() && label->text() == said;
    }));
    showNumber(1994);
    QTest::mouseClick(Button(*view, QStringLiteral("Copy")), Qt::LeftButton);
    const QString row = RowTexts::of(window_.get())->text(QStringLiteral("Ugeor"));
    QVERIFY(!row.isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), row);
}

// The table is one Tab stop: the arrows go from sign to sign (Down by a
// row of the table), Space presses the sign, Tab goes on to Backspace.
void SignBySignViewTest::arrowsMoveInTheTableAndTabLeavesIt()
{
    SignBySignView* view = views()->open(QStringLiteral("P31"));  // D'Ni: 25 digits
    QApplication::setActiveWindow(view);
    const std::vector<SignButton*>& signs = view->signTable()->buttons();
    const int columns = view->signTable()->columns();
    QVERIFY(int(signs.size()) > columns);
    signs.front()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), signs[1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), signs[1 + columns]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), signs[1]);
    signs[signs.size() - 1 - columns]->setFocus();  // a row of the table above the last sign
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), signs.back());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(QApplication::focusWidget(), signs.back());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(view->composedView()->piece().codes, signs::SignTable("P31").back().piece.codes);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button(*view, QStringLiteral("Backspace")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), signs.back());
    // Round the parts: Backspace, Clear, Show This Number, Copy, Copy as
    // Picture, and back to the sign visited last.
    for (int part = 0; part < 6; ++part)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), signs.back());
}

void SignBySignViewTest::escClosesTheViewAndTheWindowClosesTheRest()
{
    QPointer<SignBySignView> egyptian = views()->open(QStringLiteral("P28"));
    QPointer<SignBySignView> maya = views()->open(QStringLiteral("PB7"));
    QApplication::setActiveWindow(egyptian);
    QTest::keyClick(egyptian, Qt::Key_Escape);
    QTRY_VERIFY(egyptian.isNull());
    QVERIFY(window_->isVisible());
    QCOMPARE(views()->views().size(), std::size_t(1));
    window_->close();
    QTRY_VERIFY(maya.isNull());
}

void SignBySignViewTest::drawingLeavesThePainterAsItWas_data()
{
    QTest::addColumn<QString>("cell");
    for (const char* cell : {"P28", "l2", "PB7", "Uadlm"})
        QTest::newRow(cell) << cell;
}

// A sign button draws its caption after the sign, in its own font: drawing
// a sign (in the Roman label's font, say) must leave the painter's font,
// pen and hints as they were.
void SignBySignViewTest::drawingLeavesThePainterAsItWas()
{
    QFETCH(QString, cell);
    const SignDrawing drawing(*FindRow(cell.toLatin1().constData()), SignBySignView::kSignScale);
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont font = window_->font();
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const signs::Sign& sign : signs::SignTable(cell.toStdString()))
        drawing.draw(painter, image.rect(), sign.piece);
    QCOMPARE(painter.font(), font);
    QCOMPARE(painter.pen().color(), QColor(Qt::red));
    QVERIFY(painter.testRenderHint(QPainter::SmoothPixmapTransform));
}

QTEST_MAIN(SignBySignViewTest)
#include "SignBySignViewTest.moc"
