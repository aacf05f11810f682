#include "CommandLine.h"

#include "Translations.h"
#include "rows/RowTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

struct QtOption {
    const char* name;
    bool takesValue;
};

// The options the application object reads itself.
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowicon", true},     {"icon", true},
    {"qwindowtitle", true},    {"title", true},
    {"display", true},         {"name", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

void AddQtOptions(QCommandLineParser& parser)
{
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    if (argc <= 1)
        return std::nullopt;  // the usual start pays nothing for this
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tallyra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYRA_VERSION));
    InstallTranslations(application);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Number signs of other cultures: a whole number from 0 to 79999 "
                                    "written in %1 numeral systems on five pages.")
            .arg(RowsInDisplayOrder().size()));
    static_assert(kPageCount == 5, "the description names the pages");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    AddQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()));
        return EXIT_FAILURE;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(QCoreApplication::arguments());  // prints Qt's options too and ends the program
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}
