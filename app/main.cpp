#include "CommandLine.h"
#include "MainWindow.h"
#include "Translations.h"
#include "glyphs/UiFonts.h"

#include <QApplication>
#include <QIcon>

namespace {

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/tallyra-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

int main(int argc, char** argv)
{
    // --help, --version and unknown options end here, before any display is needed.
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    InstallTranslations(application);
    TranslateRowTexts();
    // The name on the task bar; the window keeps its own title.
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyra"));
    InstallFontStandIns();

    MainWindow window;
    window.show();
    // Activation also arrives where no window manager hands out the focus.
    window.activateWindow();
    return application.exec();
}
