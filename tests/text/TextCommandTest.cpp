// The command tallyra-text, run as a user runs it: no display, UTF-8 lines.

#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"
#include "rows/RowTable.h"

#include <QProcess>
#include <QTranslator>
#include <QTest>

#include <algorithm>

namespace {

struct Run {
    int status = -1;
    QStringList lines;
    QString error;
};

// Run in the language given (LANGUAGE), by default without a translation.
Run TallyraText(const QStringList& arguments, const QString& language = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    environment.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TALLYRA_TEXT), arguments);
    process.waitForFinished(30000);
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = out.split(u'\n', Qt::SkipEmptyParts);
    run.error = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return run;
}

}  // namespace

class TextCommandTest : public QObject {
    Q_OBJECT

private slots:
    void everyRowInDisplayOrder();
    void lines_data();
    void lines();
    void readingColumn();
    void oneRow();
    void parse_data();
    void parse();
    void rejectedTexts_data();
    void rejectedTexts();
    void signTable_data();
    void signTable();
    void signTableOfNoRow();
    void helpAndVersion();

    void parseWrittenForms_data();
    void parseWrittenForms();
    void refuseNearMisses_data();
    void refuseNearMisses();
    void helpAndMessagesInTheLanguageLinesInEnglish_data();
    void helpAndMessagesInTheLanguageLinesInEnglish();
};

void TextCommandTest::everyRowInDisplayOrder()
{
    const Run run = TallyraText({"1994"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines.size(), qsizetype(RowsInDisplayOrder().size()));
    QMap<QString, int> kinds;
    for (std::size_t i = 0; i < RowsInDisplayOrder().size(); ++i) {
        const QStringList columns = run.lines[qsizetype(i)].split(u'\t');
        QCOMPARE(columns.size(), 3);
        QCOMPARE(columns[0], QString::fromUtf8(RowsInDisplayOrder()[i].caption));
        ++kinds[columns[1]];
    }
    // The first two pages' 32 rows of real characters, and every text row.
    const auto& rows = RowsInDisplayOrder();
    const auto textRows = std::count_if(rows.begin(), rows.end(),
                                        [](const RowSpec& row) { return row.kind == ValueKind::Text; });
    QCOMPARE(kinds.value("unicode"), 32 + int(textRows));
    QCOMPARE(kinds.value("partial"), 2);
    QCOMPARE(kinds.value("described"), 25);
}

void TextCommandTest::lines_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::newRow("Kanji") << "1994"
                           << "Kanji\tunicode\t千九百九十四";
    QTest::newRow("Hebrew") << "1994"
                            << "Hebrew\tunicode\tא׳ץצד";
    QTest::newRow("Suzhou") << "1994"
                            << "Suzhou\tpartial\t千〩百〩十〤";
    QTest::newRow("Klingon") << "1994"
                             << "Klingon\tdescribed\t1994 (Klingon digits)";
    QTest::newRow("hexadecimal") << "$7CA"
                                 << "Roman\tunicode\tMCMXCIV";
    QTest::newRow("leading blank") << " 0042"
                                   << "Laotian\tunicode\t໐໐໔໒";
    QTest::newRow("zero") << "0"
                          << "Egyptian\tunicode\t";
    QTest::newRow("Roman numeral") << "MCMXCIV"
                                   << "Kanji\tunicode\t千九百九十四";
    QTest::newRow("digits of a numeral") << "mcmxciv"
                                         << "Arabic\tunicode\t١٩٩٤";
    QTest::newRow("Morse code, not an option") << "-...."
                                               << "Roman\tunicode\tVI";
    QTest::newRow("third page") << "1994"
                                << "Chinese fin.\tunicode\t壹仟玖佰玖拾肆";
    QTest::newRow("no form") << "46363"
                             << "Georgian\tunicode\t";
}

void TextCommandTest::lines()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    const Run run = TallyraText({typed});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.lines.contains(line), qPrintable(run.lines.join(u'\n')));
}

void TextCommandTest::readingColumn()
{
    const Run run = TallyraText({"--reading", "1994"});
    QCOMPARE(run.lines.size(), qsizetype(RowsInDisplayOrder().size()));
    for (const QString& line : run.lines)
        QCOMPARE(line.count(u'\t'), 3);
    QVERIFY(run.lines.contains("Roman\tunicode\tMCMXCIV\tM + CM + XC + IV = 1000 + 900 + 90 + 4"));
}

void TextCommandTest::oneRow()
{
    const Run run = TallyraText({"--row", "N'Ko", "1994"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines, QStringList{"N'Ko\tunicode\t߁߉߉߄"});
    const Run unknown = TallyraText({"--row", "Nko", "1994"});
    QVERIFY(unknown.status != 0);
    QVERIFY(unknown.lines.isEmpty());
}

// Every reading, the first first: the text in a row's own form, then the
// window's order; text the number parser accepts keeps its meaning.
void TextCommandTest::parse_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    const QStringList roman{"1994\tRoman"};
    for (const char* text : {"MCMXCIV", "mcmxciv", "ⅯⅭⅯⅩⅭⅣ"})
        QTest::newRow(text) << QString::fromUtf8(text) << roman;
    QTest::newRow("Hebrew") << "א׳תתקצ״ד" << QStringList{"1994\tHebrew"};
    QTest::newRow("Ionic") << "͵αϡϙδ" << QStringList{"1994\tIonic"};
    QTest::newRow("Armenian") << "ՌՋՂԴ" << QStringList{"1994\tArmenian"};
    QTest::newRow("Ethiopic") << "፲፱፻፺፬" << QStringList{"1994\tAmharic"};
    QTest::newRow("Chinese") << "一千九百九十四" << QStringList{"1994\tChinese", "1994\tKanji"};
    QTest::newRow("Chinese financial")
        << "壹仟玖佰玖拾肆" << QStringList{"1994\tChinese fin.", "1994\tTrad. fin.", "1994\tKanji"};
    QTest::newRow("Daiji") << "壱千九百九拾四" << QStringList{"1994\tDaiji", "1994\tKanji"};
    QTest::newRow("Korean") << "천구백구십사" << QStringList{"1994\tKorean"};
    QTest::newRow("Braille") << "⠼⠁⠊⠊⠙" << QStringList{"1994\tBraille"};
    QTest::newRow("Morse code") << ".---- ----. ----. ....-" << QStringList{"1994\tMorse code"};
    QTest::newRow("Tamil") << "௲௯௱௯௰௪" << QStringList{"1994\tTamil old", "1994\tTamil"};
    QTest::newRow("fullwidth") << "１９９４" << QStringList{"1994\tDecimal digits"};
    QTest::newRow("Attic or Ionic") << "Χ" << QStringList{"1000\tAncient Greek", "1000\tAttic", "600\tIonic"};
    QTest::newRow("own form first") << "ה׳" << QStringList{"5000\tHebrew", "5\tHebrew"};
    QTest::newRow("hexadecimal") << "xc" << QStringList{"12\tHexadecimal"};
}

void TextCommandTest::parse()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    const Run run = TallyraText({"--parse", typed});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines, lines);
}

void TextCommandTest::rejectedTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("too large") << "80000" << OutOfRangeMessage();
    QTest::newRow("negative") << "-5" << OutOfRangeMessage();
    QTest::newRow("hexadecimal too large") << "$FFFFF" << OutOfRangeMessage();
    QTest::newRow("numeral too large") << "十万" << OutOfRangeMessage();
    QTest::newRow("letters") << "abc" << NoNumeralMessage();
    QTest::newRow("word") << "hello" << NoNumeralMessage();
    QTest::newRow("empty") << "" << NoNumeralMessage();
    QTest::newRow("trailing text") << "12a" << NoNumeralMessage();
}

// Nothing on standard output, the message on standard error, exit 1.
void TextCommandTest::rejectedTexts()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    for (const QStringList& arguments : {QStringList{typed}, QStringList{"--parse", typed}}) {
        const Run run = TallyraText(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY(run.lines.isEmpty());
        QCOMPARE(run.error, message);
    }
}

void TextCommandTest::signTable_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("signs");  // each sign's text and value; "" for any text
    QTest::newRow("Egyptian") << "Egyptian" << QStringList{"𓏤\t1", "𓎆\t10", "𓍢\t100", "𓆼\t1000", "𓂭\t10000"};
    QStringList dni;
    for (int d = 0; d < 25; ++d)
        dni << QStringLiteral("D'Ni digit %1\t%1").arg(d);
    QTest::newRow("D'Ni") << "D'Ni" << dni;
    QTest::newRow("Braille") << "Braille"
                             << QStringList{"⠚\t0", "⠁\t1", "⠃\t2", "⠉\t3", "⠙\t4",          "⠑\t5",
                                            "⠋\t6", "⠛\t7", "⠓\t8", "⠊\t9", "⠼\tnumber sign"};
    QTest::newRow("Roman") << "Roman" << QStringList{"I\t1",   "V\t5",   "X\t10",   "L\t50",
                                                     "C\t100", "D\t500", "M\t1000", "'\tmarks thousands"};
    QTest::newRow("Semaphore") << "Semaphore" << QStringList{"Semaphore flag K\t0", "Semaphore flag A\t1",
                                                             "Semaphore flag B\t2", "Semaphore flag C\t3",
                                                             "Semaphore flag D\t4", "Semaphore flag E\t5",
                                                             "Semaphore flag F\t6", "Semaphore flag G\t7",
                                                             "Semaphore flag H\t8", "Semaphore flag I\t9"};
}

// One sign a line, text<TAB>value, in value order, the marks after.
void TextCommandTest::signTable()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, signs);
    const Run run = TallyraText({"--signs", caption});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines, signs);
    QVERIFY(run.error.isEmpty());
}

void TextCommandTest::signTableOfNoRow()
{
    const Run run = TallyraText({"--signs", "Egyptians"});
    QCOMPARE(run.status, 2);
    QVERIFY(run.lines.isEmpty());
    QCOMPARE(run.error, QStringLiteral("no row with the caption Egyptians"));
}

void TextCommandTest::helpAndVersion()
{
    const Run help = TallyraText({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.lines.join(u'\n').contains("--reading"));
    QVERIFY(help.lines.join(u'\n').contains("--parse"));
    QVERIFY(help.lines.join(u'\n').contains("--signs"));
    QVERIFY(help.lines.join(u'\n').contains(
        QStringLiteral("the %1 numeral systems").arg(RowsInDisplayOrder().size())));
    const Run version = TallyraText({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.lines, QStringList{"tallyra-text " TALLYRA_VERSION});
}

// Numerals as they are written in running text, each with its number and
// the row that reads it (Braille's digits without the number sign named so).
void TextCommandTest::parseWrittenForms_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    const QString decimal = "1994\t" + DecimalDigitsCaption();
    QTest::newRow("comma") << "1,994" << decimal;
    QTest::newRow("full stop") << "1.994" << decimal;
    QTest::newRow("apostrophe") << "1'994" << decimal;
    QTest::newRow("right single quotation mark") << "1’994" << decimal;
    QTest::newRow("Roman with a full stop") << "MMXXVI."
                                            << "2026\tRoman";
    QTest::newRow("Roman apostrophus") << "CIↃ"
                                       << "1000\tRoman";
    // Both Suzhou rows read figures on a line: the one of power signs and
    // the fourth page's place by place.
    QTest::newRow("Suzhou figures") << "〢〣"
                                    << "23\tSuzhou\n23\tSuzhou digits";
    QTest::newRow("Braille without the number sign") << "⠁⠊⠊⠙"
                                                     << "1994\tBraille digits";
    QTest::newRow("Morse in middle dots and minus signs") << "·−−−− −−−−· −−−−· ····−"
                                                          << "1994\tMorse code";
    QTest::newRow("Greek sigma tau") << "στʹ"
                                     << "6\tIonic";
}

void TextCommandTest::parseWrittenForms()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    const Run run = TallyraText({"--parse", typed});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines.join(u'\n'), line);
}

// Decimals and misplaced grouping marks: exit 1, nothing on standard
// output, the message on standard error; Indian grouping beyond the range
// gives the range message.
void TextCommandTest::refuseNearMisses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    for (const char* text : {"3.5", "1,5", "12,34", "٣٫٥", "1 23", "1,99.4", "⠁⠊⠊⠙⠅"})
        QTest::newRow(text) << QString::fromUtf8(text) << NoNumeralMessage();
    QTest::newRow("12,34,567") << "12,34,567" << OutOfRangeMessage();
}

void TextCommandTest::refuseNearMisses()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const Run run = TallyraText({"--parse", typed});
    QCOMPARE(run.status, 1);
    QVERIFY(run.lines.isEmpty());
    QCOMPARE(run.error, message);
}

void TextCommandTest::helpAndMessagesInTheLanguageLinesInEnglish_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Under a translated language --help and the messages are the translation's
// (as the program carries it); the lines, captions and words of the rows
// stay as without one, for the scripts that read them.
void TextCommandTest::helpAndMessagesInTheLanguageLinesInEnglish()
{
    QFETCH(QString, language);
    QTranslator translation;
    QVERIFY(translation.load(QStringLiteral(":/i18n/tallyra_") + language));
    const QString rowOption =
        QStringLiteral("--row <%1>")
            .arg(translation.translate("TextMain", "CAPTION"));  // (help wraps the rest)
    const QString outOfRange =
        translation.translate("NumberParser", "Number must be greater than 0 and less than %1").arg(80000);
    QVERIFY(!rowOption.isEmpty() && !outOfRange.isEmpty());
    QVERIFY(outOfRange != OutOfRangeMessage());

    const QString help = TallyraText({"--help"}, language).lines.join(u'\n');
    QVERIFY2(help.contains(rowOption), qPrintable(help));
    QVERIFY(!help.contains(QStringLiteral("--row <CAPTION>")));
    QCOMPARE(TallyraText({"80000"}, language).error, outOfRange);
    const Run unknownRow = TallyraText({"--row", "Nowhere", "12"}, language);
    QCOMPARE(unknownRow.status, 2);
    QCOMPARE(unknownRow.error,
             translation.translate("TextMain", "no row with the caption %1").arg("Nowhere"));
    for (const QStringList& arguments :
         {QStringList{"--reading", "1994"}, QStringList{"--reading", "0"}, QStringList{"--parse", "\u03A7"}})
        QCOMPARE(TallyraText(arguments, language).lines, TallyraText(arguments).lines);
}

QTEST_GUILESS_MAIN(TextCommandTest)
#include "TextCommandTest.moc"
