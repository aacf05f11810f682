// Systems of signs that add up or multiply: Egyptian hieroglyphs, the
// Greek acrophonic signs, Old Hungarian, Ethiopic, the Chinese, Korean,
// Suzhou and Tamil numerals, Manchu number words, and the place-value
// signs of the Maya and the cuneiform pictures.

#include "Readers.h"
#include "Recognise.h"

#include <algorithm>

namespace recognise {
namespace {

// Signs that add up in any order.
template <std::size_t N>
void AddUp(Text text, const SignValue (&signs)[N], Numbers& numbers)
{
    long long sum = 0;
    for (char32_t c : text) {
        const int v = ValueOf(signs, c);
        if (v < 0)
            return;
        sum = Plus(sum, v);
    }
    if (!text.empty())
        numbers.push_back(sum);
}

constexpr SignValue kEgyptian[] = {{U'\U000133E4', 1},      {U'\U00013386', 10},    {U'\U00013362', 100},
                                   {U'\U000131BC', 1000},   {U'\U000130AD', 10000}, {U'\U00013190', 100000},
                                   {U'\U00013068', 1000000}};

// The Greek capitals and the Attic acrophonic signs; Π is five as well.
constexpr SignValue kAcrophonic[] = {{U'Ι', 1},
                                     {U'Π', 5},
                                     {U'\U00010143', 5},
                                     {U'Δ', 10},
                                     {U'\U00010144', 50},
                                     {U'Η', 100},
                                     {U'\U00010145', 500},
                                     {U'Χ', 1000},
                                     {U'\U00010146', 5000},
                                     {U'Μ', 10000},
                                     {U'\U00010147', 50000}};

constexpr SignValue kOldHungarian[] = {
    {U'\U00010CFA', 1}, {U'\U00010CFB', 5}, {U'\U00010CFC', 10}, {U'\U00010CFD', 50}, {U'\U00010CFE', 100}};
constexpr char32_t kOldHungarianThousand = U'\U00010CFF';

// ---- Multiplying signs ----

// The financial signs first (零 and the capital digits, simplified and
// traditional), then the everyday ones and the Japanese capitals.
constexpr SignValue kChineseDigits[] = {
    {U'零', 0}, {U'壹', 1}, {U'贰', 2}, {U'貳', 2}, {U'叁', 3}, {U'參', 3}, {U'肆', 4},
    {U'伍', 5}, {U'陆', 6}, {U'陸', 6}, {U'柒', 7}, {U'捌', 8}, {U'玖', 9}, {U'〇', 0},
    {U'一', 1}, {U'壱', 1}, {U'二', 2}, {U'弐', 2}, {U'两', 2}, {U'兩', 2}, {U'三', 3},
    {U'参', 3}, {U'四', 4}, {U'五', 5}, {U'六', 6}, {U'七', 7}, {U'八', 8}, {U'九', 9}};
constexpr std::size_t kFinancialDigits = 13;
constexpr SignValue kChinesePowers[] = {{U'拾', 10}, {U'佰', 100}, {U'仟', 1000},
                                        {U'十', 10}, {U'百', 100}, {U'千', 1000}};
constexpr std::size_t kFinancialPowers = 3;
constexpr SignValue kSuzhouDigits[] = {{U'〇', 0}, {U'一', 1}, {U'〡', 1}, {U'二', 2}, {U'〢', 2},
                                       {U'三', 3}, {U'〣', 3}, {U'〤', 4}, {U'〥', 5}, {U'〦', 6},
                                       {U'〧', 7}, {U'〨', 8}, {U'〩', 9}};
constexpr SignValue kSuzhouPowers[] = {{U'十', 10}, {U'百', 100}, {U'千', 1000}};
constexpr SignValue kKoreanDigits[] = {{U'일', 1}, {U'이', 2}, {U'삼', 3}, {U'사', 4}, {U'오', 5},
                                       {U'육', 6}, {U'칠', 7}, {U'팔', 8}, {U'구', 9}};
constexpr SignValue kKoreanPowers[] = {{U'십', 10}, {U'백', 100}, {U'천', 1000}};
constexpr SignValue kTamilDigits[] = {{U'௦', 0}, {U'௧', 1}, {U'௨', 2}, {U'௩', 3}, {U'௪', 4},
                                      {U'௫', 5}, {U'௬', 6}, {U'௭', 7}, {U'௮', 8}, {U'௯', 9}};
constexpr SignValue kTamilPowers[] = {{U'௰', 10}, {U'௱', 100}};
// The old Malayalam numerals have no zero.
constexpr SignValue kMalayalamDigits[] = {{U'൧', 1}, {U'൨', 2}, {U'൩', 3}, {U'൪', 4}, {U'൫', 5},
                                          {U'൬', 6}, {U'൭', 7}, {U'൮', 8}, {U'൯', 9}};
constexpr SignValue kMalayalamPowers[] = {{U'൰', 10}, {U'൱', 100}};
constexpr SignValue kTangutDigits[] = {{U'\U00018229', 1}, {U'\U0001736B', 2}, {U'\U00018555', 3},
                                       {U'\U00017943', 4}, {U'\U000173C1', 5}, {U'\U00017901', 6},
                                       {U'\U000174B9', 7}, {U'\U0001824B', 8}, {U'\U000178AD', 9}};
constexpr SignValue kTangutPowers[] = {{U'\U00017C17', 10}, {U'\U0001829D', 100}, {U'\U0001785E', 1000}};

// Digits (0 as a filler between terms), the powers within a group and the
// signs that multiply the group before them (10000, or 1000 for Tamil).
struct Multiplying {
    Signs digits;
    Signs powers;
    char32_t groupSigns[2];
    int groupValue;
    bool digitByDigit;      // digits alone read place by place (二〇二六 = 2026)
    bool spaceAfterPowers;  // Korean spacing
    // Digits alone read place by place where one of them is one of these
    // figures (Suzhou: 〢〣 = 23, the place written beside the line).
    char32_t firstFigure;
    char32_t lastFigure;
};

constexpr Multiplying kChinese = {
    SignsOf(kChineseDigits), SignsOf(kChinesePowers), {U'万', U'萬'}, 10000, true, false, 0, 0};
constexpr Multiplying kChineseFinancial = {{kChineseDigits, kChineseDigits + kFinancialDigits},
                                           {kChinesePowers, kChinesePowers + kFinancialPowers},
                                           {U'万', U'萬'},
                                           10000,
                                           false,
                                           false,
                                           0,
                                           0};
constexpr Multiplying kSuzhou = {
    SignsOf(kSuzhouDigits), SignsOf(kSuzhouPowers), {U'万', U'万'}, 10000, false, false, U'〡', U'〩'};
constexpr Multiplying kKorean = {
    SignsOf(kKoreanDigits), SignsOf(kKoreanPowers), {U'만', U'만'}, 10000, false, true, 0, 0};
constexpr Multiplying kTamil = {
    SignsOf(kTamilDigits), SignsOf(kTamilPowers), {U'௲', U'௲'}, 1000, false, false, 0, 0};
constexpr Multiplying kMalayalam = {
    SignsOf(kMalayalamDigits), SignsOf(kMalayalamPowers), {U'൲', U'൲'}, 1000, false, false, 0, 0};
constexpr Multiplying kTangut = {SignsOf(kTangutDigits),
                                 SignsOf(kTangutPowers),
                                 {U'\U00017551', U'\U00017551'},
                                 10000,
                                 false,
                                 false,
                                 0,
                                 0};

enum class Token { None, Digit, Zero, Power, Group, Space };

// A digit before a power multiplies it (one when there is none), powers
// fall within a group, and the group sign multiplies the group before it.
long long MultipliedGroups(Text text, const Multiplying& signs)
{
    long long total = 0;
    long long group = 0;
    int digit = -1;
    long long lastPower = kLargestValue;
    bool grouped = false;
    Token last = Token::None;
    for (char32_t c : text) {
        const int d = ValueOf(signs.digits, c);
        const int p = ValueOf(signs.powers, c);
        const bool after = last == Token::Power || last == Token::Group;
        if (c == U' ' && signs.spaceAfterPowers && after) {
            last = Token::Space;
        } else if (d == 0 && after) {
            last = Token::Zero;
        } else if (d > 0 && digit < 0) {
            digit = d;
            last = Token::Digit;
        } else if (p > 0 && p < lastPower && last != Token::Zero) {
            group += static_cast<long long>(digit < 0 ? 1 : digit) * p;
            lastPower = p;
            digit = -1;
            last = Token::Power;
        } else if ((c == signs.groupSigns[0] || c == signs.groupSigns[1]) && !grouped
                   && last != Token::Zero) {
            const long long before = group + (digit < 0 ? 0 : digit);
            total = (before == 0 ? 1 : before) * signs.groupValue;
            group = 0;
            digit = -1;
            lastPower = signs.groupValue;
            grouped = true;
            last = Token::Group;
        } else {
            return -1;
        }
    }
    return last == Token::Zero || last == Token::Space || last == Token::None
        ? -1
        : total + group + (digit < 0 ? 0 : digit);
}

long long DigitByDigit(Text text, const Multiplying& signs)
{
    long long n = 0;
    for (char32_t c : text) {
        const int d = ValueOf(signs.digits, c);
        if (d < 0 || d > 9)
            return -1;
        n = Plus(Times(n, 10), d);
    }
    return text.empty() ? -1 : n;
}

// Digits of the system from the first, one of the figures among them.
bool HasFigure(Text text, const Multiplying& signs)
{
    return signs.firstFigure != 0 && !text.empty() && ValueOf(signs.digits, text.front()) >= 0
        && std::any_of(text.begin(), text.end(),
                       [&](char32_t c) { return c >= signs.firstFigure && c <= signs.lastFigure; });
}

void ReadMultiplying(Text text, const Multiplying& signs, Numbers& numbers)
{
    // A lone digit reads as itself, zero too (Tamil's ௦).
    const bool digitByDigit = signs.digitByDigit || text.size() == 1 || HasFigure(text, signs);
    long long n = digitByDigit ? DigitByDigit(text, signs) : -1;
    // 9999 × 10000 takes 18 signs: a longer text is no numeral of groups.
    if (n < 0 && text.size() <= 64)
        n = MultipliedGroups(text, signs);
    if (n >= 0)
        numbers.push_back(n);
}

// ---- Ethiopic ----

constexpr char32_t kEthiopicHundred = U'\u137B';
constexpr char32_t kEthiopicMyriad = U'\u137C';

int EthiopicValue(char32_t c)
{
    return LetterValue(c, U'\u1369', 18);
}

// ---- Manchu ----

struct Word {
    std::u32string_view word;
    int value;
};
constexpr Word kManchuNumbers[] = {{U"\u185D\u182E\u1860", 1},
                                   {U"\u1835\u1860\u1838\u185D", 2},
                                   {U"\u1873\u182F\u1820\u1828", 3},
                                   {U"\u1869\u1860\u1873\u1828", 4},
                                   {U"\u1830\u1860\u1828\u1835\u1820", 5},
                                   {U"\u1828\u1873\u1829\u1864\u1860\u1828", 6},
                                   {U"\u1828\u1820\u1869\u1820\u1828", 7},
                                   {U"\u1835\u1820\u1874\u1861\u1828", 8},
                                   {U"\u1860\u1836\u1860\u1828", 9},
                                   {U"\u1835\u1860\u1838\u1820\u1828", 10},
                                   {U"\u1868\u1823\u1876\u1823\u1865\u1823\u1828", 15},
                                   {U"\u1823\u1875\u1873\u1828", 20},
                                   {U"\u1864\u1861\u1830\u1873\u1828", 30},
                                   {U"\u1869\u185D\u1865\u1873", 40},
                                   {U"\u1830\u1860\u1830\u1820\u1873", 50},
                                   {U"\u1828\u1873\u1828\u1835\u1860", 60},
                                   {U"\u1828\u1820\u1869\u1820\u1828\u1835\u1860", 70},
                                   {U"\u1835\u1820\u1874\u1861\u1828\u1835\u1860", 80},
                                   {U"\u1860\u1836\u1860\u1828\u1835\u1860", 90}};
constexpr Word kManchuPowers[] = {{U"\u1868\u1820\u1829\u1864\u1861", 100},
                                  {U"\u182E\u1873\u1829\u1864\u1820\u1828", 1000},
                                  {U"\u1868\u1860\u182E\u185D\u1828", 10000}};

template <std::size_t N>
int WordValue(const Word (&words)[N], Text word)
{
    for (const Word& w : words) {
        if (w.word == word)
            return w.value;
    }
    return -1;
}

// ---- Cuneiform ----

constexpr SignValue kCuneiformUnits[] = {
    {U'\U00012472', 0}, {U'\U00012079', 1}, {U'\U0001222B', 2}, {U'\U00012408', 3}, {U'\U0001243C', 4},
    {U'\U0001240A', 5}, {U'\U0001240B', 6}, {U'\U00012442', 7}, {U'\U00012444', 8}, {U'\U00012446', 9}};
constexpr char32_t kCuneiformTen = U'\U0001230B';

}  // namespace

void ReadEgyptian(Text text, Numbers& numbers)
{
    AddUp(text, kEgyptian, numbers);
}

void ReadGreekAcrophonic(Text text, Numbers& numbers)
{
    AddUp(text, kAcrophonic, numbers);
}

// The signs add up in any order; the thousand sign multiplies those before
// it (one when there are none).
void ReadOldHungarian(Text text, Numbers& numbers)
{
    const std::size_t mark = text.find(kOldHungarianThousand);
    const Text rest = mark == Text::npos ? text : text.substr(mark + 1);
    Numbers parts;
    if (mark != Text::npos && mark > 0)
        AddUp(text.substr(0, mark), kOldHungarian, parts);
    const long long thousands = mark == Text::npos ? 0 : mark == 0 ? 1 : parts.empty() ? -1 : parts[0];
    parts.clear();
    AddUp(rest, kOldHungarian, parts);
    const long long below = rest.empty() ? 0 : parts.empty() ? -1 : parts[0];
    if (thousands >= 0 && below >= 0)
        numbers.push_back(Plus(Times(thousands, 1000), below));
}

// Pairs of a tens and a units letter; ፻ multiplies the pair before it by
// 100 (one when there is none), ፼ all before it by 10000. Both the
// standard form (፲፱፻፺፬) and the Amharic row's (፲፻፱፻፺፬) read so.
void ReadEthiopic(Text text, Numbers& numbers)
{
    long long total = 0;
    long long hundreds = 0;
    long long pair = 0;
    char32_t last = 0;
    for (char32_t c : text) {
        const int v = EthiopicValue(c);
        if (v > 0 && ((v < 10 && pair % 10 == 0) || (v >= 10 && pair == 0))) {
            pair += v;
        } else if (c == kEthiopicHundred && last != kEthiopicHundred) {
            hundreds = Plus(hundreds, (pair == 0 ? 1 : pair) * 100);
            pair = 0;
        } else if (c == kEthiopicMyriad) {
            const long long before = Plus(Plus(total, hundreds), pair);
            total = Times(before == 0 ? 1 : before, 10000);
            hundreds = 0;
            pair = 0;
        } else {
            return;
        }
        last = c;
    }
    if (!text.empty())
        numbers.push_back(Plus(Plus(total, hundreds), pair));
}

void ReadChinese(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kChinese, numbers);
}

// Only the financial signs: the everyday ones are what they guard against.
void ReadChineseFinancial(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kChineseFinancial, numbers);
}

void ReadSuzhou(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kSuzhou, numbers);
}

// Suzhou digits place by place (〡〩〩〤 = 1994), with the lying 一 二 三
// that alternate with the upright 〡 〢 〣 anywhere; at least one Hangzhou
// sign, so that a text of Chinese digits alone stays Chinese.
void ReadSuzhouDigits(Text text, Numbers& numbers)
{
    const bool hangzhou =
        std::any_of(text.begin(), text.end(), [](char32_t c) { return c >= U'〡' && c <= U'〩'; });
    const long long n = hangzhou ? DigitByDigit(text, kSuzhou) : -1;
    if (n >= 0)
        numbers.push_back(n);
}

void ReadKorean(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kKorean, numbers);
}

// A Chinese numeral made only of the signs of `signs`, read as the Kanji row reads it.
void ReadChineseOf(Text text, std::u32string_view signs, Numbers& numbers)
{
    for (char32_t c : text) {
        if (signs.find(c) == std::u32string_view::npos)
            return;
    }
    ReadMultiplying(text, kChinese, numbers);
}

// The everyday signs, simplified or traditional, and 〇 and 两 as people write them.
void ReadChineseEveryday(Text text, Numbers& numbers)
{
    ReadChineseOf(text, U"零〇一二两兩三四五六七八九十百千万萬", numbers);
}

// The Japanese financial signs and the everyday ones they keep, with 万 as
// people write it today.
void ReadDaiji(Text text, Numbers& numbers)
{
    ReadChineseOf(text, U"零壱弐参四伍六七八九拾百千萬万", numbers);
}

void ReadTamilTraditional(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kTamil, numbers);
}

void ReadMalayalamTraditional(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kMalayalam, numbers);
}

// Tangut numerals on the Chinese model: a digit before 100, 1000 and 10000,
// 10 written alone.
void ReadTangut(Text text, Numbers& numbers)
{
    ReadMultiplying(text, kTangut, numbers);
}

// Words between single blanks: numbers add up within a group, a power
// word multiplies the group.
void ReadManchu(Text text, Numbers& numbers)
{
    long long n = 0;
    long long group = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(U' ', start), text.size());
        const Text word = text.substr(start, end - start);
        const int number = WordValue(kManchuNumbers, word);
        const int power = number < 0 ? WordValue(kManchuPowers, word) : -1;
        if (number < 0 && power < 0)
            return;
        group = number > 0 ? Plus(group, number) : group;
        n = power > 0 ? Plus(n, Times(group == 0 ? 1 : group, power)) : n;
        group = power > 0 ? 0 : group;
        start = end + 1;
    }
    if (!text.empty() && text.back() != U' ')
        numbers.push_back(Plus(n, group));
}

// One Mayan numeral a place, the places 7200, 360, 20 and 1 from the last.
void ReadMaya(Text text, Numbers& numbers)
{
    constexpr int kPlaces[] = {1, 20, 360, 7200};
    if (text.empty() || text.size() > 4)
        return;
    long long n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[text.size() - 1 - i];
        if (c < U'\U0001D2E0' || c > U'\U0001D2F3')
            return;
        n += static_cast<long long>(c - U'\U0001D2E0') * kPlaces[i];
    }
    numbers.push_back(n);
}

// Base-60 places between single blanks: tens wedges, then one unit sign
// (the empty place's sign for none).
void ReadCuneiform(Text text, Numbers& numbers)
{
    long long n = 0;
    int place = 0;
    bool unit = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char32_t c = i < text.size() ? text[i] : U' ';
        const int u = ValueOf(kCuneiformUnits, c);
        if (c == U' ' && (place > 0 || unit)) {
            n = Plus(Times(n, 60), place);
            place = 0;
            unit = false;
        } else if (c == kCuneiformTen && !unit && place < 50) {
            place += 10;
        } else if (u >= 0 && !unit) {
            place += u;
            unit = true;
        } else {
            return;
        }
    }
    numbers.push_back(n);
}

}  // namespace recognise
