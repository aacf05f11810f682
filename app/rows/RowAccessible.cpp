#include "rows/RowAccessible.h"

#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

const QString kCopy = QStringLiteral("Copy");

bool IsPictureRow(const QWidget* widget)
{
    return widget->inherits("PaintBox");
}

// The code units of the text's first `characters` characters; an offset
// beyond the end (or below 0) stays as far beyond it.
int UnitsOf(QStringView text, int characters)
{
    int units = 0;
    for (; characters > 0 && units < text.size(); --characters)
        units += text[units].isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return units + characters;
}

int CharactersOf(QStringView text, int units)
{
    if (units <= 0)
        return units;
    const int inside = std::min(units, int(text.size()));
    return int(text.left(inside).toUcs4().size()) + units - inside;
}

// Where the text is cut into pieces of the kind asked for, in code units:
// its start, every boundary that starts or ends an item (a character, a
// word or the blanks between words, a sentence), its end. Qt's own lookup
// of the piece at an offset never returns for a text without a word in it
// (numbers that are not digits, as the Kharoshthi signs): it steps off the
// text's start and walks on from there. Qt's character boundaries fall
// inside some characters beyond the Basic Multilingual Plane (between the
// two halves of the Sinhala archaic numbers): never inside a character.
QList<int> Cuts(const QString& text, QTextBoundaryFinder::BoundaryType type)
{
    QList<int> cuts{0};
    QTextBoundaryFinder finder(type, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        const bool insideACharacter = text.at(at).isLowSurrogate() && text.at(at - 1).isHighSurrogate();
        if (!insideACharacter
            && finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem))
            cuts << int(at);
    }
    cuts << int(text.size());
    return cuts;
}

}  // namespace

RowAccessible::RowAccessible(QWidget* widget)
    : QAccessibleWidget(widget, IsPictureRow(widget) ? QAccessible::Graphic : QAccessible::StaticText)
{ }

// Row value widgets carry their cell's name and sit in the row panel named
// after the same cell.
bool RowAccessible::isRowWidget(const QWidget* widget)
{
    const QWidget* panel = widget->parentWidget();
    const QByteArray cell = widget->objectName().toLatin1();
    return panel && !cell.isEmpty() && FindRow(cell.constData())
        && panel->objectName() == QLatin1String("sp") + widget->objectName()
        && (widget->inherits("ValueCell") || widget->inherits("TextCell") || widget->inherits("PaintBox")
            || qobject_cast<const QLabel*>(widget));
}

QString RowAccessible::cell() const
{
    return widget()->objectName();
}

QString RowAccessible::numeral() const
{
    const RowTexts* texts = RowTexts::of(widget());
    return texts ? texts->text(cell()) : QString();
}

QString RowAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("RowCaption", FindRow(cell().toLatin1().constData())->caption);
    case QAccessible::Value:
        return numeral();
    case QAccessible::Description: {
        const RowTexts* texts = RowTexts::of(widget());
        return texts ? texts->explanation(cell()) : QString();
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State RowAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

void* RowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The caption beside the value labels it.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
RowAccessible::relations(QAccessible::Relation match) const
{
    auto relations = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label) {
        QWidget* caption = widget()->parentWidget()->findChild<QWidget*>(QStringLiteral("tp") + cell());
        if (QAccessibleInterface* label = caption ? QAccessible::queryAccessibleInterface(caption) : nullptr)
            relations.append({label, QAccessible::Label});
    }
    return relations;
}

QStringList RowAccessible::actionNames() const
{
    return QStringList{kCopy} + QAccessibleWidget::actionNames();
}

void RowAccessible::doAction(const QString& actionName)
{
    if (actionName != kCopy)
        return QAccessibleWidget::doAction(actionName);
    if (const auto* rows = widget()->window()->findChild<const RowInteraction*>())
        rows->copyRow(cell());
}

QStringList RowAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == kCopy)
        return {QKeySequence(QKeySequence::Copy).toString()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QString RowAccessible::text(int startOffset, int endOffset) const
{
    const QString text = numeral();
    const int start = UnitsOf(text, startOffset);
    return text.mid(start, UnitsOf(text, endOffset) - start);
}

int RowAccessible::characterCount() const
{
    const QString text = numeral();
    return CharactersOf(text, int(text.size()));
}

// As Qt's default lookup answers: nothing (-1, -1) for an offset off the
// text, the whole text for lines and paragraphs, an empty piece where there
// is none before or after.
QString RowAccessible::piece(int which, int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const
{
    const QString text = numeral();
    const int at = UnitsOf(text, offset);
    *startOffset = *endOffset = -1;
    if (text.isEmpty() || offset < 0 || at > text.size())
        return QString();
    QList<int> cuts{0, int(text.size())};
    if (boundaryType == QAccessible::CharBoundary)
        cuts = Cuts(text, QTextBoundaryFinder::Grapheme);
    else if (boundaryType == QAccessible::WordBoundary)
        cuts = Cuts(text, QTextBoundaryFinder::Word);
    else if (boundaryType == QAccessible::SentenceBoundary)
        cuts = Cuts(text, QTextBoundaryFinder::Sentence);
    else
        which = 0;
    // Piece i runs from cuts[i] to cuts[i + 1]; an offset at the text's end
    // is in the piece after the last.
    const qsizetype wanted = std::upper_bound(cuts.begin(), cuts.end(), at) - cuts.begin() - 1 + which;
    if (wanted < 0 || wanted + 1 >= cuts.size()) {
        *startOffset = *endOffset = wanted < 0 ? 0 : characterCount();
        return QString();
    }
    *startOffset = CharactersOf(text, cuts[wanted]);
    *endOffset = CharactersOf(text, cuts[wanted + 1]);
    return text.mid(cuts[wanted], cuts[wanted + 1] - cuts[wanted]);
}

QString RowAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const
{
    return piece(-1, offset, boundaryType, startOffset, endOffset);
}

QString RowAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                    int* endOffset) const
{
    return piece(0, offset, boundaryType, startOffset, endOffset);
}

QString RowAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const
{
    return piece(1, offset, boundaryType, startOffset, endOffset);
}

void RowAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

// The text is not laid out as drawn; each character answers for the whole cell.
QRect RowAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    return rect();
}

int RowAccessible::offsetAtPoint(const QPoint& point) const
{
    return rect().contains(point) && characterCount() > 0 ? 0 : -1;
}

QString RowAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset >= characterCount())
        *startOffset = *endOffset = offset;
    return QString();
}
