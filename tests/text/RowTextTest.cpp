// The rows' texts as the numeral-text decisions fix them: the examples for
// 1994 and 46363, the kinds, zero, order, marks and digit sets, and readings
// that add up to the number.

#include "rows/RowTable.h"
#include "numerals/text/RowText.h"

#include <QTest>

#include <set>
#include <string>

namespace {

using rowtext::Direction;
using rowtext::Kind;

std::string CellOf(const QString& caption)
{
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (caption == QString::fromUtf8(row.caption))
            return row.cell;
    }
    return std::string();
}

QString TextOf(const std::string& cell, int n, const std::string& t)
{
    return QString::fromStdString(rowtext::NumeralText(cell, n, t));
}

QString TextOf(const std::string& cell, int n)
{
    return TextOf(cell, n, std::to_string(n));
}

// Every code point of the text lies in [first, last].
bool AllIn(const QString& text, char32_t first, char32_t last)
{
    for (char32_t c : text.toUcs4()) {
        if (c < first || c > last)
            return false;
    }
    return true;
}

// "1 9 9 4": the digits one by one; otherwise a sum of products
// ("4 × 10000 + 6000 + 3"). -1 for anything else.
int ValueOfReading(const QString& reading)
{
    static const QRegularExpression digits(QStringLiteral("^\\d( \\d)+$"));
    if (digits.match(reading).hasMatch())
        return QString(reading).remove(' ').toInt();
    int sum = 0;
    for (const QString& term : reading.split(" + ")) {
        int product = 1;
        for (const QString& factor : term.split(" × ")) {
            bool number = false;
            product *= factor.toInt(&number);
            if (!number)
                return -1;
        }
        sum += product;
    }
    return sum;
}

}  // namespace

class RowTextTest : public QObject {
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void kinds();
    void zeroGivesNoText();
    void noFormIsSaid_data();
    void noFormIsSaid();
    void talliesAreShownUpTo50();
    void digitRowsTakeOnlyTheDigits_data();
    void digitRowsTakeOnlyTheDigits();
    void brailleStartsWithTheNumberSign();
    void farsiUsesPersianDigits();
    void rightToLeftRowsInLogicalOrder_data();
    void rightToLeftRowsInLogicalOrder();
    void sanskritVowelFollowsItsConsonant();
    void noPrivateUseCharacters();
    void scriptAndDirection_data();
    void scriptAndDirection();
    void readings_data();
    void readings();
    void readingsAddUp_data();
    void readingsAddUp();
    void explanationsAndUnknownCells();
};

void RowTextTest::examples_data()
{
    QTest::addColumn<QString>("text1994");
    QTest::addColumn<QString>("text46363");  // empty: not checked
    QTest::newRow("Ancient Greek") << QStringLiteral("ΧΗΗΗΗΗΗΗΗΗ𐅄ΔΔΔΔΙΙΙΙ")
                                   << QStringLiteral("ΜΜΜΜΧΧΧΧΧΧΗΗΗ𐅄ΔΙΙΙ");
    QTest::newRow("Egyptian") << QStringLiteral("𓆼𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓏤𓏤𓏤𓏤")
                              << QStringLiteral("𓂭𓂭𓂭𓂭𓆼𓆼𓆼𓆼𓆼𓆼𓍢𓍢𓍢𓎆𓎆𓎆𓎆𓎆𓎆𓏤𓏤𓏤");
    QTest::newRow("Amharic") << QStringLiteral("፲፻፱፻፺፬") << QStringLiteral("፬፼፷፻፫፻፷፫");
    QTest::newRow("Arabic") << QStringLiteral("١٩٩٤") << QStringLiteral("٤٦٣٦٣");
    QTest::newRow("Armenian") << QStringLiteral("ՌՋՂԴ") << QStringLiteral("ԴՑՅԿԳ");
    QTest::newRow("Assyrian") << QStringLiteral("𒌋𒌋𒌋𒐈 𒌋𒐼") << QStringLiteral("𒌋𒈫 𒌋𒌋𒌋𒌋𒌋𒈫 𒌋𒌋𒌋𒌋𒐈");
    QTest::newRow("Attic") << QStringLiteral("Χ𐅅ΗΗΗΗ𐅄ΔΔΔΔΙΙΙΙ") << QStringLiteral("ΜΜΜΜ𐅆ΧΗΗΗ𐅄ΔΙΙΙ");
    QTest::newRow("Bengali") << QStringLiteral("১৯৯৪") << QStringLiteral("৪৬৩৬৩");
    QTest::newRow("Braille") << QStringLiteral("⠼⠁⠊⠊⠙") << QStringLiteral("⠼⠙⠋⠉⠋⠉");
    QTest::newRow("Farsi") << QStringLiteral("۱۹۹۴") << QStringLiteral("۴۶۳۶۳");
    QTest::newRow("Fingernumbers") << QStringLiteral("1994 as counting hands: 1; 5 + 4; 5 + 4; 4 fingers")
                                   << QStringLiteral("");
    QTest::newRow("Gothic") << QStringLiteral("𐌰𐍊𐍁𐌳") << QStringLiteral("𐌼𐌵𐍄𐌾𐌲");
    QTest::newRow("Hebrew") << QStringLiteral("א׳ץצד") << QStringLiteral("מו׳שסג");
    QTest::newRow("Heyarian") << QStringLiteral("4 units, 9 tens, 9 hundreds, 1 thousand")
                              << QStringLiteral("");
    QTest::newRow("Hindi") << QStringLiteral("१९९४") << QStringLiteral("४६३६३");
    QTest::newRow("Ionic") << QStringLiteral("͵αϡϙδ") << QStringLiteral("δΜ͵ϛτξγ");
    QTest::newRow("Kanji") << QStringLiteral("千九百九十四") << QStringLiteral("四万六千三百六十三");
    QTest::newRow("Korean") << QStringLiteral("천구백구십사") << QStringLiteral("사만육천삼백육십삼");
    QTest::newRow("Manchu") << QStringLiteral("ᡝᠮᡠ ᠮᡳᠩᡤᠠᠨ ᡠᠶᡠᠨ ᡨᠠᠩᡤᡡ ᡠᠶᡠᠨᠵᡠ ᡩᡠᡳᠨ")
                            << QStringLiteral("ᡩᡠᡳᠨ ᡨᡠᠮᡝᠨ ᠨᡳᠩᡤᡠᠨ ᠮᡳᠩᡤᠠᠨ ᡳᠯᠠᠨ ᡨᠠᠩᡤᡡ ᠨᡳᠨᠵᡠ ᡳᠯᠠᠨ");
    QTest::newRow("Maya") << QStringLiteral("𝋥𝋩𝋮") << QStringLiteral("𝋦𝋨𝋮𝋣");
    QTest::newRow("Maya-Hierogl.") << QStringLiteral("𝋤𝋳𝋮 (4·19·14)")
                                   << QStringLiteral("𝋥𝋯𝋲𝋣 (5·15·18·3)");
    QTest::newRow("Morse code") << QStringLiteral(".---- ----. ----. ....-")
                                << QStringLiteral("....- -.... ...-- -.... ...--");
    QTest::newRow("N'Ko") << QStringLiteral("߁߉߉߄") << QStringLiteral("߄߆߃߆߃");
    QTest::newRow("Roman") << QStringLiteral("MCMXCIV") << QStringLiteral("XLVI'MCCCLXIII");
    QTest::newRow("Sanskrit") << QStringLiteral("घसधि") << QStringLiteral("गवगिविघु");
    QTest::newRow("Semaphore") << QStringLiteral("A I I D") << QStringLiteral("D F C F C");
    QTest::newRow("Tibetan") << QStringLiteral("༡༩༩༤") << QStringLiteral("༤༦༣༦༣");
    QTest::newRow("Hungar.Runes")
        << QStringLiteral("𐳺𐳿𐳾𐳾𐳾𐳾𐳾𐳾𐳾𐳾𐳾𐳽𐳼𐳼𐳼𐳼𐳺𐳺𐳺𐳺")
        << QStringLiteral("𐳼𐳼𐳼𐳼𐳻𐳺𐳿𐳾𐳾𐳾𐳽𐳼𐳺𐳺𐳺");
    QTest::newRow("Staff numbers") << QStringLiteral("1994 (staff numerals)") << QStringLiteral("");
    QTest::newRow("Ath-Seikai") << QStringLiteral("1994 (Ath digits)") << QStringLiteral("");
    QTest::newRow("Brahmi") << QStringLiteral("𑁧𑁯𑁯𑁪") << QStringLiteral("𑁪𑁬𑁩𑁬𑁩");
    QTest::newRow("Dancing Men") << QStringLiteral("1994 (dancing-men figures)") << QStringLiteral("");
    QTest::newRow("Diamond") << QStringLiteral("7CA (base 16)") << QStringLiteral("B51B (base 16)");
    QTest::newRow("D'Ni") << QStringLiteral("3·4·19 (base 25)") << QStringLiteral("2·24·4·13 (base 25)");
    QTest::newRow("Dual code") << QStringLiteral("11111001010 (base 2)")
                               << QStringLiteral("1011010100011011 (base 2)");
    QTest::newRow("Ecclemony") << QStringLiteral("7CA (base 16)") << QStringLiteral("");
    QTest::newRow("Four Line") << QStringLiteral("7CA (base 16)") << QStringLiteral("");
    QTest::newRow("Futurama") << QStringLiteral("1994 (Futurama digits)") << QStringLiteral("");
    QTest::newRow("Gorwelion") << QStringLiteral("[1994]") << QStringLiteral("");
    QTest::newRow("Hieratic") << QStringLiteral("hieratic signs 1000 + 900 + 90 + 4")
                              << QStringLiteral("hieratic signs 4 × 10000 + 6000 + 300 + 60 + 3");
    QTest::newRow("Kannada") << QStringLiteral("೧೯೯೪") << QStringLiteral("೪೬೩೬೩");
    QTest::newRow("Kayah") << QStringLiteral("꤁꤉꤉꤄") << QStringLiteral("꤄꤆꤃꤆꤃");
    QTest::newRow("Klingon") << QStringLiteral("1994 (Klingon digits)") << QStringLiteral("");
    QTest::newRow("Khmer") << QStringLiteral("១៩៩៤") << QStringLiteral("៤៦៣៦៣");
    QTest::newRow("Laotian") << QStringLiteral("໑໙໙໔") << QStringLiteral("໔໖໓໖໓");
    QTest::newRow("Mong") << QStringLiteral("᠑᠙᠙᠔") << QStringLiteral("᠔᠖᠓᠖᠓");
    QTest::newRow("Narn") << QStringLiteral("1994 (Narn digits)") << QStringLiteral("");
    QTest::newRow("Osmanya") << QStringLiteral("𐒡𐒩𐒩𐒤") << QStringLiteral("𐒤𐒦𐒣𐒦𐒣");
    QTest::newRow("Oxidilogi") << QStringLiteral("1994 (decimal)") << QStringLiteral("");
    QTest::newRow("Pékrif") << QStringLiteral("(11↊2)") << QStringLiteral("(229↋7)");
    QTest::newRow("Post code") << QStringLiteral("00111 11010 11010 01101") << QStringLiteral("");
    QTest::newRow("Quadnary") << QStringLiteral("133022 (base 4)") << QStringLiteral("23110123 (base 4)");
    QTest::newRow("SpaceKees") << QStringLiteral("1994 (SpaceKees digits)") << QStringLiteral("");
    QTest::newRow("Stargate") << QStringLiteral("1994 (Stargate digits)") << QStringLiteral("");
    QTest::newRow("Suzhou") << QStringLiteral("千〩百〩十〤") << QStringLiteral("〤万〦千三百〦十三");
    QTest::newRow("Tamil") << QStringLiteral("௧௯௯௪") << QStringLiteral("௪௬௩௬௩");
    QTest::newRow("Tenctonese") << QStringLiteral("1994 (Tenctonese digits)") << QStringLiteral("");
    QTest::newRow("Thai") << QStringLiteral("๑๙๙๔") << QStringLiteral("๔๖๓๖๓");
    QTest::newRow("Zentlardy") << QStringLiteral("1994 (Zentlardy digits)") << QStringLiteral("");
    // The third page: the fact sheet's examples (Georgian has no form for 46363).
    QTest::newRow("Gujarati") << QStringLiteral("૧૯૯૪") << QStringLiteral("૪૬૩૬૩");
    QTest::newRow("Gurmukhi") << QStringLiteral("੧੯੯੪") << QStringLiteral("੪੬੩੬੩");
    QTest::newRow("Telugu") << QStringLiteral("౧౯౯౪") << QStringLiteral("౪౬౩౬౩");
    QTest::newRow("Malayalam") << QStringLiteral("൧൯൯൪") << QStringLiteral("൪൬൩൬൩");
    QTest::newRow("Odia") << QStringLiteral("୧୯୯୪") << QStringLiteral("୪୬୩୬୩");
    QTest::newRow("Myanmar") << QStringLiteral("၁၉၉၄") << QStringLiteral("၄၆၃၆၃");
    QTest::newRow("Sinhala Lith") << QStringLiteral("෧෯෯෪") << QStringLiteral("෪෬෩෬෩");
    QTest::newRow("Javanese") << QStringLiteral("꧑꧙꧙꧔") << QStringLiteral("꧔꧖꧓꧖꧓");
    QTest::newRow("Balinese") << QStringLiteral("᭑᭙᭙᭔") << QStringLiteral("᭔᭖᭓᭖᭓");
    QTest::newRow("Ol Chiki") << QStringLiteral("᱑᱙᱙᱔") << QStringLiteral("᱔᱖᱓᱖᱓");
    QTest::newRow("Meetei Mayek") << QStringLiteral("꯱꯹꯹꯴") << QStringLiteral("꯴꯶꯳꯶꯳");
    QTest::newRow("Adlam") << QStringLiteral("𞥑𞥙𞥙𞥔") << QStringLiteral("𞥔𞥖𞥓𞥖𞥓");
    QTest::newRow("Vai") << QStringLiteral("꘡꘩꘩꘤") << QStringLiteral("꘤꘦꘣꘦꘣");
    QTest::newRow("Rohingya") << QStringLiteral("𐴱𐴹𐴹𐴴") << QStringLiteral("𐴴𐴶𐴳𐴶𐴳");
    QTest::newRow("Sundanese") << QStringLiteral("᮱᮹᮹᮴") << QStringLiteral("᮴᮶᮳᮶᮳");
    QTest::newRow("Limbu") << QStringLiteral("᥇᥏᥏᥊") << QStringLiteral("᥊᥌᥉᥌᥉");
    QTest::newRow("Lepcha") << QStringLiteral("᱁᱉᱉᱄") << QStringLiteral("᱄᱆᱃᱆᱃");
    QTest::newRow("Chakma") << QStringLiteral("𑄷𑄿𑄿𑄺") << QStringLiteral("𑄺𑄼𑄹𑄼𑄹");
    QTest::newRow("Tai Tham") << QStringLiteral("᪁᪉᪉᪄") << QStringLiteral("᪄᪆᪃᪆᪃");
    QTest::newRow("Georgian") << QStringLiteral("ჩშჟდ") << QStringLiteral("");
    QTest::newRow("Cyrillic") << QStringLiteral("҂ацч҃д") << QStringLiteral("҂м҃҂ѕ тѯ҃г");
    QTest::newRow("Coptic") << QStringLiteral("ⲁ̿ⳁ̅ϥ̅ⲇ̅") << QStringLiteral("ⲙ̿ⲋ̿ⲧ̅ⲝ̅ⲅ̅");
    QTest::newRow("Chinese fin.") << QStringLiteral("壹仟玖佰玖拾肆") << QStringLiteral("肆万陆仟叁佰陆拾叁");
    QTest::newRow("Counting rods") << QStringLiteral("𝍩𝍨𝍱𝍣") << QStringLiteral("𝍣𝍮𝍢𝍮𝍢");
    QTest::newRow("Tamil old") << QStringLiteral("௲௯௱௯௰௪") << QStringLiteral("௪௰௬௲௩௱௬௰௩");
    QTest::newRow("Aegean") << QStringLiteral("𐄢𐄡𐄘𐄊") << QStringLiteral("𐄮𐄧𐄛𐄕𐄉");
    QTest::newRow("Kharoshthi") << QStringLiteral("𐩀𐩇𐩃𐩃𐩀𐩆𐩅𐩅𐩅𐩅𐩄𐩃") << QStringLiteral("𐩅𐩅𐩃𐩁𐩇𐩂𐩆𐩅𐩅𐩅𐩂");
    QTest::newRow("Brahmi old") << QStringLiteral("𑁥𑁤𑁿𑁚𑁣𑁕")
                                << QStringLiteral("𑁥𑁿𑁞𑁥𑁿𑁗𑁤𑁿𑁔𑁠𑁔");
}

void RowTextTest::examples()
{
    const std::string cell = CellOf(QString::fromUtf8(QTest::currentDataTag()));
    QFETCH(QString, text1994);
    QFETCH(QString, text46363);
    QVERIFY(!cell.empty());
    QCOMPARE(TextOf(cell, 1994), text1994);
    if (!text46363.isEmpty())
        QCOMPARE(TextOf(cell, 46363), text46363);
}

void RowTextTest::kinds()
{
    std::multiset<Kind> kinds;
    std::set<std::string> partial;
    std::size_t textRows = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        const rowtext::RowText text = rowtext::TextOf(row.cell, 1994, "1994");
        kinds.insert(text.kind);
        if (text.kind == Kind::Partial)
            partial.insert(row.caption);
        textRows += row.kind == ValueKind::Text;
    }
    // The first two pages' 32 rows of real characters, and every text row.
    QCOMPARE(kinds.count(Kind::Unicode), 32 + textRows);
    QCOMPARE(kinds.count(Kind::Partial), std::size_t(2));
    QCOMPARE(kinds.count(Kind::Described), std::size_t(25));
    QCOMPARE(partial, (std::set<std::string>{"Attic", "Suzhou"}));
    QCOMPARE(QString(rowtext::KindName(Kind::Described)), QString("described"));
}

void RowTextTest::zeroGivesNoText()
{
    std::set<std::string> empty;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (TextOf(row.cell, 0).isEmpty())
            empty.insert(row.caption);
    }
    const std::set<std::string> expected{"Roman", "Egyptian", "Attic", "Ancient Greek", "Hungar.Runes",
                                         "Amharic", "Armenian", "Ionic", "Hebrew", "Gothic", "Sanskrit",
                                         "Kanji", "Suzhou", "Manchu", "Korean", "Hieratic", "Aegean",
                                         "Brahmi old", "Coptic", "Cyrillic", "Georgian", "Kharoshthi",
                                         // the fifth page: every system but the three Chinese-model ones with
                                         // 零 and the base-20 digits
                                         "Abjad", "Aramaic", "Coptic epact", "Glagolitic", "Malayalam old",
                                         "Mende", "Meroitic", "Parthian", "Phoenician", "Roman ↀↁↂ", "Rumi",
                                         "Sinhala old", "Sumerian", "Syriac", "Tally", "Tally 正", "Tangut"};
    QCOMPARE(empty, expected);
    QCOMPARE(rowtext::TextOf("P42", 0, "0").reading, std::string(rowtext::kNoSignForZero));
}

// A system that cannot write a number says so, in the text a screen reader
// reads and in the reading; a row that shows nothing for zero says that.
void RowTextTest::noFormIsSaid_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("noForm");
    QTest::newRow("Georgian 20000") << "Ugeor" << 20000 << true;
    QTest::newRow("Georgian 79999") << "Ugeor" << 79999 << true;
    QTest::newRow("Aegean 0") << "Uaegean" << 0 << true;
    QTest::newRow("Kharoshthi 0") << "Ukhar" << 0 << true;
    QTest::newRow("Kanji 0") << "P42" << 0 << false;
    QTest::newRow("Meroitic 80") << "Umerc" << 80 << true;
    QTest::newRow("Phoenician 1000") << "Uphnx" << 1000 << true;
    QTest::newRow("Glagolitic 2000") << "Uglag" << 2000 << true;
    QTest::newRow("Tally 0") << "Utally" << 0 << true;
    QTest::newRow("Korean 0") << "PB2" << 0 << false;
}

void RowTextTest::noFormIsSaid()
{
    QFETCH(QString, cell);
    QFETCH(int, n);
    QFETCH(bool, noForm);
    const rowtext::RowText row = rowtext::TextOf(cell.toStdString(), n, std::to_string(n));
    const std::string said = noForm ? rowtext::kNoForm : rowtext::kNoSignForZero;
    QVERIFY(row.text.empty());
    QCOMPARE(row.noForm, noForm);
    QCOMPARE(row.reading, said);
    QCOMPARE(rowtext::TextOrWhatIsSaid(row), said);
    QCOMPARE(rowtext::TextOf("Ugeor", 19999, "19999").noForm, false);
}

// Any number can be tallied: above 50 a tally row shows nothing and says it
// shows tallies up to 50, not that the system has no form.
void RowTextTest::talliesAreShownUpTo50()
{
    for (const char* cell : {"Utally", "Uzheng"}) {
        QVERIFY(!rowtext::TextOf(cell, 50, "50").text.empty());
        const rowtext::RowText row = rowtext::TextOf(cell, 51, "51");
        QVERIFY(row.text.empty());
        QVERIFY(!row.noForm);
        QCOMPARE(rowtext::TextOrWhatIsSaid(row), std::string(rowtext::kTallyShownUpTo));
    }
}

// Blanks, signs and leading zeros: the digits as typed, nothing else.
void RowTextTest::digitRowsTakeOnlyTheDigits_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("Laotian blank") << "P66" << 7 << " 7"
                                   << "໗";
    QTest::newRow("Laotian zeros") << "P66" << 42 << "0042"
                                   << "໐໐໔໒";
    QTest::newRow("Hindi plus") << "P63" << 5 << "+5"
                                << "५";
    QTest::newRow("Farsi blank") << "P61" << 46 << "  46"
                                 << "۴۶";
    QTest::newRow("N'Ko zeros") << "P72" << 12 << "012"
                                << "߀߁߂";
    QTest::newRow("Braille blank") << "P34" << 7 << " 7"
                                   << "⠼⠛";
    QTest::newRow("Morse plus") << "P15" << 10 << "+10"
                                << ".---- -----";
    QTest::newRow("Post code zero") << "P67" << 0 << "0"
                                    << "11100";
    QTest::newRow("Klingon zeros") << "P30" << 7 << "007"
                                   << "007 (Klingon digits)";
    QTest::newRow("Arabic hexadecimal") << "P6" << 26 << "$1A"
                                        << "١";
}

void RowTextTest::digitRowsTakeOnlyTheDigits()
{
    QFETCH(QString, cell);
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QCOMPARE(TextOf(cell.toStdString(), n, typed.toStdString()), text);
}

void RowTextTest::brailleStartsWithTheNumberSign()
{
    for (int n = 0; n <= 79999; n += 7) {
        const QString text = TextOf("P34", n);
        QVERIFY(text.startsWith(u'\u283C'));
        QVERIFY(AllIn(text.mid(1), 0x2801, 0x281B));  // the cells of a..j
        QCOMPARE(text.size(), QString::number(n).size() + 1);
    }
}

void RowTextTest::farsiUsesPersianDigits()
{
    for (int n = 0; n <= 79999; ++n) {
        if (!AllIn(TextOf("P61", n), 0x06F0, 0x06F9))
            QFAIL(qPrintable(QString("Farsi %1: %2").arg(n).arg(TextOf("P61", n))));
    }
}

void RowTextTest::rightToLeftRowsInLogicalOrder_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("Hebrew 15") << "P62" << 15 << "טו";
    QTest::newRow("Hebrew 16") << "P62" << 16 << "טז";
    QTest::newRow("Hebrew 345") << "P62" << 345 << "שמה";
    QTest::newRow("Hebrew 5000") << "P62" << 5000 << "ה׳";
    QTest::newRow("N'Ko 120") << "P72" << 120 << "߁߂߀";
    QTest::newRow("runes 2001") << "P53" << 2001 << "𐳺𐳺𐳿𐳺";
}

void RowTextTest::rightToLeftRowsInLogicalOrder()
{
    QFETCH(QString, cell);
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(TextOf(cell.toStdString(), n), text);
}

// ि (U+093F) is stored after its consonant, never first or after a vowel sign.
void RowTextTest::sanskritVowelFollowsItsConsonant()
{
    for (int n = 1; n <= 79999; ++n) {
        const QList<uint> text = TextOf("P27", n).toUcs4();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == 0x093F && (i == 0 || text[i - 1] < 0x0915 || text[i - 1] > 0x0939))
                QFAIL(qPrintable(QString("Sanskrit %1: %2").arg(n).arg(TextOf("P27", n))));
        }
    }
    QCOMPARE(TextOf("P27", 100), QString("कि"));
}

void RowTextTest::noPrivateUseCharacters()
{
    for (const RowSpec& row : RowsInDisplayOrder()) {
        for (int n : {0, 5, 49, 1994, 46363, 50000, 79999}) {
            for (char32_t c : TextOf(row.cell, n).toUcs4())
                QVERIFY2(c < 0xE000 || c > 0xF8FF, row.caption);
        }
    }
}

void RowTextTest::scriptAndDirection_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("Hebrew") << "P62"
                            << "Hebr" << true;
    QTest::newRow("N'Ko") << "P72"
                          << "Nkoo" << true;
    QTest::newRow("Hungar.Runes") << "P53"
                                  << "Hung" << true;
    QTest::newRow("Arabic") << "P6"
                            << "Arab" << false;
    QTest::newRow("Farsi") << "P61"
                           << "Arab" << false;
    QTest::newRow("Kanji") << "P42"
                           << "Hani" << false;
    QTest::newRow("Korean") << "PB2"
                            << "Hang" << false;
    QTest::newRow("Assyrian") << "PB9"
                              << "Xsux" << false;
    QTest::newRow("Braille") << "P34"
                             << "Brai" << false;
    QTest::newRow("Roman") << "l2"
                           << "Latn" << false;
    QTest::newRow("Sanskrit") << "P27"
                              << "Deva" << false;
    QTest::newRow("Klingon") << "P30"
                             << "Latn" << false;
    QTest::newRow("Adlam") << "Uadlm"
                           << "Adlm" << true;
    QTest::newRow("Kharoshthi") << "Ukhar"
                                << "Khar" << true;
    QTest::newRow("Rohingya") << "Urohg"
                              << "Rohg" << false;  // digits of an RTL script that read left to right
    QTest::newRow("Coptic") << "Ucopt"
                            << "Copt" << false;
    QTest::newRow("Chinese fin.") << "Uhansfin"
                                  << "Hani" << false;
}

void RowTextTest::scriptAndDirection()
{
    QFETCH(QString, cell);
    QFETCH(QString, script);
    QFETCH(bool, rightToLeft);
    for (int n : {0, 1994}) {
        const rowtext::RowText row = rowtext::TextOf(cell.toStdString(), n, std::to_string(n));
        QCOMPARE(QString::fromStdString(row.script), script);
        QCOMPARE(row.direction == Direction::RightToLeft, rightToLeft);
        const std::string isolated = rowtext::Isolated(row);
        if (rightToLeft && !row.text.empty())
            QCOMPARE(isolated, "\u2067" + row.text + "\u2069");
        else
            QCOMPARE(isolated, row.text);
    }
}

void RowTextTest::readings_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("reading");
    QTest::newRow("Roman") << "l2" << 1994 << "M + CM + XC + IV = 1000 + 900 + 90 + 4";
    QTest::newRow("Maya") << "PB7" << 1994 << "5 × 360 + 9 × 20 + 14";
    QTest::newRow("Maya 7200") << "PB7" << 7200 << "1 × 7200";
    QTest::newRow("Kanji") << "P42" << 1994 << "千 + 九百 + 九十 + 四 = 1000 + 900 + 90 + 4";
    QTest::newRow("Arabic") << "P6" << 1994 << "1 9 9 4";
    QTest::newRow("Assyrian") << "PB9" << 46363 << "12 × 3600 + 52 × 60 + 43";
    QTest::newRow("Hieratic") << "PB1" << 46363 << "4 × 10000 + 6000 + 300 + 60 + 3";
    QTest::newRow("Sanskrit") << "P27" << 1994 << "घ + स + धि = 4 + 90 + 1900";
    QTest::newRow("Hebrew 15") << "P62" << 15 << "טו = 15";
    QTest::newRow("runes") << "P53" << 2001 << "𐳺𐳺𐳿 + 𐳺 = 2000 + 1";
    QTest::newRow("Diamond") << "P23" << 1994 << "7 × 256 + 12 × 16 + 10";
    QTest::newRow("Heyarian") << "P39" << 1994 << "4 + 90 + 900 + 1000";
    QTest::newRow("Gujarati") << "Ugujr" << 1994 << "1 9 9 4";
    QTest::newRow("Cyrillic 15") << "Ucyrl" << 15 << "є + і = 5 + 10";
    QTest::newRow("Cyrillic 46363") << "Ucyrl" << 46363
                                    << "҂м + ҂ѕ + т + ѯ + г = 40000 + 6000 + 300 + 60 + 3";
    QTest::newRow("Chinese 2026") << "Uhansfin" << 2026 << "贰仟 + 贰拾 + 陆 = 2000 + 20 + 6";
    QTest::newRow("Chinese 0") << "Uhansfin" << 0 << "零 = 0";
    QTest::newRow("rods") << "Urods" << 2026 << "2 × 1000 + 2 × 10 + 6";
    QTest::newRow("Brahmi old") << "Ubrahadd" << 2026 << "𑁥𑁿𑁓 + 𑁜 + 𑁗 = 2000 + 20 + 6";
}

void RowTextTest::readings()
{
    QFETCH(QString, cell);
    QFETCH(int, n);
    QFETCH(QString, reading);
    QCOMPARE(QString::fromStdString(rowtext::TextOf(cell.toStdString(), n, std::to_string(n)).reading),
             reading);
}

void RowTextTest::readingsAddUp_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("separator");  // between the texts of the parts
    for (const RowSpec& row : RowsInDisplayOrder())
        QTest::newRow(row.caption) << row.cell << (row.cell == std::string("P14") ? " " : "");
}

// Every reading tells the number: "1 9 9 4" digit by digit, "5 × 360 + 9 ×
// 20 + 14" by its terms, "signs + signs = value + value" (for every number
// where 1994, or 19 in a system without a form for 1994, reads so) with
// the signs joined giving the text; "no sign for zero" where the text of 0
// is empty, that the system has no form for the number, or that tallies
// are shown up to 50.
// The text less the marks a reading leaves out of its signs: the titlo over
// a Cyrillic numeral and the blank after its ten-thousands, the 零 that
// stands in an empty place of a Chinese one.
QString WithoutUnreadMarks(const std::string& text, const QString& separator)
{
    QString rest = QString::fromStdString(text).remove(QChar(0x0483));
    if (rest != QChar(0x96F6))
        rest.remove(QChar(0x96F6));
    return separator.isEmpty() ? rest.remove(' ') : rest;
}

void RowTextTest::readingsAddUp()
{
    QFETCH(QString, cell);
    QFETCH(QString, separator);
    const int sample = rowtext::NumeralText(cell.toStdString(), 1994, "1994").empty() ? 19 : 1994;
    const bool namesSigns =
        rowtext::TextOf(cell.toStdString(), sample, std::to_string(sample)).reading.find(" = ")
        != std::string::npos;
    for (int n = 0; n <= 79999; ++n) {
        const rowtext::RowText row = rowtext::TextOf(cell.toStdString(), n, std::to_string(n));
        const QString reading = QString::fromStdString(row.reading);
        if (row.text.empty()) {  // no form, no sign for zero, or a tally too long to show
            QCOMPARE(reading,
                     QString(row.noForm   ? rowtext::kNoForm
                                 : n == 0 ? rowtext::kNoSignForZero
                                          : rowtext::kTallyShownUpTo));
            continue;
        }
        const QStringList sides = reading.split(" = ");
        const bool signsGiveTheText = sides.size() == (namesSigns ? 2 : 1)
            && (sides.size() == 1
                || sides[0].split(" + ").join(separator) == WithoutUnreadMarks(row.text, separator));
        if (!signsGiveTheText || ValueOfReading(sides.last()) != n)
            QFAIL(qPrintable(QString("%1, %2: %3").arg(cell).arg(n).arg(reading)));
    }
}

void RowTextTest::explanationsAndUnknownCells()
{
    for (const RowSpec& row : RowsInDisplayOrder())
        QVERIFY2(QString(rowtext::Explanation(row.cell)).size() > 40, row.cell);
    QCOMPARE(QString(rowtext::Explanation("P99")), QString());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, rowtext::TextOf("P99", 1, "1"));
}

QTEST_APPLESS_MAIN(RowTextTest)
#include "RowTextTest.moc"
