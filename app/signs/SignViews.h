#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;
class RowInteraction;
class RowTexts;
class SignBySignView;

// The window's open "Sign by Sign" views: opens one for a row (or raises
// the row's view when it is open already) and hands each the number the
// rows show when it changes. With no view open a change costs nothing
// here.
class SignViews : public QObject {
    Q_OBJECT
public:
    SignViews(QWidget* window, const RowTexts* texts, RowInteraction* rows);

    SignBySignView* open(const QString& cell);
    void showNumber(int n);
    void closeAll();
    bool isEmpty() const { return views_.empty(); }
    std::vector<SignBySignView*> views() const;

signals:
    // A view's "Show This Number".
    void showNumberRequested(int n);

private:
    QWidget* window_;
    const RowTexts* texts_;
    RowInteraction* rows_;
    std::vector<QPointer<SignBySignView>> views_;
};
