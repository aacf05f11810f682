#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

// The field that finds a system: typing lists the rows whose caption or
// other names hold the text (rows/RowFinder.h) just above the field, the
// first one chosen; Up and Down choose another, Enter (or a click on a
// match) asks for the chosen row, Esc asks to leave. The list is a child
// of the window that never takes the focus (the field is its focus proxy);
// it tells a screen reader of each match as it becomes the chosen one.
class FindField : public QLineEdit {
    Q_OBJECT
public:
    explicit FindField(QWidget* parent = nullptr);

    // The rows the text finds, by value cell, best first.
    const QStringList& matches() const { return matches_; }
    // The list under the window's rows (created the first time it shows).
    QListWidget* matchList() const { return list_; }
    int chosenMatch() const;

    static constexpr int kVisibleMatches = 8;

signals:
    void rowChosen(const QString& cell);
    void leaveRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void find(const QString& text);
    void showMatches();
    void placeList();
    void choose(int by);
    void chooseRow(int index);

    QStringList matches_;
    QPointer<QListWidget> list_;
};
