#pragma once

#include <QAccessibleWidget>

// A row as a screen reader meets it: the row's value widget (glyph panel,
// text cell, picture box or the Roman label), named by the row's caption,
// described by the explanation of its system, its text the row's numeral as
// text. The text is read when asked for; a new number sends no event per row, so one
// keystroke in the number field is not announced once for every row.
class RowAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit RowAccessible(QWidget* widget);

    // True for the value widget of one of the window's rows.
    static bool isRowWidget(const QWidget* widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // "Copy", as in the row's context menu, besides the widget's own actions.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // The numeral as read-only text. Offsets count characters (code points),
    // as AT-SPI does: Qt's bridge hands them on unchanged, and a sign outside
    // the Basic Multilingual Plane takes two of a QString's code units.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString cell() const;
    QString numeral() const;
    // The piece before (-1), at (0) or after (1) the offset.
    QString piece(int which, int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                  int* endOffset) const;
};
