#pragma once

#include "DayCount.h"
#include "FontRegistry.h"

#include <QWidget>

#include <exception>
#include <functional>
#include <vector>

class BottomBar;
class FieldNumber;
class NumeralPages;
class PaintBox;
class QAction;
class QLabel;
class QLineEdit;
class RowTexts;
class ValueCell;
struct TextRow;

// The program's one window: five tab pages of numeral rows above the bar
// with the number field. Every behaviour is one of its handlers, run inside
// a window event: activation, close, a change of the number field, the spin
// button, Esc, and the paint handlers of the four picture boxes.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    using ErrorDisplay = std::function<void(const QString& message)>;

    explicit MainWindow(Clock clock = SystemClock(), QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int kClientWidth = 1112;
    static constexpr int kClientHeight = 656;

    // Where errors that end a handler are shown; a message box by default.
    void setErrorDisplay(ErrorDisplay display) { errorDisplay_ = std::move(display); }

    bool isActivated() const { return activated_; }
    // How many times a refresh has set the Roman row (whether or not its
    // text changed).
    int romanUpdates() const { return romanUpdates_; }
    QLineEdit* numberField() const;
    QLabel* messageLine() const;
    QLabel* romanLabel() const;
    ValueCell* valueCell(const QString& name) const;
    PaintBox* paintBox(const QString& name) const;
    NumeralPages* pages() const { return PG1_; }
    const FontRegistry& fontRegistry() const { return fonts_; }
    BottomBar* bottomBar() const { return P1_; }

    // The handlers, by the names the rest of the program knows them by.
    void FormActivate();
    void FormClose();
    void ze1Change();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void schl1Click();
    void PB2Paint();
    void PB1Paint();
    void PB9Paint();
    void PaintBox11Paint();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    void centreOnScreen();
    bool runEventHandler(const std::function<void()>& handler);
    void setNumberText(const QString& text);
    void stepNumber(int delta);
    void fillTextRows(int n);
    void showTextPage();
    // The text rows in the refresh's order, each with its builder and its
    // cell; a step without a row is the Maya pictures' place.
    struct RefreshStep {
        const TextRow* row;
        ValueCell* cell;
    };
    const std::vector<RefreshStep>& refreshSteps();
    bool pictureGuard(bool reportsRange, int& number);
    void composeMaya(int number);

    Clock clock_;
    ErrorDisplay errorDisplay_;
    FontRegistry fonts_;
    NumeralPages* PG1_ = nullptr;
    BottomBar* P1_ = nullptr;
    RowTexts* rowTexts_ = nullptr;
    FieldNumber* fieldNumber_ = nullptr;
    QAction* M2_ = nullptr;
    bool activated_ = false;
    bool centred_ = false;
    int handlerDepth_ = 0;
    int romanUpdates_ = 0;
    std::exception_ptr pendingError_;
    std::vector<RefreshStep> refreshSteps_;
};
