#pragma once

#include "signs/SignBySign.h"

#include <QWidget>

#include <memory>
#include <vector>

class BreakdownView;
class PieceView;
class QLabel;
class QPushButton;
class QScrollArea;
class RowInteraction;
class RowTexts;
class SignDrawing;
class SignTableView;
struct RowSpec;

// "Sign by Sign": one row in a window of its own. The numeral of the
// window's number in the row's signs at three times the row's size, its
// breakdown into groups and values, the row's explanation, the row's sign
// table, and a numeral composed by pressing its signs, with what it reads
// as. It follows the number the window's rows show (showNumber); "Show This
// Number" asks the window to show the composed numeral's number. Copy and
// Copy as Picture copy the row as its context menu does. Tab goes round the
// parts, Esc closes it.
class SignBySignView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNumeralScale = 3;
    static constexpr int kSignScale = 2;
    static constexpr int kMinimumWidth = 560;

    SignBySignView(const RowSpec& row, const RowTexts* texts, RowInteraction* rows,
                   QWidget* parent = nullptr);
    ~SignBySignView() override;

    QString cell() const;
    // Shows the number (0..79999) the window's rows show; a number shown
    // already costs nothing.
    void showNumber(int n);
    int number() const { return number_; }

    // The parts, for tests and the window.
    const PieceView* numeralView() const { return numeral_; }
    const BreakdownView* breakdownView() const { return breakdown_; }
    SignTableView* signTable() const { return table_; }
    const PieceView* composedView() const { return composed_; }
    QLabel* readsAs() const { return readsAs_; }
    QPushButton* showButton() const { return show_; }

    // What the composed signs say, as the line under them has it.
    static QString readingOf(const signs::Composed& composed);

signals:
    void showNumberRequested(int n);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildNumeralPart();
    QWidget* buildComposePart();
    QWidget* buildCopyPart();
    void press(int sign);
    void backspace();
    void clear();
    void compose();
    void fitToContents();

    const RowSpec& row_;
    const RowTexts* texts_;
    RowInteraction* rows_;
    std::shared_ptr<const SignDrawing> large_;
    std::shared_ptr<const SignDrawing> signs_;
    int number_ = -1;
    std::vector<int> pressed_;
    signs::Composed composedNumeral_;
    QWidget* content_ = nullptr;
    QWidget* numeralPart_ = nullptr;
    QScrollArea* numeralArea_ = nullptr;
    PieceView* numeral_ = nullptr;
    BreakdownView* breakdown_ = nullptr;
    SignTableView* table_ = nullptr;
    PieceView* composed_ = nullptr;
    QScrollArea* composedArea_ = nullptr;
    QLabel* readsAs_ = nullptr;
    QPushButton* show_ = nullptr;
};
