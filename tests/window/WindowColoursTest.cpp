#include "BottomBar.h"
#include "WindowFixture.h"
#include "rows/NumeralPages.h"
#include "rows/TextCell.h"
#include "glyphs/UiFonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

// A dark desktop colour scheme, as a theme hands it to the application.
QPalette DarkPalette()
{
    QPalette dark;
    const QColor ground(53, 53, 53), field(35, 35, 35), text(230, 230, 230);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase,
                                         QPalette::ToolTipBase, QPalette::Mid, QPalette::Dark})
            dark.setColor(group, role, ground);
        dark.setColor(group, QPalette::Base, field);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
              QPalette::BrightText, QPalette::Light, QPalette::Midlight})
            dark.setColor(group, role, text);
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::Shadow, Qt::black);
    }
    return dark;
}

// How many pixels of the region are darker than mid grey.
int DarkPixels(const QImage& image, const QRect& region)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return count;
}

QRect InWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

}  // namespace

// The window's colours are its own: a dark desktop colour scheme, given to
// the whole application or to single widget classes, before the window is
// built or while it is open, changes no pixel of it.
class WindowColoursTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowIgnoresTheDesktopColours_data();
    void windowIgnoresTheDesktopColours();

private:
    QImage shot(bool darkBeforeBuilding, bool darkAfterBuilding, const char* widgetClass, int page);

    QPalette standard_;
    WindowFixture window_;
};

void WindowColoursTest::initTestCase()
{
    InstallFontStandIns();
    QApplication::setCursorFlashTime(0);  // the field's cursor does not blink
    standard_ = QApplication::palette();
}

void WindowColoursTest::cleanup()
{
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QApplication::setPalette(standard_);
    for (const char* widgetClass : {"QLineEdit", "QTabBar", "QLabel"})
        QApplication::setPalette(standard_, widgetClass);
}

// The window for 1994 on one of its pages, with the dark scheme applied as
// asked (to the whole application, or to one widget class only).
QImage WindowColoursTest::shot(bool darkBeforeBuilding, bool darkAfterBuilding, const char* widgetClass,
                               int page)
{
    const auto applyDark = [widgetClass] { QApplication::setPalette(DarkPalette(), widgetClass); };
    if (darkBeforeBuilding)
        applyDark();
    if (!window_.open())
        return QImage();
    window_->numberField()->setText("1994");
    window_->pages()->setCurrentIndex(page);
    if (darkAfterBuilding) {
        applyDark();
        QTest::qWait(50);  // a theme's change reaches the window through the event loop
    }
    return window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void WindowColoursTest::windowIgnoresTheDesktopColours_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QByteArray>("widgetClass");
    QTest::addColumn<int>("page");
    QTest::newRow("dark scheme at start") << true << false << QByteArray() << 0;
    QTest::newRow("dark scheme while open") << false << true << QByteArray() << 0;
    QTest::newRow("dark number field") << true << false << QByteArray("QLineEdit") << 0;
    QTest::newRow("dark tab bar") << true << false << QByteArray("QTabBar") << 0;
    QTest::newRow("dark labels") << false << true << QByteArray("QLabel") << 0;
    QTest::newRow("dark scheme at start, third page") << true << false << QByteArray() << 2;
    QTest::newRow("dark scheme while open, third page") << false << true << QByteArray() << 2;
    QTest::newRow("dark scheme at start, fourth page") << true << false << QByteArray() << 3;
    QTest::newRow("dark scheme while open, fourth page") << false << true << QByteArray() << 3;
}

void WindowColoursTest::windowIgnoresTheDesktopColours()
{
    QFETCH(bool, before);
    QFETCH(bool, after);
    QFETCH(QByteArray, widgetClass);
    QFETCH(int, page);
    const QImage standard = shot(false, false, nullptr, page);
    QVERIFY(!standard.isNull());
    const QImage themed =
        shot(before, after, widgetClass.isEmpty() ? nullptr : widgetClass.constData(), page);
    QVERIFY(!themed.isNull());

    // What a user reads: the Roman numeral (on the third page the Cyrillic
    // numeral, on the fourth the Chinese digits) and "Number" in black on
    // their white and grey grounds, the number in the field, the tab titles.
    const QWidget* window = window_.get();
    const QWidget* numeral = page == 0 ? static_cast<QWidget*>(window_->romanLabel())
                                       : window_->pages()->textCell(page == 2 ? "Ucyrl" : "Uhanidec");
    QVERIFY(DarkPixels(themed, InWindow(numeral, window)) > 50);
    QVERIFY(DarkPixels(themed, InWindow(window_->bottomBar()->findChild<QLabel*>("l1"), window)) > 30);
    QVERIFY(DarkPixels(themed, InWindow(window_->numberField(), window).adjusted(3, 3, -3, -3)) > 20);
    QVERIFY(DarkPixels(themed, InWindow(window_->pages()->tabBar(), window)) > 50);
    QCOMPARE(QColor(themed.pixel(4, 620)), QColor(240, 240, 240));
    QCOMPARE(QColor(themed.pixel(600, 300)), QColor(Qt::white));

    int differing = 0;
    for (int y = 0; y < standard.height(); ++y)
        for (int x = 0; x < standard.width(); ++x)
            differing += standard.pixel(x, y) != themed.pixel(x, y) ? 1 : 0;
    QCOMPARE(differing, 0);
}

QTEST_MAIN(WindowColoursTest)
#include "WindowColoursTest.moc"
