// tallyra-text: the window's numeral rows as text, for a number typed as
// in the window's number field or a numeral of any row; or what number a
// numeral is. Needs no display.

#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"
#include "rows/RowTable.h"

#include "numerals/text/RowText.h"
#include "signs/SignBySign.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Options {
    QString text;
    QString row;  // empty: every row
    bool reading = false;
    bool parse = false;  // only the numbers the text stands for
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

// A number text such as "-5", or Morse code such as "-----", is the text,
// not an option: "--" goes in front of it.
bool IsNumberText(const QString& argument)
{
    if (argument.size() < 2 || argument[0] != u'-')
        return false;
    const QChar second = argument[1];
    const bool morse = argument.size() > 2 && (argument[2] == u'-' || argument[2] == u'.');
    return second.isDigit() || second == u'.' || (second == u'-' && morse);
}

QStringList WithNumberTextsAsArguments(const QStringList& arguments)
{
    QStringList result;
    for (const QString& argument : arguments) {
        if (IsNumberText(argument) && !result.contains("--"))
            result << QStringLiteral("--");
        result << argument;
    }
    return result;
}

// The numbers in 0..79999 the text stands for, or a message and exit
// status 1: the range message when it stands only for numbers outside.
std::vector<RecognisedNumber> NumbersToPrint(const QString& text)
{
    const std::vector<RecognisedNumber> recognised = RecognisedNumbers(text);
    const bool any = !recognised.empty();
    std::vector<RecognisedNumber> numbers = NumbersInRange(recognised);
    if (numbers.empty())
        Print(stderr, (any ? OutOfRangeMessage() : NoNumeralMessage()).toStdString());
    return numbers;
}

int PrintNumbers(const std::vector<RecognisedNumber>& numbers)
{
    for (const RecognisedNumber& r : numbers)
        Print(stdout, std::to_string(r.number) + '\t' + r.caption.toStdString());
    return 0;
}

int PrintRows(const Options& options)
{
    const std::vector<RecognisedNumber> numbers = NumbersToPrint(options.text);
    if (numbers.empty())
        return 1;
    if (options.parse)
        return PrintNumbers(numbers);
    const auto n = static_cast<int>(numbers.front().number);
    const std::string t = numbers.front().numberText.toLatin1().toStdString();
    bool found = false;
    for (const RowSpec& shown : RowsInDisplayOrder()) {
        if (!options.row.isEmpty() && options.row != QString::fromUtf8(shown.caption))
            continue;
        Print(stdout, LineOf(shown, n, t, options.reading));
        found = true;
    }
    if (!found) {
        Print(stderr, "no row with the caption " + options.row.toStdString());
        return 2;
    }
    return 0;
}

// The row's sign table, one sign a line: text<TAB>value, a mark's role
// in place of its value.
int PrintSigns(const QString& caption)
{
    for (const RowSpec& shown : RowsInDisplayOrder()) {
        if (caption != QString::fromUtf8(shown.caption))
            continue;
        for (const signs::Sign& sign : signs::SignTable(shown.cell))
            Print(stdout, sign.text + '\t' + (sign.role.empty() ? std::to_string(sign.value) : sign.role));
        return 0;
    }
    Print(stderr, "no row with the caption " + caption.toStdString());
    return 2;
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
                       "caption<TAB>kind<TAB>text, kind being unicode, partial or described.\n"
                       "The number may be written in any of these systems (MCMXCIV, mcmxciv, א׳תתקצ״ד,\n"
                       "一千九百九十四, ١٩٩٤, ...): with --parse, only what number it is.")
            .arg(RowsInDisplayOrder().size()));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption reading(
        QStringLiteral("reading"), QStringLiteral("Add how the signs build the number as a fourth column."));
    const QCommandLineOption row(QStringLiteral("row"),
                                 QStringLiteral("Print only the row with this caption."),
                                 QStringLiteral("CAPTION"));
    const QCommandLineOption parse(
        QStringLiteral("parse"),
        QStringLiteral("Print only the numbers the text stands for, number<TAB>caption, one a line,\n"
                       "the one the rows would show first; a text read several ways gives several."));
    const QCommandLineOption signTable(
        QStringLiteral("signs"),
        QStringLiteral("Print the signs of the row with this caption, text<TAB>value, one a line\n"
                       "(a mark's role in place of a value), and no number."),
        QStringLiteral("CAPTION"));
    parser.addOption(reading);
    parser.addOption(row);
    parser.addOption(parse);
    parser.addOption(signTable);
    parser.addPositionalArgument(
        QStringLiteral("TEXT"),
        QStringLiteral("The number, read as the number field reads it (0 to 79999), or a numeral of a row."));
    parser.process(WithNumberTextsAsArguments(QCoreApplication::arguments()));

    const QStringList texts = parser.positionalArguments();
    if (parser.isSet(signTable)) {
        if (!texts.isEmpty())
            parser.showHelp(2);
        return PrintSigns(parser.value(signTable));
    }
    if (texts.size() != 1)
        parser.showHelp(2);
    return PrintRows({texts.front(), parser.value(row), parser.isSet(reading), parser.isSet(parse)});
}
