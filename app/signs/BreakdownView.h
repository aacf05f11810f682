#pragma once

#include "signs/SignBySign.h"

#include <QWidget>

#include <memory>
#include <vector>

class PieceView;
class QBoxLayout;
class QLabel;
class SignDrawing;

// The breakdown of a numeral: each group drawn in the row's signs with its
// value under it ("40000", or a place-value digit with its place, "2 ×
// 15625"), joined by plus signs and followed by the sum; a right-to-left
// row's groups stand right to left, the highest at the right. A number the
// system has no form for says so instead.
class BreakdownView : public QWidget {
    Q_OBJECT
public:
    BreakdownView(std::shared_ptr<const SignDrawing> drawing, QWidget* parent = nullptr);

    void setBreakdown(const signs::Breakdown& breakdown, int number);

    // What stands under a group: its value, or its digit times its place.
    static QString valueText(const signs::Group& group, signs::Combine combine);
    // The group's signs drawn, named by its text and value, one per group shown.
    std::vector<const PieceView*> groupViews() const;

private:
    struct Slot {
        QWidget* plus;
        QWidget* box;
        PieceView* piece;
        QLabel* value;
    };
    Slot& slot(std::size_t index);

    std::shared_ptr<const SignDrawing> drawing_;
    QBoxLayout* layout_;
    std::vector<Slot> slots_;
    std::size_t shown_ = 0;
    QLabel* sum_;
    QLabel* noForm_;
};
