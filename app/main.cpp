#include "MainWindow.h"
#include "UiFonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The name on the task bar; the window keeps its own title.
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    InstallFontStandIns();

    MainWindow window;
    window.show();
    // Activation also arrives where no window manager hands out the focus.
    window.activateWindow();
    return application.exec();
}
