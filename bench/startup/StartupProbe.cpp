// Starts the program's window ("tallyra"), a bare window of the same size
// ("bare") or one holding a single label ("label"; "label-standin" names
// the family standing in for Verdana outright), and
// writes the monotonic clock (nanoseconds) to standard output once the
// window has been painted for the first time, then exits.

#include "MainWindow.h"
#include "glyphs/UiFonts.h"
#include "rows/NumeralPages.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long long PeakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// A thousand numbers over the whole range, each shown and painted, a fifth
// of them on each of the pages in turn.
void ShowManyNumbers(MainWindow& window)
{
    NumeralPages* pages = window.pages();
    for (int i = 0; i < 1000; ++i) {
        pages->setCurrentIndex(i * pages->count() / 1000);
        window.numberField()->setText(QString::number((i * 7919) % 80000));
        window.repaint();
    }
}

// Reports after the first paint of the window and everything painted with it.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(MainWindow* sessionWindow) : sessionWindow_(sessionWindow) { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                const long long painted = MonotonicNanoseconds();
                if (sessionWindow_)
                    ShowManyNumbers(*sessionWindow_);
                std::printf("%lld %lld\n", painted, PeakResidentKilobytes());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MainWindow* sessionWindow_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("tallyra");
    std::unique_ptr<QWidget> window;
    if (mode == "bare" || mode.startsWith("label")) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(MainWindow::kClientWidth, MainWindow::kClientHeight);
        window->setWindowTitle(QStringLiteral("Number signs of other cultures"));
        if (mode.startsWith("label")) {  // one line of text: the font database is loaded
            auto* label = new QLabel(QStringLiteral("46362"), window.get());
            // "Verdana" by name, as the window's own text asks for it; or
            // the family that stands in for it, named outright.
            label->setFont(mode == "label-standin" ? UiFont(27) : VerdanaFont(27));
            label->adjustSize();
        }
    } else {
        QApplication::setApplicationName(QStringLiteral("Tallyra"));
        InstallFontStandIns();
        window = std::make_unique<MainWindow>();
    }
    const bool session = argc > 2 && QByteArray(argv[2]) == "session";
    FirstPaintWatcher watcher(session ? dynamic_cast<MainWindow*>(window.get()) : nullptr);
    window->installEventFilter(&watcher);
    window->show();
    window->activateWindow();
    return application.exec();
}
