#pragma once

#include "signs/SignBySign.h"

#include <QWidget>

#include <memory>
#include <vector>

class SignButton;
class SignDrawing;

// The row's sign table: every sign its system writes, each a button in
// value order, the marks after them, in rows of a few. The table is one
// stop in the Tab order, the sign pressed or visited last; the arrow keys
// move between its signs (Up and Down by a row of the table), Home and End
// to the first and last.
class SignTableView : public QWidget {
    Q_OBJECT
public:
    SignTableView(std::shared_ptr<const SignDrawing> drawing, const std::vector<signs::Sign>& table,
                  QWidget* parent = nullptr);

    int columns() const { return columns_; }
    const std::vector<SignButton*>& buttons() const { return buttons_; }

signals:
    // The sign at this index of the table was pressed.
    void signPressed(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeCurrent(int index);
    int target(int from, int key) const;

    std::vector<SignButton*> buttons_;
    int columns_ = 1;
};
