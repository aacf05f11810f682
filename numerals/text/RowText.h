#pragma once

#include "Translatable.h"

#include <string>
#include <vector>

// Every row of the window as real text: what a screen reader reads, what the
// clipboard receives and what tallyra-text prints. Plain C++, no Qt.
//
// A row is named by its value cell ("P42", "l2", "PB7", "Ugeor", ...), as in
// the window's row table.

namespace rowtext {

// unicode: every sign the row shows is a standard character.
// partial: one sign stands in for a sign Unicode lacks.
// described: Unicode does not encode the system; the text is a stand-in.
enum class Kind { Unicode, Partial, Described };

enum class Direction { LeftToRight, RightToLeft };

struct RowText {
    std::string text;  // UTF-8, logical order; empty where the row shows nothing
    Kind kind = Kind::Unicode;
    std::string script;  // ISO 15924 code of the text ("Arab", "Hani", "Latn", "Zyyy" ...)
    Direction direction = Direction::LeftToRight;
    std::string reading;  // how the signs build the number, e.g. "M + CM + XC + IV = 1000 + 900 + 90 + 4";
                          // kNoSignForZero (or kNoForm) where the text is empty
    bool noForm = false;  // the system has no way to write the number; the text is empty
};

// The row whose value cell is `cell`, for the number n (0..79999) and the
// number text t as the field holds it (already accepted by the parser).
// Throws std::out_of_range for an unknown cell.
RowText TextOf(const std::string& cell, int n, const std::string& t);

// The text alone, as TextOf gives it (quicker where only the text is needed).
std::string NumeralText(const std::string& cell, int n, const std::string& t);

// The value cells of every row the text layer writes, each once, sorted by
// name (not the window's order, which is the window's business).
const std::vector<std::string>& Cells();

// A few short sentences on the row's numeral system (UTF-8, English, marked
// for translation in the context kExplanationContext), or "" for an unknown
// cell.
const char* Explanation(const std::string& cell);

// "unicode", "partial" or "described".
const char* KindName(Kind kind);

// The text ready to embed in left-to-right text: right-to-left texts wrapped
// in U+2067 RIGHT-TO-LEFT ISOLATE ... U+2069 POP DIRECTIONAL ISOLATE.
std::string Isolated(const RowText& row);

// How a row's reading tells the number: its digits one by one, the groups
// of its signs that add up, its digits with the values of their places, or
// a tally's places from the units up.
enum class ReadingKind { Digits, Groups, Places, Tally };

struct ReadingRule {
    ReadingKind kind = ReadingKind::Digits;
    int radix = 10;      // of the places the reading names
    std::string unread;  // characters a group reading leaves out (UTF-8): the titlo, 零
};

// The reading rule of a row. Throws std::out_of_range for an unknown cell.
ReadingRule ReadingRuleOf(const std::string& cell);

// The ways a group reading cuts n into parts by decimal places, each cut
// largest part first: every place alone (Roman, Kanji), the thousands as
// one count (Hungar.Runes), the tens and units together (Hebrew 15 and 16),
// the hundreds as one count (Sanskrit). A row writes its numeral as the
// parts of one cut, largest or smallest first.
std::vector<std::vector<int>> DecimalCuts(int n);

// The text of a glyph string made of the row's codes (in the order shown),
// as the row's text is made from them, without the mark written in front
// of the whole text (Braille's number sign): "" for a row whose text is not made
// from its codes (a described row, the label, the pictures, the text rows).
std::string TextOfCodes(const std::string& cell, const std::string& codes);

// How the row's text names one drawn sign of a row Unicode does not encode
// (kind described), by the sign's value: "Semaphore flag A", "D'Ni digit
// 24", "hieratic sign 900"; a mark by its role.
std::string SignDescription(const std::string& cell, long long value);
std::string MarkDescription(const std::string& cell, const std::string& role);

// What is said or shown for an empty text: a row with no sign for zero,
// or a system that has no form for the number (zero in the additive
// systems of the third page, Georgian from 20000 on).
// Both in the language installed by SetTranslation where said.
constexpr const char* kNoSignForZero = TALLYRA_TRANSLATE_NOOP("RowText", "no sign for zero");
constexpr const char* kNoForm = TALLYRA_TRANSLATE_NOOP("RowText", "the system has no form for this number");
// Any number can be tallied; the tally rows show tallies up to 50.
constexpr const char* kTallyShownUpTo = TALLYRA_TRANSLATE_NOOP("RowText", "tally marks are shown up to 50");

// What stands for the row's text where it is empty (see above, or that a
// tally is shown only up to 50), else the text.
std::string TextOrWhatIsSaid(const RowText& row);

}  // namespace rowtext
