// Alphabets whose numerals live on in church books: Georgian, Cyrillic
// (Church Slavonic) and Coptic. Each counts on the Greek model, one letter
// a place, largest first, in any letter case the script has.

#include "Readers.h"

#include <unicode/uchar.h>

namespace recognise {
namespace {

char32_t Lower(char32_t c)
{
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

// ---- Georgian ----

// Mkhedruli: 1..9, 10..90, 100..900, 1000..9000 and 10000 (ჵ). 400 was
// written უ as well as ჳ.
constexpr std::u32string_view kGeorgianLetters = U"აბგდევზჱთიკლმნჲოპჟრსტჳფქღყშჩცძწჭხჴჯჰჵ";
constexpr SignValue kGeorgianVariants[] = {{U'უ', 400}};

// Mtavruli capitals lower-case to Mkhedruli; Asomtavruli capitals to
// Nuskhuri, whose letters stand in Mkhedruli's order.
char32_t Mkhedruli(char32_t c)
{
    c = Lower(c);
    return c >= U'\u2D00' && c <= U'\u2D25' ? c - U'\u2D00' + U'\u10D0' : c;
}

int GeorgianValue(char32_t c)
{
    c = Mkhedruli(c);
    const std::size_t i = kGeorgianLetters.find(c);
    return i == std::u32string_view::npos ? ValueOf(kGeorgianVariants, c) : CountingLetter(i);
}

// ---- Cyrillic ----

// The letters with their values, and the other letters books write for
// some of them (е for є, о for ѻ, ѹ ꙋ ѵ for у, ѡ for ѿ, ѧ for ц, ҁ for ч).
constexpr SignValue kCyrillicLetters[] = {
    {U'а', 1},   {U'в', 2},   {U'г', 3},   {U'д', 4},   {U'є', 5},   {U'е', 5},   {U'ѕ', 6},
    {U'з', 7},   {U'и', 8},   {U'ѳ', 9},   {U'і', 10},  {U'к', 20},  {U'л', 30},  {U'м', 40},
    {U'н', 50},  {U'ѯ', 60},  {U'ѻ', 70},  {U'о', 70},  {U'п', 80},  {U'ч', 90},  {U'ҁ', 90},
    {U'р', 100}, {U'с', 200}, {U'т', 300}, {U'у', 400}, {U'ѹ', 400}, {U'ꙋ', 400}, {U'ѵ', 400},
    {U'ф', 500}, {U'х', 600}, {U'ѱ', 700}, {U'ѿ', 800}, {U'ѡ', 800}, {U'ц', 900}, {U'ѧ', 900}};
constexpr char32_t kCyrillicThousands = U'\u0482';  // ҂ before a letter
constexpr char32_t kTitlo = U'\u0483';

bool IsNumeralDot(char32_t c)
{
    return c == U'.' || c == U'\u00B7';
}

long long PowerOfTen(int place)
{
    long long power = 1;
    for (int i = 0; i < place; ++i)
        power *= 10;
    return power;
}

// Cyrillic letters, places falling, except that 11..19 stand units first
// (єі = 15, ҂є҂і = 15000): a ten right after a unit of its own scale.
struct CyrillicTerms {
    FallingPlaces places;
    int beforeLast = 99;  // the place of the term before the last

    bool isTeen(long long term, int place) const
    {
        return place == places.last + 1 && places.last % 3 == 0 && beforeLast > place
            && term == 10 * PowerOfTen(places.last);
    }

    bool add(long long term)
    {
        const int place = PlaceOf(term);
        const int last = places.last;
        if (term > 0 && isTeen(term, place)) {
            places.sum = Plus(places.sum, term);
            beforeLast = place;
            return true;
        }
        beforeLast = last;
        return places.add(term);
    }
};

// ---- Coptic ----

// ⲁ..ⲑ, ⲓ..ϥ, ⲣ..ⳁ: 1..9, 10..90, 100..900.
constexpr std::u32string_view kCopticLetters = U"ⲁⲃⲅⲇⲉⲋⲍⲏⲑⲓⲕⲗⲙⲛⲝⲟⲡϥⲣⲥⲧⲩⲫⲭⲯⲱⳁ";

// The line over a numeral (one letter's or one spanning letters), and the
// marks of thousands: the double line, a line below, the epact numbers' mark.
bool IsCopticLine(char32_t c)
{
    return c == U'\u0305' || c == U'\u0304' || (c >= U'\uFE24' && c <= U'\uFE26');
}

bool IsCopticThousands(char32_t c)
{
    return c == U'\u033F' || c == U'\u0331' || c == U'\u0332' || c == U'\U000102E0';
}

// A letter's value, or an epact number's (the cursive number forms).
int CopticValue(char32_t c)
{
    const std::size_t i = kCopticLetters.find(Lower(c));
    return i == std::u32string_view::npos ? NumberSignValue(c, UBLOCK_COPTIC_EPACT_NUMBERS)
                                          : CountingLetter(i);
}

}  // namespace

void ReadGeorgian(Text text, Numbers& numbers)
{
    FallingPlaces places;
    for (char32_t c : text) {
        if (!places.add(GeorgianValue(c)))
            return;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

// ҂ before a letter counts it in thousands; a titlo may stand over any
// letter, or over none; a blank may part the thousands from the rest (as
// the row writes ten thousand and more); dots may set the numeral apart.
void ReadCyrillic(Text text, Numbers& numbers)
{
    if (text.size() > 2 && IsNumeralDot(text.front()) && IsNumeralDot(text.back()))
        text = text.substr(1, text.size() - 2);
    CyrillicTerms terms;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool thousands = text[i] == kCyrillicThousands;
        i += thousands ? 1 : 0;
        const int v = i < text.size() ? ValueOf(kCyrillicLetters, Lower(text[i])) : -1;
        if (v < 0 || !terms.add(thousands ? v * 1000LL : v))
            return;
        if (i + 1 < text.size() && text[i + 1] == kTitlo)
            ++i;
        if (i + 1 < text.size() && text[i + 1] == U' ') {
            if (!thousands || i + 2 >= text.size() || text[i + 2] == kCyrillicThousands)
                return;
            ++i;
        }
    }
    if (!text.empty())
        numbers.push_back(terms.places.sum);
}

// A line over every letter, some or none; thousands marked on their letters
// by a double line or a line below, or by ͵ after them all (ⲃ͵ⲓⲇ = 2014).
void ReadCoptic(Text text, Numbers& numbers)
{
    FallingPlaces places;
    bool thousandsMarked = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kLowerNumeralSign && places.sum > 0 && !thousandsMarked) {
            places.sum = Times(places.sum, 1000);
            places.last += 3;
            thousandsMarked = true;
            continue;
        }
        const char32_t mark = i + 1 < text.size() ? text[i + 1] : 0;
        const bool thousands = IsCopticThousands(mark);
        const int v = CopticValue(text[i]);
        if (v < 0 || !places.add(thousands ? v * 1000LL : v))
            return;
        i += thousands || IsCopticLine(mark) ? 1 : 0;
        thousandsMarked = thousandsMarked || thousands;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

}  // namespace recognise
