#include "Inspector.h"
#include "glyphs/UiFonts.h"

#include <QApplication>

#include <iostream>

namespace {

int Usage()
{
    std::cerr << "usage: tallyra-inspect rows TEXT\n"
                 "       tallyra-inspect message TEXT\n"
                 "       tallyra-inspect pictures TEXT\n"
                 "       tallyra-inspect gif FILE OUT.ppm\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    InstallFontStandIns();

    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("gif"))
        return ConvertGifToPpm(args[1], args[2], std::cerr) ? 0 : 1;
    if (args.size() != 2)
        return Usage();

    Inspector inspector;
    if (args[0] == QLatin1String("rows"))
        inspector.printRows(args[1], std::cout);
    else if (args[0] == QLatin1String("message"))
        inspector.printMessage(args[1], std::cout);
    else if (args[0] == QLatin1String("pictures"))
        inspector.printPictures(args[1], std::cout);
    else
        return Usage();
    return 0;
}
