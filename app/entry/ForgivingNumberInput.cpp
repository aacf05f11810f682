#include "entry/ForgivingNumberInput.h"

#include "entry/NumberInput.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

ForgivingNumberInput::ForgivingNumberInput(QLineEdit* field) : QValidator(field), field_(field) { }

ForgivingNumberInput* ForgivingNumberInput::attachTo(QLineEdit* field)
{
    auto* input = new ForgivingNumberInput(field);
    field->setValidator(input);
    field->installEventFilter(input);
    return input;
}

QValidator::State ForgivingNumberInput::validate(QString& input, int& position) const
{
    const QString ascii = TypedText(input);
    if (ascii != input) {
        // A digit outside the Basic Multilingual Plane takes two code units.
        position = int(WithAsciiDigits(QStringView(input).left(position)).size());
        input = ascii;
    }
    return Acceptable;
}

void ForgivingNumberInput::paste(QClipboard::Mode mode)
{
    if (field_->isReadOnly())
        return;
    const QString fieldText = field_->text();
    const qsizetype start = field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
    const qsizetype end = field_->hasSelectedText() ? field_->selectionEnd() : start;
    const QString text = PastedText(QGuiApplication::clipboard()->text(mode),
                                    QStringView(fieldText).left(start), QStringView(fieldText).mid(end));
    if (!text.isEmpty() || field_->hasSelectedText())
        field_->insert(text);
}

bool ForgivingNumberInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            paste(QClipboard::Clipboard);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // Where the window system has a selection, the middle button pastes it.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
            && QGuiApplication::clipboard()->supportsSelection()) {
            field_->deselect();
            paste(QClipboard::Selection);
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (field_->contextMenuPolicy() == Qt::DefaultContextMenu)
            return showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        break;
    default:
        break;
    }
    return false;
}

// The field's usual menu, its Paste cleaning the text as the paste key does.
// The line edit names that item with its own (translated) caption.
bool ForgivingNumberInput::showContextMenu(const QPoint& globalPosition)
{
    QMenu* menu = field_->createStandardContextMenu();
    if (!menu)
        return false;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteCaption)
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, field_, nullptr);
        connect(action, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
    }
    menu->popup(globalPosition);
    return true;
}
