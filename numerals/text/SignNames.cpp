#include "RowText.h"
#include "Translatable.h"

#include <string>

// The names of the drawn signs of the rows Unicode does not encode: the
// row's noun for its signs and the sign's name in the row's stand-in (the
// flag's letter, the digit in its base) or its value.

namespace rowtext {
namespace {

struct SignNoun {
    const char* cell;
    const char* noun;
    bool byValue;  // named by its value, not by the stand-in's text for it
};

constexpr SignNoun kSignNouns[] = {
    {"P26", TALLYRA_TRANSLATE_NOOP("RowText", "counting hand"), false},
    {"P39", TALLYRA_TRANSLATE_NOOP("RowText", "Heyarian tally mark"), true},
    {"P22", TALLYRA_TRANSLATE_NOOP("RowText", "Maya head glyph"), true},
    {"P7", TALLYRA_TRANSLATE_NOOP("RowText", "Semaphore flag"), false},
    {"P29", TALLYRA_TRANSLATE_NOOP("RowText", "staff numeral"), false},
    {"P8", TALLYRA_TRANSLATE_NOOP("RowText", "Ath digit"), false},
    {"P35", TALLYRA_TRANSLATE_NOOP("RowText", "dancing-men figure"), false},
    {"P23", TALLYRA_TRANSLATE_NOOP("RowText", "Diamond digit"), false},
    {"P31", TALLYRA_TRANSLATE_NOOP("RowText", "D'Ni digit"), false},
    {"P13", TALLYRA_TRANSLATE_NOOP("RowText", "Dual code digit"), false},
    {"P49", TALLYRA_TRANSLATE_NOOP("RowText", "Ecclemony digit"), false},
    {"P48", TALLYRA_TRANSLATE_NOOP("RowText", "Four Line digit"), false},
    {"P10", TALLYRA_TRANSLATE_NOOP("RowText", "Futurama digit"), false},
    {"P18", TALLYRA_TRANSLATE_NOOP("RowText", "Gorwelion digit"), false},
    {"PB1", TALLYRA_TRANSLATE_NOOP("RowText", "hieratic sign"), true},
    {"P30", TALLYRA_TRANSLATE_NOOP("RowText", "Klingon digit"), false},
    {"P19", TALLYRA_TRANSLATE_NOOP("RowText", "Narn digit"), false},
    {"P9", TALLYRA_TRANSLATE_NOOP("RowText", "Oxidilogi digit"), false},
    {"P4", TALLYRA_TRANSLATE_NOOP("RowText", "Pékrif digit"), false},
    {"P67", TALLYRA_TRANSLATE_NOOP("RowText", "Post code bars"), false},
    {"P45", TALLYRA_TRANSLATE_NOOP("RowText", "Quadnary digit"), false},
    {"P57", TALLYRA_TRANSLATE_NOOP("RowText", "SpaceKees digit"), false},
    {"P20", TALLYRA_TRANSLATE_NOOP("RowText", "Stargate digit"), false},
    {"P21", TALLYRA_TRANSLATE_NOOP("RowText", "Tenctonese digit"), false},
    {"P17", TALLYRA_TRANSLATE_NOOP("RowText", "Zentlardy digit"), false},
};

const SignNoun* NounOf(const std::string& cell)
{
    for (const SignNoun& noun : kSignNouns) {
        if (cell == noun.cell)
            return &noun;
    }
    return nullptr;
}

// The stand-in's text for one sign without what it adds around the
// digits: a label in brackets, "as counting hands: ...", brackets.
std::string Bare(std::string text)
{
    for (const char* tail : {" (", " as "}) {
        const std::size_t at = text.find(tail);
        if (at != std::string::npos)
            text.erase(at);
    }
    if (text.size() >= 2 && (text.front() == '(' || text.front() == '['))
        text = text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::string SignDescription(const std::string& cell, long long value)
{
    const SignNoun* noun = NounOf(cell);
    const std::string number = std::to_string(value);
    if (noun == nullptr)
        return number;
    if (noun->byValue || value < 0 || value > 79999)
        return Translated(noun->noun) + " " + number;
    const int n = static_cast<int>(value);
    return Translated(noun->noun) + " " + Bare(NumeralText(cell, n, number));
}

std::string MarkDescription(const std::string& cell, const std::string& role)
{
    const SignNoun* noun = NounOf(cell);
    if (noun == nullptr)
        return Translated(role.c_str());
    return Translated(TALLYRA_TRANSLATE_NOOP("RowText", "mark that %1 (%2s)"), Translated(role.c_str()),
                      Translated(noun->noun));
}

}  // namespace rowtext
