#pragma once

#include "numerals/text/RowText.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class QWidget;

// The rows as text, for the number the rows show: what a screen reader
// reads, what a tooltip says and what the clipboard receives. The refresh
// tells it which number reached the rows; a number text the refresh
// rejected leaves the rows, and so their texts, as they were.
class RowTexts : public QObject {
    Q_OBJECT
public:
    explicit RowTexts(QObject* parent = nullptr) : QObject(parent) { }

    void setShown(int number, const QString& numberText);
    bool hasShown() const { return shown_.has_value(); }
    // The number the rows show; only when hasShown().
    int shownNumber() const { return shown_->number; }

    rowtext::RowText rowText(const QString& cell) const;
    // The row's text, or "no sign for zero" (or that the system has no
    // form for the number) when the row shows nothing.
    QString text(const QString& cell) const;
    // As text(), isolated for embedding in left-to-right text.
    QString isolatedText(const QString& cell) const;
    QString explanation(const QString& cell) const;
    QString toolTip(const QString& cell) const;
    // Every row in display order, one line "caption<TAB>text" each.
    QString allRows() const;

    // The row texts of the window that `widget` is in, or nullptr.
    static const RowTexts* of(const QWidget* widget);

private:
    static QString readingOf(const rowtext::RowText& row);

    struct Shown {
        int number;
        std::string text;
    };
    std::optional<Shown> shown_;
};
