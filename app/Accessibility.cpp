#include "Accessibility.h"

#include "rows/RowAccessible.h"
#include "entry/SpinButtonAccessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace {

// The message line is a notification: a screen reader speaks it when it
// shows.
class MessageLineAccessible : public QAccessibleWidget {
public:
    explicit MessageLineAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if ((className == QLatin1String("ValueCell") || className == QLatin1String("TextCell")
         || className == QLatin1String("PaintBox") || className == QLatin1String("QLabel"))
        && RowAccessible::isRowWidget(widget))
        return new RowAccessible(widget);
    if (className == QLatin1String("SpinButton"))
        return new SpinButtonAccessible(widget);
    if (className == QLatin1String("QLabel") && widget->objectName() == QLatin1String("l3"))
        return new MessageLineAccessible(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(WindowAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// A refresh may set and clear the message several times over; what counts
// is the message once the event that changed it has ended. It is announced
// when it differs from the last one announced, so that a message that stays
// through several keystrokes is said once.
void AnnounceMessage(QLabel* messageLine)
{
    static const char* const kPending = "announcementPending";
    static const char* const kAnnounced = "announcedMessage";
    if (messageLine->property(kPending).toBool())
        return;
    messageLine->setProperty(kPending, true);
    QTimer::singleShot(0, messageLine, [messageLine] {
        messageLine->setProperty(kPending, false);
        const QString message = messageLine->text();
        if (message == messageLine->property(kAnnounced).toString())
            return;
        messageLine->setProperty(kAnnounced, message);
        if (message.isEmpty())
            return;
        QAccessibleEvent shown(messageLine, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    });
}
