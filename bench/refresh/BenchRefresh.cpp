// The cost of one change of the number, offscreen:
//   BM_PaintBox11Paint       the text rows, the Roman row and the Maya strip
//   BM_RefreshCycle          the whole cycle (all rows and picture boxes) and
//                            the repaint of the window until it is on screen,
//                            the first page shown
//   BM_RefreshCycleOnPage3   the same with the third page shown: its 28 rows
//                            written, laid out and drawn as well
//   BM_FirstShowOfPage4      the first show of the fourth page, once: its 25
//                            families registered, its rows written, laid
//                            out and drawn with the rest of the window
//                            (BM_FirstShowOfPage5 the same for the fifth)
//   BM_ShowFirstPageAgain    back to the first page from the third: the
//                            glyphs and pictures it gave back made again
//   BM_RefreshCycleOnPage4   the cycle with the fourth page shown: its 25
//                            rows written, laid out and drawn
//   BM_RefreshCycleOnPage5   the same with the fifth page shown: its 22 rows
//   BM_PlainLabelsCycle/N    the peer: a window of N plain labels showing the
//                            number, set and repainted the same way; 59 (the
//                            rows of the first two pages) for the first
//                            cycle, 87 (the rows of the first three) for the
//                            third page's, 84 (the first two and the
//                            fourth) for the fourth page's, 109 (every
//                            row of pages 1, 2, 3 and 5) for the fifth
//                            page's
//   BM_RefreshRoman          the whole cycle with a Roman numeral in the field
//                            (MCMXCIV and MCMXCV in turn), read by the
//                            recogniser
//   BM_RefreshDigits         its peer: the same numbers typed as digits (1994
//                            and 1995 in turn)
//   BM_RefreshCycleWithView/C  the whole cycle with the "Sign by Sign" view of
//                            the row C open (0 Egyptian, 1 Maya, 2 Adlam),
//                            the view repainted too; against BM_RefreshCycle
//                            of the same run (at most 1.5 times)
//   BM_OpenView/C            opening that view at 46363 until it is drawn
//                            on screen, and closing it (at most 50 ms)

#include "MainWindow.h"
#include "glyphs/UiFonts.h"
#include "rows/NumeralPages.h"
#include "signs/SignBySignView.h"
#include "signs/SignViews.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <memory>
#include <vector>

namespace {

// Numbers spread over the whole range, with every digit count.
std::vector<int> SpreadOfNumbers()
{
    std::vector<int> numbers;
    for (int i = 0; i < 64; ++i)
        numbers.push_back((i * 7919 + i * i * 13) % 80000);
    return numbers;
}

// One window for the benchmarks that need it; it goes before the application.
std::unique_ptr<MainWindow> sharedWindow;

MainWindow& Window()
{
    if (!sharedWindow) {
        sharedWindow = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
        sharedWindow->show();
        sharedWindow->activateWindow();
        while (!sharedWindow->isActivated())
            QApplication::processEvents();
    }
    return *sharedWindow;
}

void BM_PaintBox11Paint(benchmark::State& state)
{
    MainWindow& window = Window();
    const std::vector<int> numbers = SpreadOfNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        window.numberField()->blockSignals(true);
        window.numberField()->setText(QString::number(numbers[i++ % numbers.size()]));
        window.numberField()->blockSignals(false);
        window.PaintBox11Paint();
    }
}

// The page is shown (and, the first time, the third page's fonts loaded)
// before the clock runs.
void RefreshCycleOn(int page, benchmark::State& state)
{
    MainWindow& window = Window();
    window.pages()->setCurrentIndex(page);
    window.repaint();
    const std::vector<int> numbers = SpreadOfNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        window.numberField()->setText(QString::number(numbers[i++ % numbers.size()]));
        window.repaint();
    }
    window.pages()->setCurrentIndex(0);
}

void BM_RefreshCycle(benchmark::State& state)
{
    RefreshCycleOn(0, state);
}

void BM_RefreshCycleOnPage3(benchmark::State& state)
{
    RefreshCycleOn(2, state);
}

// Once a process: the page's fonts stay registered afterwards.
void FirstShowOf(int page, benchmark::State& state)
{
    MainWindow& window = Window();
    window.numberField()->setText(QStringLiteral("46363"));
    window.repaint();
    for (auto _ : state) {
        window.pages()->setCurrentIndex(page);
        window.repaint();
    }
    window.pages()->setCurrentIndex(0);
    window.repaint();
}

void BM_FirstShowOfPage4(benchmark::State& state)
{
    FirstShowOf(3, state);
}

void BM_FirstShowOfPage5(benchmark::State& state)
{
    FirstShowOf(4, state);
}

// Back to the first page from the third, at a number the first page showed
// before it was left: its glyphs and pictures, given back when it was left,
// are made again. Against BM_RefreshCycle, a change with the page shown.
void BM_ShowFirstPageAgain(benchmark::State& state)
{
    MainWindow& window = Window();
    window.numberField()->setText(QStringLiteral("46363"));
    window.pages()->setCurrentIndex(0);
    window.repaint();
    for (auto _ : state) {
        state.PauseTiming();
        window.pages()->setCurrentIndex(2);
        window.repaint();
        state.ResumeTiming();
        window.pages()->setCurrentIndex(0);
        window.repaint();
    }
}

void BM_RefreshCycleOnPage4(benchmark::State& state)
{
    RefreshCycleOn(3, state);
}

void BM_RefreshCycleOnPage5(benchmark::State& state)
{
    RefreshCycleOn(4, state);
}

// A window the same size with a label for each of `count` rows, showing the
// number.
class PlainLabelsWindow : public QWidget {
public:
    explicit PlainLabelsWindow(int count)
    {
        setFixedSize(MainWindow::kClientWidth, MainWindow::kClientHeight);
        auto* grid = new QGridLayout(this);
        for (int row = 0; row < count; ++row) {
            auto* label = new QLabel(this);
            label->setFont(UiFont(27));
            grid->addWidget(label, row % 15, row / 15);
            labels_.push_back(label);
        }
    }
    void showNumber(int n)
    {
        const QString text = QString::number(n);
        for (QLabel* label : labels_)
            label->setText(text);
    }

private:
    std::vector<QLabel*> labels_;
};

void BM_PlainLabelsCycle(benchmark::State& state)
{
    PlainLabelsWindow window(int(state.range(0)));
    window.show();
    QApplication::processEvents();
    const std::vector<int> numbers = SpreadOfNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        window.showNumber(numbers[i++ % numbers.size()]);
        window.repaint();
    }
}

// The whole cycle, the field's text changing between two texts each time.
void RefreshBetween(benchmark::State& state, const QString& one, const QString& other)
{
    MainWindow& window = Window();
    bool first = true;
    for (auto _ : state) {
        window.numberField()->setText(first ? one : other);
        window.repaint();
        first = !first;
    }
}

void BM_RefreshRoman(benchmark::State& state)
{
    RefreshBetween(state, QStringLiteral("MCMXCIV"), QStringLiteral("MCMXCV"));
}

void BM_RefreshDigits(benchmark::State& state)
{
    RefreshBetween(state, QStringLiteral("1994"), QStringLiteral("1995"));
}

// Rows of three kinds: glyph text, pictures, a text row of the third page.
const char* const kViewRows[] = {"P28", "PB7", "Uadlm"};

void BM_RefreshCycleWithView(benchmark::State& state)
{
    MainWindow& window = Window();
    SignBySignView* view = window.signViews()->open(QLatin1String(kViewRows[state.range(0)]));
    view->repaint();
    const std::vector<int> numbers = SpreadOfNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        window.numberField()->setText(QString::number(numbers[i++ % numbers.size()]));
        window.repaint();
        view->repaint();
    }
    view->close();
    QApplication::processEvents();
}

void BM_OpenView(benchmark::State& state)
{
    MainWindow& window = Window();
    window.numberField()->setText(QStringLiteral("46363"));
    for (auto _ : state) {
        SignBySignView* view = window.signViews()->open(QLatin1String(kViewRows[state.range(0)]));
        view->repaint();
        state.PauseTiming();
        view->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_PaintBox11Paint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RefreshCycle)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainLabelsCycle)
    ->Arg(59)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RefreshCycleOnPage3)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainLabelsCycle)
    ->Arg(87)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowFirstPageAgain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstShowOfPage4)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RefreshCycleOnPage4)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainLabelsCycle)
    ->Arg(84)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RefreshCycleWithView)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenView)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstShowOfPage5)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RefreshCycleOnPage5)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainLabelsCycle)
    ->Arg(109)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RefreshRoman)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RefreshDigits)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontStandIns();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow.reset();
    return 0;
}
