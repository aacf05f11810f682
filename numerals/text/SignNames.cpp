#include "RowText.h"

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
    {"P26", "counting hand", false},      {"P39", "Heyarian tally mark", true},
    {"P22", "Maya head glyph", true},     {"P7", "Semaphore flag", false},
    {"P29", "staff numeral", false},      {"P8", "Ath digit", false},
    {"P35", "dancing-men figure", false}, {"P23", "Diamond digit", false},
    {"P31", "D'Ni digit", false},         {"P13", "Dual code digit", false},
    {"P49", "Ecclemony digit", false},    {"P48", "Four Line digit", false},
    {"P10", "Futurama digit", false},     {"P18", "Gorwelion digit", false},
    {"PB1", "hieratic sign", true},       {"P30", "Klingon digit", false},
    {"P19", "Narn digit", false},         {"P9", "Oxidilogi digit", false},
    {"P4", "Pékrif digit", false},        {"P67", "Post code bars", false},
    {"P45", "Quadnary digit", false},     {"P57", "SpaceKees digit", false},
    {"P20", "Stargate digit", false},     {"P21", "Tenctonese digit", false},
    {"P17", "Zentlardy digit", false},
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
        return std::string(noun->noun) + " " + number;
    const int n = static_cast<int>(value);
    return std::string(noun->noun) + " " + Bare(NumeralText(cell, n, number));
}

std::string MarkDescription(const std::string& cell, const std::string& role)
{
    const SignNoun* noun = NounOf(cell);
    return noun == nullptr ? role : "mark that " + role + " (" + noun->noun + "s)";
}

}  // namespace rowtext
