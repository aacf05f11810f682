// The rows' texts against ICU, where ICU writes the same system the same way.

#include "numerals/text/RowText.h"

#include <QTest>

#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

namespace {

std::string Utf8(const icu::UnicodeString& s)
{
    std::string out;
    return s.toUTF8String(out);
}

std::unique_ptr<icu::NumberFormat> NumberingSystem(const char* name)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(icu::Locale((std::string("en@numbers=") + name).c_str()), status));
    if (U_FAILURE(status))
        return nullptr;
    format->setGroupingUsed(false);
    return format;
}

std::unique_ptr<icu::NumberFormat> Spellout(const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    auto format =
        std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT, icu::Locale(locale), status);
    return U_FAILURE(status) ? nullptr : std::move(format);
}

std::string Formatted(const icu::NumberFormat& format, int n)
{
    icu::UnicodeString s;
    format.format(static_cast<int32_t>(n), s);
    return Utf8(s);
}

std::string Without(std::string s, const std::string& what)
{
    for (std::size_t i = s.find(what); i != std::string::npos; i = s.find(what, i))
        s.erase(i, what.size());
    return s;
}

// ICU's Greek numerals in the row's conventions: ϛ and ϙ for 6 and 90, no
// keraia, no spaces, the myriad as a capital and without a count of one
// before it (ICU: "αμ´", "δμ ͵ϝτξγ´"; row: "Μ", "δΜ͵ϛτξγ"). ICU writes
// letters largest first, so a μ after a units letter (not a thousands
// letter ͵α) is the myriad sign.
std::string AsIonicRow(std::string s)
{
    const icu::UnicodeString units =
        icu::UnicodeString::fromUTF8("\u03B1\u03B2\u03B3\u03B4\u03B5\u03DD\u03B6\u03B7\u03B8");
    const icu::UnicodeString in = icu::UnicodeString::fromUTF8(s);
    icu::UnicodeString out;
    for (int32_t i = 0; i < in.length(); ++i) {
        const char16_t c = in[i];
        if (c == u'\u03BC' && i > 0 && units.indexOf(in[i - 1]) >= 0 && (i < 2 || in[i - 2] != u'\u0375')) {
            if (out.length() == 1 && out[0] == u'\u03B1')
                out.remove();
            out.append(u'\u039C');
        } else if (c == u'\u03DD') {
            out.append(u'\u03DB');
        } else if (c == u'\u03DF') {
            out.append(u'\u03D9');
        } else if (c != u'\u00B4' && c != u'\u0374' && c != u' ') {
            out.append(c);
        }
    }
    return Utf8(out);
}

struct Comparison {
    const char* cell;
    int first;
    int last;
};

void CompareRange(const icu::NumberFormat& format, const Comparison& range,
                  std::string (*normalise)(std::string) = nullptr)
{
    for (int n = range.first; n <= range.last; ++n) {
        std::string expected = Formatted(format, n);
        if (normalise != nullptr)
            expected = normalise(expected);
        const std::string text = rowtext::NumeralText(range.cell, n, std::to_string(n));
        if (text != expected)
            QFAIL(qPrintable(QStringLiteral("%1 at %2: row %3, ICU %4")
                                 .arg(range.cell)
                                 .arg(n)
                                 .arg(QString::fromStdString(text), QString::fromStdString(expected))));
    }
}

std::string WithoutSpaces(std::string s)
{
    return Without(s, " ");
}

// ICU's Georgian numerals (CLDR's rule set) give 400 the letter უ and every
// value from 500 to 10000 the letter that the W3C list, which the row
// follows, gives the value before it (ICU's 10000 is the row's 8000, ჯ;
// ჰ is left out). Mapped letter by letter, value by value.
std::string AsGeorgianRow(std::string s)
{
    // 400..900, 1000..9000, 10000.
    const icu::UnicodeString icuLetters = icu::UnicodeString::fromUTF8("უჳფქღყშჩცძწჭხჴჵჯ");
    const icu::UnicodeString rowLetters = icu::UnicodeString::fromUTF8("ჳფქღყშჩცძწჭხჴჯჰჵ");
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(s);
    for (int32_t i = 0; i < text.length(); ++i) {
        if (const int32_t at = icuLetters.indexOf(text[i]); at >= 0)
            text.setCharAt(i, rowLetters[at]);
    }
    return Utf8(text);
}

// CLDR's financial numerals, simplified and traditional, leave out the 壹
// before a leading 拾 (10 is 拾); on cheques, as in the rows, it is
// written (壹拾).
std::string AsFinancialRow(std::string s)
{
    const std::string ten = "拾";
    return s.compare(0, ten.size(), ten) == 0 ? "壹" + s : s;
}

// CLDR's Japanese financial numerals leave out 壱 before 拾 wherever the
// tens digit is one (拾九, 壱百拾); the row, as Japanese documents and the
// other two financial rows, writes it (壱拾九, 壱百壱拾). A 拾 after a digit
// is multiplied by it; one after a power sign or at the start stands alone.
std::string AsDaijiRow(std::string s)
{
    const icu::UnicodeString digits = icu::UnicodeString::fromUTF8("壱弐参四伍六七八九");
    const icu::UnicodeString in = icu::UnicodeString::fromUTF8(s);
    icu::UnicodeString out;
    for (int32_t i = 0; i < in.length(); ++i) {
        if (in[i] == u'拾' && (i == 0 || digits.indexOf(in[i - 1]) < 0))
            out.append(u'壱');
        out.append(in[i]);
    }
    return Utf8(out);
}

// ICU's Roman numerals write M for 1000, where the row writes ↀ.
std::string AsApostrophusRow(std::string s)
{
    for (std::size_t i = s.find('M'); i != std::string::npos; i = s.find('M', i))
        s.replace(i, 1, "\u2180");
    return s;
}

}  // namespace

class RowTextIcuTest : public QObject {
    Q_OBJECT

private slots:
    void digitRows_data();
    void digitRows();
    void spelledRows_data();
    void spelledRows();
    void ionicAgreesOnceNormalised();
    void thirdPageSystems_data();
    void thirdPageSystems();
    void financialRowsAgree();
};

// Every digit in every place shows up below 10000; the top of the range too.
void RowTextIcuTest::digitRows_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("system");
    // clang-format off
    const char* rows[][2] = {
        {"P6", "arab"},  {"P60", "beng"}, {"P63", "deva"},    {"P61", "arabext"}, {"P71", "tibt"},
        {"P33", "brah"}, {"P65", "knda"}, {"P24", "kali"},    {"P73", "khmr"},    {"P66", "laoo"},
        {"P12", "mong"}, {"P68", "osma"}, {"P69", "tamldec"}, {"P70", "thai"},    {"P72", "nkoo"},
        // Number signs 4: the scripts' digits, the display code and the Chinese digits
        {"Uahom", "ahom"}, {"Ubhks", "bhks"}, {"Ucham", "cham"}, {"Uhanidec", "hanidec"}, {"Ugong", "gong"},
        {"Usind", "sind"}, {"Ugonm", "gonm"}, {"Umodi", "modi"}, {"Umroo", "mroo"}, {"Utalu", "talu"},
        {"Unewa", "newa"}, {"Uhmnp", "hmnp"}, {"Uhmng", "hmng"}, {"Usaur", "saur"}, {"Usegment", "segment"},
        {"Umymrshan", "mymrshan"}, {"Ushrd", "shrd"}, {"Usora", "sora"}, {"Umymrtlng", "mymrtlng"},
        {"Utakr", "takr"}, {"Ulanatham", "lanatham"}, {"Utirh", "tirh"}, {"Uwcho", "wcho"}, {"Uwara", "wara"},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::newRow(row[1]) << row[0] << row[1];
}

void RowTextIcuTest::digitRows()
{
    QFETCH(QString, cell);
    QFETCH(QString, system);
    const auto format = NumberingSystem(system.toLatin1().constData());
    QVERIFY(format != nullptr);
    const std::string c = cell.toStdString();
    CompareRange(*format, {c.c_str(), 0, 9999});
    CompareRange(*format, {c.c_str(), 79990, 79999});
}

void RowTextIcuTest::spelledRows_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("source");  // "spellout:<locale>" or a numbering system
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("ignoreSpaces");
    QTest::newRow("Kanji") << "P42"
                           << "spellout:ja" << 9999 << false;
    QTest::newRow("Korean") << "PB2"
                            << "spellout:ko" << 79999 << true;
    QTest::newRow("Roman") << "l2"
                           << "roman" << 3999 << false;
    QTest::newRow("Armenian") << "P40"
                              << "armn" << 9999 << false;
}

void RowTextIcuTest::spelledRows()
{
    QFETCH(QString, cell);
    QFETCH(QString, source);
    QFETCH(int, last);
    QFETCH(bool, ignoreSpaces);
    const std::string name = source.section(u':', -1).toStdString();
    const auto format =
        source.startsWith("spellout:") ? Spellout(name.c_str()) : NumberingSystem(name.c_str());
    QVERIFY(format != nullptr);
    const std::string c = cell.toStdString();
    CompareRange(*format, {c.c_str(), 1, last}, ignoreSpaces ? &WithoutSpaces : nullptr);
}

// ICU's Greek numerals differ from the row only in conventions (see AsIonicRow).
void RowTextIcuTest::ionicAgreesOnceNormalised()
{
    const auto format = NumberingSystem("greklow");
    QVERIFY(format != nullptr);
    CompareRange(*format, {"P64", 1, 79999}, &AsIonicRow);
}

// The systems of the third and fifth pages that ICU writes, over the range
// ICU writes them in the same system (Georgian stops at 19999, where its
// letters end; the Roman row has no form for 0, which ICU writes N).
void RowTextIcuTest::thirdPageSystems_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("Georgian") << "Ugeor"
                              << "geor" << 1 << 19999;
    QTest::newRow("Cyrillic") << "Ucyrl"
                              << "cyrl" << 1 << 79999;
    QTest::newRow("Tamil old") << "Utaml"
                               << "taml" << 0 << 79999;
    QTest::newRow("Chinese fin.") << "Uhansfin"
                                  << "hansfin" << 0 << 79999;
    QTest::newRow("Chinese") << "Uhans"
                             << "hans" << 0 << 79999;
    QTest::newRow("Trad. fin.") << "Uhantfin"
                                << "hantfin" << 0 << 79999;
    QTest::newRow("Daiji") << "Ujpanfin"
                           << "jpanfin" << 0 << 79999;
    QTest::newRow("Roman ↀↁↂ") << "Uromapos"
                               << "roman" << 1 << 79999;
}

void RowTextIcuTest::thirdPageSystems()
{
    QFETCH(QString, cell);
    QFETCH(QString, system);
    QFETCH(int, first);
    QFETCH(int, last);
    const auto format = NumberingSystem(system.toLatin1().constData());
    QVERIFY(format != nullptr);
    const std::string c = cell.toStdString();
    std::string (*normalise)(std::string) = nullptr;
    if (system == "geor")
        normalise = &AsGeorgianRow;
    else if (system == "hansfin")
        normalise = &AsFinancialRow;
    else if (system == "hantfin")
        normalise = &AsFinancialRow;
    else if (system == "jpanfin")
        normalise = &AsDaijiRow;
    else if (system == "roman")
        normalise = &AsApostrophusRow;
    CompareRange(*format, {c.c_str(), first, last}, normalise);
}

// The simplified and the traditional financial rows write every number
// alike, sign for sign, but for the four signs that differ (贰 貳, 叁 參,
// 陆 陸, 万 萬).
void RowTextIcuTest::financialRowsAgree()
{
    const icu::UnicodeString simplified = icu::UnicodeString::fromUTF8("贰叁陆万");
    const icu::UnicodeString traditional = icu::UnicodeString::fromUTF8("貳參陸萬");
    for (int n = 0; n <= 79999; ++n) {
        icu::UnicodeString text = icu::UnicodeString::fromUTF8(rowtext::NumeralText("Uhansfin", n, ""));
        for (int32_t i = 0; i < text.length(); ++i) {
            if (const int32_t at = simplified.indexOf(text[i]); at >= 0)
                text.setCharAt(i, traditional[at]);
        }
        const std::string expected = Utf8(text);
        const std::string row = rowtext::NumeralText("Uhantfin", n, "");
        if (row != expected)
            QFAIL(qPrintable(QStringLiteral("%1: %2, simplified %3")
                                 .arg(n)
                                 .arg(QString::fromStdString(row), QString::fromStdString(expected))));
    }
}

QTEST_APPLESS_MAIN(RowTextIcuTest)
#include "RowTextIcuTest.moc"
