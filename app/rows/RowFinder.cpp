#include "rows/RowFinder.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

// How well a row matches, best first.
enum class Match { CaptionStart, Caption, NameStart, Name };

// A row's caption and other names as the finder compares them, folded once.
struct FoldedRow {
    const RowSpec* row;
    QString caption;
    QStringList names;
    // The caption as the window shows it, in the program's language, and
    // that folded: folded again only when the language has changed it.
    QString shown;
    QString shownFolded;

    const QString& shownCaptionFolded()
    {
        const QString now = QCoreApplication::translate("RowCaption", row->caption);
        if (now != shown) {
            shown = now;
            shownFolded = FoldedForFinding(now);
        }
        return shownFolded;
    }
};

std::vector<FoldedRow>& FoldedRows()
{
    static std::vector<FoldedRow> rows = [] {
        std::vector<FoldedRow> folded;
        for (const RowSpec& row : RowsInDisplayOrder()) {
            QStringList names;
            for (const QString& name : QString::fromUtf8(OtherNames(row)).split(QStringLiteral("; ")))
                names << FoldedForFinding(name);
            folded.push_back({&row, FoldedForFinding(QString::fromUtf8(row.caption)), names, {}, {}});
        }
        return folded;
    }();
    return rows;
}

std::optional<Match> MatchOf(FoldedRow& row, const QString& folded)
{
    // The caption as the window shows it, too: a person searches for what
    // they read ("Zählstäbchen").
    const QString& shown = row.shownCaptionFolded();
    if (row.caption.startsWith(folded) || shown.startsWith(folded))
        return Match::CaptionStart;
    if (row.caption.contains(folded) || shown.contains(folded))
        return Match::Caption;
    std::optional<Match> best;
    for (const QString& name : row.names) {
        if (name.startsWith(folded))
            return Match::NameStart;
        if (name.contains(folded))
            best = Match::Name;
    }
    return best;
}

}  // namespace

QString FoldedForFinding(const QString& text)
{
    QString folded;
    for (const char32_t c : text.normalized(QString::NormalizationForm_KD).toUcs4())
        if (QChar::isLetterOrNumber(c))
            folded += QString::fromUcs4(&c, 1).toCaseFolded();
    return folded;
}

std::vector<const RowSpec*> FindRows(const QString& query)
{
    const QString folded = FoldedForFinding(query);
    std::vector<std::pair<Match, const RowSpec*>> found;
    if (!folded.isEmpty())
        for (FoldedRow& row : FoldedRows())
            if (const std::optional<Match> match = MatchOf(row, folded))
                found.emplace_back(*match, row.row);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const RowSpec*> rows;
    for (const auto& [match, row] : found)
        rows.push_back(row);
    return rows;
}
