// Starts either the program's window or a bare window of the same size and
// writes the monotonic clock (nanoseconds) to standard output once the
// window has been painted for the first time, then exits.

#include "MainWindow.h"
#include "UiFonts.h"

#include <QApplication>
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

// Reports after the first paint of the window and everything painted with it.
class FirstPaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", MonotonicNanoseconds());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(MainWindow::kClientWidth, MainWindow::kClientHeight);
        window->setWindowTitle(QStringLiteral("Number signs of other cultures"));
    } else {
        QApplication::setApplicationName(QStringLiteral("Tallyra"));
        InstallFontStandIns();
        window = std::make_unique<MainWindow>();
    }
    FirstPaintWatcher watcher;
    window->installEventFilter(&watcher);
    window->show();
    window->activateWindow();
    return application.exec();
}
