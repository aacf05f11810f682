#include "MainWindow.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

// What the window looked like when its first activation arrived.
struct AtActivation {
    bool seen = false;
    int paintsBefore = 0;  // paint events the picture boxes had got by then
    int compositions = 0;
    int romanUpdates = 0;
    int captionsSet = 0;
    QString message;
};

class ActivationWatch : public QObject {
public:
    ActivationWatch(MainWindow& window, AtActivation& record) : window_(window), record_(record)
    {
        window.installEventFilter(this);
        for (const char* name : {"PB2", "PB1", "PB9", "PB7"})
            window.paintBox(QLatin1String(name))->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (record_.seen)
            return false;
        if (event->type() == QEvent::Paint && watched != &window_)
            ++record_.paintsBefore;
        if (event->type() == QEvent::WindowActivate && watched == &window_) {
            record_.seen = true;
            for (const char* name : {"PB2", "PB1", "PB9", "PB7"})
                record_.compositions += window_.paintBox(QLatin1String(name))->compositionCount();
            record_.romanUpdates = window_.romanUpdates();
            for (ValueCell* cell : window_.pages()->valueCells())
                record_.captionsSet += cell->captionSetCount();
            record_.message = window_.messageLine()->text();
        }
        return false;
    }

private:
    MainWindow& window_;
    AtActivation& record_;
};

}  // namespace

// The window on a real X server, where it is mapped and painted before the
// window system activates it, and where the screen may be smaller than the
// window (run again at QT_SCALE_FACTOR=2).
class WindowOnX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesWaitForActivation();
    void windowStaysReachableOnTheScreen();

private:
    std::unique_ptr<MainWindow> openWindow();
};

void WindowOnX11Test::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    InstallFontStandIns();
}

std::unique_ptr<MainWindow> WindowOnX11Test::openWindow()
{
    auto window = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window->setErrorDisplay([](const QString& message) { QFAIL(qPrintable(message)); });
    return window;
}

void WindowOnX11Test::picturesWaitForActivation()
{
    std::unique_ptr<MainWindow> window = openWindow();
    AtActivation record;
    ActivationWatch watch(*window, record);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(record.paintsBefore > 0 || record.seen);
    QTest::qWait(200);  // let the first paints settle, as a slow window manager would
    window->activateWindow();
    QTRY_VERIFY(window->isActivated());

    QVERIFY2(record.paintsBefore > 0, "the boxes were not painted before activation");
    QCOMPARE(record.compositions, 0);
    QCOMPARE(record.romanUpdates, 0);
    QCOMPARE(record.captionsSet, 0);
    QCOMPARE(record.message, QString("."));
    // Activation then fills every row in the glyph families.
    QCOMPARE(window->numberField()->text(), QString("46362"));
    QTRY_VERIFY(!window->paintBox("PB7")->placements().empty());
    QCOMPARE(window->valueCell("P27")->fontFamily(), QString("Glyfa08b"));
}

void WindowOnX11Test::windowStaysReachableOnTheScreen()
{
    std::unique_ptr<MainWindow> window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    std::printf("available %d,%d %dx%d, frame %d,%d %dx%d\n", available.x(), available.y(), available.width(),
                available.height(), frame.x(), frame.y(), frame.width(), frame.height());
    if (frame.width() <= available.width() && frame.height() <= available.height()) {
        QVERIFY(available.contains(frame));
        QVERIFY(qAbs((frame.left() - available.left()) - (available.right() - frame.right())) <= 1);
        QVERIFY(qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <= 1);
    } else {
        QCOMPARE(frame.topLeft(), available.topLeft());
    }
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("no X display: skipped");
        return 77;
    }
    QApplication application(argc, argv);
    WindowOnX11Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowOnX11Test.moc"
