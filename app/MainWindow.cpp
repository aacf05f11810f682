#include "MainWindow.h"

#include "Accessibility.h"
#include "BottomBar.h"
#include "entry/FieldNumber.h"
#include "entry/ForgivingNumberInput.h"
#include "entry/NumberFieldKeys.h"
#include "entry/NumberInput.h"
#include "entry/NumberParser.h"
#include "rows/NumeralPages.h"
#include "PageShortcuts.h"
#include "rows/PaintBox.h"
#include "rows/PictureComposition.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"
#include "WindowPalette.h"
#include "WindowPlacement.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "pictures/PictureNumerals.h"

#include "entry/SpinButton.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace {

constexpr int kLongestPictureText = 6;

MainWindow::ErrorDisplay MessageBoxDisplay(QWidget* parent)
{
    // Shown after the event that failed has ended, never from inside a paint.
    return [parent](const QString& message) {
        QMetaObject::invokeMethod(
            parent,
            [parent, message] { QMessageBox::critical(parent, QApplication::applicationName(), message); },
            Qt::QueuedConnection);
    };
}

}  // namespace

MainWindow::MainWindow(Clock clock, QWidget* parent)
    : QWidget(parent), clock_(std::move(clock)), errorDisplay_(MessageBoxDisplay(this))
{
    InstallAccessibility();
    buildWindow();
    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    setWindowTitle(QStringLiteral("Number signs of other cultures"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(UiFont(12));
    setAutoFillBackground(true);
    setPalette(FixedWindowPalette());  // white, whatever the desktop's colours

    P1_ = new BottomBar(this);
    P1_->setGeometry(0, kClientHeight - BottomBar::kHeight, kClientWidth, BottomBar::kHeight);
    auto* P3 = new QWidget(this);
    P3->setObjectName(QStringLiteral("P3"));
    P3->setGeometry(0, 0, kClientWidth, kClientHeight - BottomBar::kHeight);
    PG1_ = new NumeralPages(P3);
    PG1_->setGeometry(P3->rect());
    rowTexts_ = new RowTexts(this);
    new RowInteraction(PG1_, rowTexts_, this);
    new PageShortcuts(this, PG1_);
    ForgivingNumberInput::attachTo(P1_->numberField());
    fieldNumber_ = FieldNumber::attachTo(P1_->numberField());

    // The main menu's one item, "Ende", is never shown; its shortcut Esc
    // closes the window from anywhere in it.
    M2_ = new QAction(QStringLiteral("Ende"), this);
    M2_->setObjectName(QStringLiteral("M2"));
    M2_->setShortcut(Qt::Key_Escape);
    M2_->setShortcutContext(Qt::WindowShortcut);
    addAction(M2_);
}

void MainWindow::connectHandlers()
{
    connect(P1_->numberField(), &QLineEdit::textChanged, this,
            [this] { runEventHandler([this] { ze1Change(); }); });
    connect(P1_->spinButton(), &SpinButton::upClicked, this,
            [this] { runEventHandler([this] { SpinButton1UpClick(); }); });
    connect(P1_->spinButton(), &SpinButton::downClicked, this,
            [this] { runEventHandler([this] { SpinButton1DownClick(); }); });
    connect(NumberFieldKeys::attachTo(P1_->numberField()), &NumberFieldKeys::stepRequested, this,
            [this](int delta) { runEventHandler([this, delta] { stepNumber(delta); }); });
    connect(M2_, &QAction::triggered, this, [this] { runEventHandler([this] { schl1Click(); }); });
    connect(PG1_, &QTabWidget::currentChanged, this, [this] { runEventHandler([this] { showTextPage(); }); });
    const std::pair<const char*, void (MainWindow::*)()> boxes[] = {{"PB2", &MainWindow::PB2Paint},
                                                                    {"PB1", &MainWindow::PB1Paint},
                                                                    {"PB9", &MainWindow::PB9Paint},
                                                                    {"PB7", &MainWindow::PaintBox11Paint}};
    for (const auto& [name, handler] : boxes)
        paintBox(QLatin1String(name))->setPaintHandler([this, handler = handler] {
            // Nothing runs before the first activation; the boxes stay white.
            return !activated_ || runEventHandler([this, handler] { (this->*handler)(); });
        });
}

QLineEdit* MainWindow::numberField() const
{
    return P1_->numberField();
}
QLabel* MainWindow::messageLine() const
{
    return P1_->messageLine();
}
QLabel* MainWindow::romanLabel() const
{
    return PG1_->romanLabel();
}
ValueCell* MainWindow::valueCell(const QString& name) const
{
    return PG1_->valueCell(name);
}
PaintBox* MainWindow::paintBox(const QString& name) const
{
    return PG1_->paintBox(name);
}

// An error ends the handler that raised it and every handler it was nested
// in; the outermost one shows it, and the program goes on.
bool MainWindow::runEventHandler(const std::function<void()>& handler)
{
    ++handlerDepth_;
    bool completed = true;
    try {
        handler();
    } catch (const std::exception& error) {
        completed = false;
        if (handlerDepth_ > 1)
            pendingError_ = std::current_exception();
        else
            errorDisplay_(QString::fromUtf8(error.what()));
    }
    --handlerDepth_;
    return completed;
}

// Setting the field's text runs the refresh cycle before this returns; an
// error inside it continues here, in the handler that set the text.
void MainWindow::setNumberText(const QString& text)
{
    numberField()->setText(text);
    if (pendingError_)
        std::rethrow_exception(std::exchange(pendingError_, nullptr));
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Show && !centred_) {
        centred_ = true;
        centreOnScreen();
    }
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        runEventHandler([this] { FormActivate(); });
    }
    return QWidget::event(event);
}

void MainWindow::centreOnScreen()
{
    if (const QScreen* screen = this->screen())
        move(WindowTopLeft(screen->availableGeometry(), frameGeometry().size()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    runEventHandler([this] { FormClose(); });
    QWidget::closeEvent(event);
}

// Registers the glyph fonts the system lacks, shows today's number (the
// first refresh runs here, while the panels still have the layout's font),
// then hands each panel its family.
void MainWindow::FormActivate()
{
    fonts_.registerMissingFamilies();
    setNumberText(QString::number(DayCountSince1899(clock_())));
    for (const RowSpec* row : RowsInFamilyOrder())
        valueCell(QLatin1String(row->cell))->setFontFamily(QLatin1String(row->family));
}

void MainWindow::FormClose()
{
    fonts_.releaseRegistrations();
}

void MainWindow::schl1Click()
{
    close();
}

// The spin button works in 64 bits, so the largest and smallest numbers the
// field can hold step to the range's ends instead of wrapping around.
void MainWindow::SpinButton1UpClick()
{
    stepNumber(1);
}

void MainWindow::SpinButton1DownClick()
{
    stepNumber(-1);
}

// The spin button's step, also taken by the keys and the wheel in the field.
void MainWindow::stepNumber(int delta)
{
    setNumberText(QString::number(SteppedNumber(fieldNumber_->stepBase(), delta)));
}

void MainWindow::ze1Change()
{
    PB2Paint();
    PB1Paint();
    PB9Paint();
    PaintBox11Paint();
}

void MainWindow::PaintBox11Paint()
{
    P1_->setMessage(QString());
    const EnteredNumber entered = fieldNumber_->current();
    if (entered.kind != EnteredNumber::Kind::Number) {
        P1_->setMessage(entered.message);  // text that is no numeral says so; the rows stay
        if (entered.kind == EnteredNumber::Kind::NoNumeral)
            composeMaya(fieldNumber_->lastShown());  // a repaint keeps the pictures too
        return;
    }
    if (!IsInRange(entered.number)) {
        P1_->setMessage(OutOfRangeMessage());
        return;
    }
    const int n = int(entered.number);
    romanLabel()->setText(QString::fromStdString(RomanNumeral(n)));
    romanLabel()->adjustSize();
    ++romanUpdates_;
    fillTextRows(n);
    rowTexts_->setShown(n, entered.numberText);
    P1_->setMessage(entered.message);
    showTextPage();
}

// The text page's rows follow the number only while that page is shown;
// when it is shown again they catch up with the number the rows show.
void MainWindow::showTextPage()
{
    if (PG1_->isTextPageCurrent() && rowTexts_->hasShown())
        PG1_->showOnTextPage(PG1_->currentPage(), rowTexts_->shownNumber());
}

// Each row gets its caption as soon as its builder returns; the rows that
// read the number text (the typed text, or a numeral's decimal digits) read
// it again at that point. The one paint box on the way is the Maya pictures'.
void MainWindow::fillTextRows(int n)
{
    for (const RefreshStep& step : refreshSteps()) {
        if (step.row == nullptr) {
            composeMaya(n);
            continue;
        }
        std::string text;
        if (step.row->input == RowInput::Text) {
            text = fieldNumber_->current().numberText.toLatin1().toStdString();
            if (text.empty())
                continue;
        }
        step.cell->setCaption(QByteArray::fromStdString(step.row->build(n, text)));
    }
}

const std::vector<MainWindow::RefreshStep>& MainWindow::refreshSteps()
{
    if (refreshSteps_.empty()) {
        for (const RowSpec* entry : RowsInRefreshOrder()) {
            if (entry->kind == ValueKind::PaintBox)
                refreshSteps_.push_back({nullptr, nullptr});
            else
                refreshSteps_.push_back({FindTextRow(entry->cell), valueCell(QLatin1String(entry->cell))});
        }
    }
    return refreshSteps_;
}

// The guard of the Korean, Hieratic and Assyrian handlers: nothing is drawn
// for an empty text, a number text longer than six characters or a number
// out of range; a text that is no numeral draws the number the rows show.
bool MainWindow::pictureGuard(bool reportsRange, int& number)
{
    const EnteredNumber entered = fieldNumber_->current();
    P1_->setMessage(QString());
    if (entered.kind == EnteredNumber::Kind::NoNumeral) {
        number = fieldNumber_->lastShown();
        return true;
    }
    if (entered.kind == EnteredNumber::Kind::Empty || entered.numberText.size() > kLongestPictureText)
        return false;
    const std::int64_t n = entered.number;
    if (!IsInRange(n)) {
        if (reportsRange)
            P1_->setMessage(PictureOutOfRangeMessage());
        return false;
    }
    number = int(n);
    return true;
}

void MainWindow::PB2Paint()
{
    int v = 0;
    if (pictureGuard(true, v))
        ComposePictures(*paintBox(QStringLiteral("PB2")), *P1_->pictureHolder(), KoreanPictures(v));
}

void MainWindow::PB1Paint()
{
    int v = 0;
    if (pictureGuard(false, v))
        ComposePictures(*paintBox(QStringLiteral("PB1")), *P1_->pictureHolder(), HieraticPictures(v));
}

void MainWindow::PB9Paint()
{
    int v = 0;
    if (pictureGuard(true, v))
        ComposePictures(*paintBox(QStringLiteral("PB9")), *P1_->pictureHolder(), AssyrianPictures(v));
}

void MainWindow::composeMaya(int number)
{
    ComposePictures(*paintBox(QStringLiteral("PB7")), *P1_->pictureHolder(), MayaPictures(number));
}
