// tallyra-text: the window's numeral rows as text, for a number typed as
// in the window's number field. Needs no display.

#include "NumberParser.h"
#include "RowTable.h"

#include "numerals/text/RowText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <string>

namespace {

struct Options {
    QString text;
    QString row;  // empty: every row
    bool reading = false;
};

void Print(std::FILE* stream, const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
}

std::string LineOf(const RowSpec& shown, int n, const std::string& t, bool withReading)
{
    const rowtext::RowText row = rowtext::TextOf(shown.cell, n, t);
    std::string line = std::string(shown.caption) + '\t' + rowtext::KindName(row.kind) + '\t' + row.text;
    if (withReading)
        line += '\t' + row.reading;
    return line;
}

// A number text such as "-5" is the number, not an option: "--" goes in front of it.
QStringList WithNumberTextsAsArguments(const QStringList& arguments)
{
    QStringList result;
    for (const QString& argument : arguments) {
        if (argument.size() > 1 && argument[0] == u'-' && argument[1].isDigit() && !result.contains("--"))
            result << QStringLiteral("--");
        result << argument;
    }
    return result;
}

int PrintRows(const Options& options)
{
    const std::optional<std::int32_t> number = ParseNumber(options.text);
    if (!number) {
        Print(stderr, "not a number");
        return 1;
    }
    if (!IsInRange(*number)) {
        Print(stderr, OutOfRangeMessage().toStdString());
        return 1;
    }
    const std::string t = options.text.toLatin1().toStdString();
    bool found = false;
    for (const RowSpec& shown : RowsInDisplayOrder()) {
        if (!options.row.isEmpty() && options.row != QString::fromUtf8(shown.caption))
            continue;
        Print(stdout, LineOf(shown, *number, t, options.reading));
        found = true;
    }
    if (!found) {
        Print(stderr, "no row with the caption " + options.row.toStdString());
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyra-text"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYRA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints a number in the %1 numeral systems of Tallyra as text, one row a line:\n"
                       "caption<TAB>kind<TAB>text, kind being unicode, partial or described.")
            .arg(RowsInDisplayOrder().size()));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption reading(
        QStringLiteral("reading"), QStringLiteral("Add how the signs build the number as a fourth column."));
    const QCommandLineOption row(QStringLiteral("row"),
                                 QStringLiteral("Print only the row with this caption."),
                                 QStringLiteral("CAPTION"));
    parser.addOption(reading);
    parser.addOption(row);
    parser.addPositionalArgument(
        QStringLiteral("TEXT"),
        QStringLiteral("The number, read as the number field reads it (0 to 79999)."));
    parser.process(WithNumberTextsAsArguments(QCoreApplication::arguments()));

    const QStringList texts = parser.positionalArguments();
    if (texts.size() != 1)
        parser.showHelp(2);
    return PrintRows({texts.front(), parser.value(row), parser.isSet(reading)});
}
