// Holding the spin button's up half for ten seconds, offscreen:
//   BM_HoldSpinButton  every click of the auto-repeat changes the number, and
//                      the Roman row is repainted; counters: clicks, the
//                      median and largest delay from click to repaint, and
//                      late_ticks (repaints that missed their 100 ms tick)
//   BM_IdleTimer       the peer: a timer on the same 400 ms / 100 ms schedule
//                      that does nothing, to show how many ticks ten seconds
//                      hold on this machine

#include "BottomBar.h"
#include "MainWindow.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr int kHoldMilliseconds = 10000;

// Notes when the watched widget is painted.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) { }
    std::vector<qint64> paints;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(clock_.nsecsElapsed());
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
};

struct Delays {
    double medianMs = 0;
    double largestMs = 0;
    int late = 0;
};

// For each click, the time to the first paint after it.
Delays DelaysToPaint(const std::vector<qint64>& clicks, const std::vector<qint64>& paints)
{
    std::vector<double> delays;
    for (qint64 click : clicks) {
        const auto paint = std::lower_bound(paints.begin(), paints.end(), click);
        delays.push_back(paint == paints.end() ? 1e9 : (*paint - click) / 1e6);
    }
    Delays result;
    if (delays.empty())
        return result;
    result.late =
        static_cast<int>(std::count_if(delays.begin(), delays.end(), [](double d) { return d > 100; }));
    std::sort(delays.begin(), delays.end());
    result.medianMs = delays[delays.size() / 2];
    result.largestMs = delays.back();
    return result;
}

void BM_HoldSpinButton(benchmark::State& state)
{
    MainWindow window([] { return QDate(2026, 12, 6); });
    window.show();
    window.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window.isActivated(), 5000);
    window.numberField()->setText("100");
    QElapsedTimer clock;
    PaintClock paintClock(clock);
    window.romanLabel()->installEventFilter(&paintClock);
    std::vector<qint64> clicks;
    SpinButton* spin = window.bottomBar()->spinButton();
    QObject::connect(spin, &SpinButton::upClicked, [&] { clicks.push_back(clock.nsecsElapsed()); });
    for (auto _ : state) {
        clock.start();
        QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(10, 4));
        QTest::qWait(kHoldMilliseconds);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(10, 4));
    }
    const Delays delays = DelaysToPaint(clicks, paintClock.paints);
    state.counters["clicks"] = static_cast<double>(clicks.size());
    state.counters["median_delay_ms"] = delays.medianMs;
    state.counters["largest_delay_ms"] = delays.largestMs;
    state.counters["late_ticks"] = delays.late;
}

void BM_IdleTimer(benchmark::State& state)
{
    int ticks = 0;
    for (auto _ : state) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            if (timer.interval() != SpinButton::kRepeatInterval)
                timer.setInterval(SpinButton::kRepeatInterval);
        });
        ++ticks;  // the press itself clicks once
        timer.start(SpinButton::kFirstRepeatDelay);
        QTest::qWait(kHoldMilliseconds);
    }
    state.counters["clicks"] = ticks;
}

BENCHMARK(BM_HoldSpinButton)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleTimer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontStandIns();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
