#include "rows/RowTable.h"

#include <QtGlobal>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

constexpr auto P = ValueKind::Panel;
constexpr auto B = ValueKind::PaintBox;
constexpr auto X = ValueKind::Text;
constexpr auto F = RowColumn::FullWidth;
constexpr auto L = RowColumn::Left;
constexpr auto R = RowColumn::Right;
constexpr auto T1 = TabPage::T1;
constexpr auto T2 = TabPage::T2;
constexpr auto T3 = TabPage::T3;
constexpr auto T4 = TabPage::T4;
[[maybe_unused]] constexpr auto T5 = TabPage::T5;
constexpr const char* g8 = "Glyfa08";
constexpr const char* g8b = "Glyfa08b";
constexpr const char* g8c = "Glyfa08c";
constexpr const char* g8d = "Glyfa08d";

// The captions are marked for translation: the window shows them in the
// desktop's language, tallyra-text as written.
// In display order. The last two numbers are the row's family step and
// refresh step (see RowSpec); a new row takes the next free number of each.
// The text rows of the third page have neither (-1): they draw in their own
// family from the start, and the refresh that fills glyph strings leaves them.
// clang-format off
constexpr RowSpec kRows[] = {
    {T1, F, QT_TRANSLATE_NOOP("RowCaption", "Ancient Greek"), "P37", P, g8b, 27, false, 21, 14},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Egyptian"), "P28", P, g8b, 29, false, 19, 16},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Amharic"), "P36", P, g8b, 29, false, 22, 0},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Arabic"), "P6", P, g8, 27, false, 0, 3},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Armenian"), "P40", P, g8b, 27, false, 16, 2},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Assyrian"), "PB9", B, nullptr, 0, false, -1, -1},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Attic"), "P38", P, g8b, 27, false, 20, 17},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Bengali"), "P60", P, g8, 27, false, 1, 4},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Braille"), "P34", P, g8b, 32, false, 23, 9},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Farsi"), "P61", P, g8, 27, false, 2, 19},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Fingernumbers"), "P26", P, g8c, 48, true, 33, 6},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Gothic"), "P41", P, g8c, 27, false, 35, 52},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Hebrew"), "P62", P, g8, 27, false, 3, 23},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Heyarian"), "P39", P, g8b, 28, false, 17, 15},
    {T1, L, QT_TRANSLATE_NOOP("RowCaption", "Hindi"), "P63", P, g8, 27, false, 4, 5},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Ionic"), "P64", P, g8, 27, false, 5, 22},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Kanji"), "P42", P, g8b, 27, false, 15, 20},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Korean"), "PB2", B, nullptr, 0, false, -1, -1},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Manchu"), "P14", P, g8d, 28, true, 41, 51},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Maya"), "PB7", B, nullptr, 0, false, -1, 21},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Maya-Hierogl."), "P22", P, g8c, 35, false, 32, 49},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Morse code"), "P15", P, "Symbol", 19, false, 25, 54},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "N'Ko"), "P72", P, g8b, 40, false, 13, 8},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Roman"), "l2", ValueKind::Label, "Verdana", 27, false, -1, -1},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Sanskrit"), "P27", P, g8b, 27, false, 18, 1},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Semaphore"), "P7", P, g8c, 45, false, 39, 7},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Tibetan"), "P71", P, g8d, 24, false, 45, 11},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Hungar.Runes"), "P53", P, g8d, 27, false, 49, 50},
    {T1, R, QT_TRANSLATE_NOOP("RowCaption", "Staff numbers"), "P29", P, g8d, 27, false, 46, 12},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Ath-Seikai"), "P8", P, g8c, 27, false, 26, 25},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Brahmi"), "P33", P, g8b, 27, true, 24, 10},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Dancing Men"), "P35", P, g8d, 37, true, 48, 36},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Diamond"), "P23", P, g8d, 21, false, 43, 45},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "D'Ni"), "P31", P, g8c, 24, false, 28, 42},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Dual code"), "P13", P, g8c, 28, false, 38, 47},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Ecclemony"), "P49", P, g8d, 20, false, 42, 44},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Four Line"), "P48", P, g8d, 27, false, 40, 43},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Futurama"), "P10", P, g8c, 27, false, 29, 28},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Gorwelion"), "P18", P, g8c, 27, false, 34, 33},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Hieratic"), "PB1", B, nullptr, 0, false, -1, -1},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Kannada"), "P65", P, g8, 27, false, 6, 30},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Kayah"), "P24", P, g8d, 28, false, 50, 37},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Klingon"), "P30", P, g8d, 27, false, 47, 34},
    {T2, L, QT_TRANSLATE_NOOP("RowCaption", "Khmer"), "P73", P, g8b, 24, false, 14, 26},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Laotian"), "P66", P, g8, 27, false, 7, 18},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Mong"), "P12", P, g8d, 31, false, 51, 38},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Narn"), "P19", P, g8c, 29, false, 27, 27},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Osmanya"), "P68", P, g8c, 29, false, 9, 35},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Oxidilogi"), "P9", P, g8c, 27, false, 30, 24},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Pékrif"), "P4", P, g8d, 27, false, 53, 48},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Post code"), "P67", P, g8c, 27, false, 8, 13},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Quadnary"), "P45", P, g8d, 20, false, 44, 46},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "SpaceKees"), "P57", P, g8, 27, false, 12, 39},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Stargate"), "P20", P, g8c, 27, false, 31, 29},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Suzhou"), "P25", P, g8d, 24, false, 52, 53},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Tamil"), "P69", P, g8, 27, false, 10, 31},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Tenctonese"), "P21", P, g8c, 29, false, 36, 40},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Thai"), "P70", P, g8, 27, false, 11, 32},
    {T2, R, QT_TRANSLATE_NOOP("RowCaption", "Zentlardy"), "P17", P, g8c, 28, false, 37, 41},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Adlam"), "Uadlm", X, "Tallyra Adlam", 43, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Balinese"), "Ubali", X, "Tallyra Balinese", 21, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Chakma"), "Ucakm", X, "Tallyra Chakma", 48, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Gujarati"), "Ugujr", X, "Tallyra Gujarati", 50, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Gurmukhi"), "Uguru", X, "Tallyra Gurmukhi", 40, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Javanese"), "Ujava", X, "Tallyra Javanese", 22, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Lepcha"), "Ulepc", X, "Tallyra Lepcha", 56, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Limbu"), "Ulimb", X, "Tallyra Limbu", 53, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Malayalam"), "Umlym", X, "Tallyra Malayalam", 37, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Meetei Mayek"), "Umtei", X, "Tallyra Meetei Mayek", 49, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Myanmar"), "Umymr", X, "Tallyra Myanmar", 23, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Odia"), "Uorya", X, "Tallyra Odia", 51, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Ol Chiki"), "Uolck", X, "Tallyra Ol Chiki", 47, false, -1, -1},
    {T3, L, QT_TRANSLATE_NOOP("RowCaption", "Rohingya"), "Urohg", X, "Tallyra Rohingya", 45, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Sinhala Lith"), "Usinh", X, "Tallyra Sinhala", 30, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Sundanese"), "Usund", X, "Tallyra Sundanese", 46, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Tai Tham"), "Ulana", X, "Tallyra Tai Tham", 27, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Telugu"), "Utelu", X, "Tallyra Telugu", 52, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Vai"), "Uvaii", X, "Tallyra Vai", 47, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Aegean"), "Uaegean", X, "Tallyra Aegean", 35, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Brahmi old"), "Ubrahadd", X, "Tallyra Brahmi", 40, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Chinese fin."), "Uhansfin", X, "Tallyra Chinese", 37, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Coptic"), "Ucopt", X, "Tallyra Coptic", 28, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Counting rods"), "Urods", X, "Tallyra Rods", 37, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Cyrillic"), "Ucyrl", X, "Tallyra Cyrillic", 29, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Georgian"), "Ugeor", X, "Tallyra Georgian", 33, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Kharoshthi"), "Ukhar", X, "Tallyra Kharoshthi", 42, false, -1, -1},
    {T3, R, QT_TRANSLATE_NOOP("RowCaption", "Tamil old"), "Utaml", X, "Tallyra Tamil", 29, false, -1, -1},
    // Number signs 4
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Ahom"), "Uahom", X, "Tallyra Ahom", 29, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Bhaiksuki"), "Ubhks", X, "Tallyra Bhaiksuki", 43, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Cham"), "Ucham", X, "Tallyra Cham", 27, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Chinese dec."), "Uhanidec", X, "Tallyra Chinese Digits", 37, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Gunjala Gondi"), "Ugong", X, "Tallyra Gunjala Gondi", 49, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Khudawadi"), "Usind", X, "Tallyra Khudawadi", 54, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Masaram"), "Ugonm", X, "Tallyra Masaram Gondi", 52, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Modi"), "Umodi", X, "Tallyra Modi", 50, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Mro"), "Umroo", X, "Tallyra Mro", 47, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "New Tai Lue"), "Utalu", X, "Tallyra New Tai Lue", 30, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Newa"), "Unewa", X, "Tallyra Newa", 41, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "NP Hmong"), "Uhmnp", X, "Tallyra Nyiakeng Hmong", 50, false, -1, -1},
    {T4, L, QT_TRANSLATE_NOOP("RowCaption", "Pahawh Hmong"), "Uhmng", X, "Tallyra Pahawh Hmong", 45, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Saurashtra"), "Usaur", X, "Tallyra Saurashtra", 49, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Segment digits"), "Usegment", X, "Tallyra Segments", 40, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Shan"), "Umymrshan", X, "Tallyra Shan", 33, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Sharada"), "Ushrd", X, "Tallyra Sharada", 45, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Sora Sompeng"), "Usora", X, "Tallyra Sora Sompeng", 41, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Suzhou digits"), "Usuzhou", X, "Tallyra Suzhou", 37, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Tai Laing"), "Umymrtlng", X, "Tallyra Tai Laing", 34, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Takri"), "Utakr", X, "Tallyra Takri", 50, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Tham digits"), "Ulanatham", X, "Tallyra Tham", 23, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Tirhuta"), "Utirh", X, "Tallyra Tirhuta", 44, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Wancho"), "Uwcho", X, "Tallyra Wancho", 46, false, -1, -1},
    {T4, R, QT_TRANSLATE_NOOP("RowCaption", "Warang Citi"), "Uwara", X, "Tallyra Warang Citi", 50, false, -1, -1},
    // Number signs 5
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Abjad"), "Uabjad", X, "Tallyra Arabic", 31, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Aramaic"), "Uarmi", X, "Tallyra Aramaic", 27, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Chinese"), "Uhans", X, "Tallyra Chinese SC", 37, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Coptic epact"), "Uepact", X, "Tallyra Coptic Epact", 35, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Daiji"), "Ujpanfin", X, "Tallyra Japanese", 37, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Glagolitic"), "Uglag", X, "Tallyra Glagolitic", 34, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Kaktovik"), "Ukakt", X, "Tallyra Kaktovik", 33, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Malayalam old"), "Umlymold", X, "Tallyra Malayalam Old", 37, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Medefaidrin"), "Umedf", X, "Tallyra Medefaidrin", 46, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Mende"), "Umend", X, "Tallyra Mende", 35, false, -1, -1},
    {T5, L, QT_TRANSLATE_NOOP("RowCaption", "Meroitic"), "Umerc", X, "Tallyra Meroitic", 31, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Parthian"), "Uprti", X, "Tallyra Parthian", 38, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Phoenician"), "Uphnx", X, "Tallyra Phoenician", 46, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Roman ↀↁↂ"), "Uromapos", X, "Tallyra Roman", 31, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Rumi"), "Urumi", X, "Tallyra Rumi", 31, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Sinhala old"), "Usinhold", X, "Tallyra Sinhala Old", 29, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Sumerian"), "Uxsux", X, "Tallyra Cuneiform", 18, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Syriac"), "Usyrc", X, "Tallyra Syriac", 24, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Tally"), "Utally", X, "Tallyra Tally", 42, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Tally 正"), "Uzheng", X, "Tallyra Tally", 48, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Tangut"), "Utang", X, "Tallyra Tangut", 37, false, -1, -1},
    {T5, R, QT_TRANSLATE_NOOP("RowCaption", "Trad. fin."), "Uhantfin", X, "Tallyra Chinese TC", 37, false, -1, -1},
};
// clang-format on

// The other names a row is known by, in the rows' display order: its
// script, language, region and the system's other names, separated by
// "; " (UTF-8). Finding a system searches them beside the caption; every
// row has its line, checked at compile time.
struct OtherNamesSpec {
    const char* cell;
    const char* names;
};

// clang-format off
constexpr OtherNamesSpec kOtherNames[] = {
    {"P37", "Greek acrophonic; Greek; Greece; Herodianic; acrophonic"},
    {"P28", "hieroglyphs; hieroglyphic; ancient Egypt; Egypt"},
    {"P36", "Ethiopic; Ge'ez; Ethiopia; Eritrea; Tigrinya; Horn of Africa"},
    {"P6", "Eastern Arabic; Arabic-Indic; Arab world; Middle East"},
    {"P40", "Armenian alphabet; Armenia; Mesrop Mashtots; Caucasus"},
    {"PB9", "cuneiform; Babylonian; Mesopotamia; Iraq; Akkadian; sexagesimal; base 60; clay tablets"},
    {"P38", "Greek acrophonic; Greek; Greece; Athens; Herodianic; acrophonic"},
    {"P60", "Bangla; Assamese; Bangladesh; India; West Bengal; Assam; Brahmic"},
    {"P34", "blind; raised dots; tactile; Louis Braille; France"},
    {"P61", "Persian; Extended Arabic-Indic; Iran; Afghanistan; Dari"},
    {"P26", "finger counting; fingers; hands; gestures"},
    {"P41", "Gothic alphabet; Wulfila; Goths; Germanic"},
    {"P62", "Hebrew alphabet; Israel; Jewish; gematria; Hebrew calendar"},
    {"P39", "tally; constructed"},
    {"P63", "Devanagari; India; Nepal; Marathi; Nepali; Sanskrit; Brahmic"},
    {"P64", "Greek alphabetic; Milesian; Greek; Greece; Byzantine"},
    {"P42", "Japanese; Japan; Chinese characters; China"},
    {"PB2", "Hangul; Hangeul; Sino-Korean; Korea; South Korea; North Korea"},
    {"P14", "Manchu script; Qing dynasty; Manchuria; Mongolian script"},
    {"PB7", "Mayan; dot and bar; Long Count; Mesoamerica; Mexico; Guatemala; vigesimal; base 20"},
    {"P22", "Maya hieroglyphs; head variants; Mayan; Mesoamerica; Mexico; Guatemala; vigesimal; base 20"},
    {"P15", "telegraph; dots and dashes; Samuel Morse; radio"},
    {"P72", "Manding; Mandinka; Bambara; Dyula; Guinea; Mali; West Africa; Solomana Kanté"},
    {"l2", "Latin; ancient Rome; Rome; Italy"},
    {"P27", "Āryabhaṭa; alphasyllabic; Devanagari; India; astronomy"},
    {"P7", "flag semaphore; flags; signalling; navy; sea"},
    {"P71", "Tibet; Bhutan; Dzongkha; Ladakh; Sikkim; Himalaya; Brahmic"},
    {"P53", "Old Hungarian; Székely; rovás; Hungarian runes; Hungary"},
    {"P29", "Cistercian; monks; medieval"},
    {"P8", "Ath; Baronh; Crest of the Stars; Seikai; science fiction; fictional"},
    {"P33", "Ashoka; ancient India; India; Brahmic"},
    {"P35", "Sherlock Holmes; Arthur Conan Doyle; cipher; stick figures; fictional"},
    {"P23", "hexadecimal; base 16; constructed"},
    {"P31", "Myst; Cyan; computer game; base 25; fictional"},
    {"P13", "binary; base 2; bits; computer"},
    {"P49", "hexadecimal; base 16; constructed"},
    {"P48", "hexadecimal; base 16; constructed"},
    {"P10", "alien alphabet; cartoon; television; fictional"},
    {"P18", "Dardanian Empire; Pieter Rottiers; constructed alphabet; fictional"},
    {"PB1", "ancient Egypt; Egypt; Egyptian; papyrus; Rhind papyrus; cursive"},
    {"P65", "Kannada script; Karnataka; India; Dravidian; Brahmic"},
    {"P24", "Kayah Li; Karenni; Myanmar; Burma; Thailand"},
    {"P30", "pIqaD; Star Trek; Marc Okrand; fictional"},
    {"P73", "Khmer script; Cambodia; Brahmic"},
    {"P66", "Lao; Laos; Brahmic"},
    {"P12", "Mongolian; traditional Mongolian; Mongolia; Inner Mongolia"},
    {"P19", "Babylon 5; alien; television; fictional"},
    {"P68", "Somali; Somalia; Osman Yusuf Kenadid; Horn of Africa"},
    {"P9", "constructed script; fictional"},
    {"P4", "dozenal; duodecimal; base 12; constructed script"},
    {"P67", "POSTNET; bar code; postal; mail; United States"},
    {"P45", "quaternary; base 4"},
    {"P57", "constructed; fictional"},
    {"P20", "gate symbols; constellations; film; television; fictional"},
    {"P25", "huāmǎ; Suzhou numerals; Chinese; China; Hong Kong; merchants; commercial"},
    {"P69", "Tamil Nadu; India; Sri Lanka; Dravidian; Brahmic"},
    {"P21", "Alien Nation; Newcomers; television; fictional"},
    {"P70", "Thai script; Thailand; Siam; Brahmic"},
    {"P17", "Zentradi; Zentraedi; Macross; anime; fictional"},
    {"Uadlm", "Fula; Fulani; Pular; Fulfulde; Guinea; West Africa"},
    {"Ubali", "aksara Bali; Bali; Indonesia; Brahmic"},
    {"Ucakm", "Chakma script; Bangladesh; India; Mizoram; Tripura; Brahmic"},
    {"Ugujr", "Gujarati script; Gujarat; India; Brahmic"},
    {"Uguru", "Punjabi; Punjab; India; Sikh; Brahmic"},
    {"Ujava", "aksara Jawa; Hanacaraka; Java; Indonesia; Brahmic"},
    {"Ulepc", "Róng; Sikkim; Darjeeling; India; Himalaya; Brahmic"},
    {"Ulimb", "Sirijanga; Nepal; Sikkim; Darjeeling; India; Brahmic"},
    {"Umlym", "Malayalam script; Kerala; India; Dravidian; Brahmic"},
    {"Umtei", "Manipuri; Meitei; Manipur; India; Brahmic"},
    {"Umymr", "Burmese; Burma; Myanmar script; Brahmic"},
    {"Uorya", "Oriya; Odisha; Orissa; India; Brahmic"},
    {"Uolck", "Santali; Santal; Raghunath Murmu; Jharkhand; India"},
    {"Urohg", "Hanifi Rohingya; Hanifi; Myanmar; Burma; Bangladesh"},
    {"Usinh", "Sinhala; Sinhalese; lith; almanac; Sri Lanka; Brahmic"},
    {"Usund", "aksara Sunda; West Java; Java; Indonesia; Brahmic"},
    {"Ulana", "Lanna; Hora digits; Northern Thai; Tai Khün; Tai Lü; Thailand; Laos; Myanmar; Brahmic"},
    {"Utelu", "Telugu script; Andhra Pradesh; Telangana; India; Dravidian; Brahmic"},
    {"Uvaii", "Vai syllabary; Liberia; Sierra Leone; Momolu Duwalu Bukele; West Africa"},
    {"Uaegean", "Linear A; Linear B; Mycenaean Greek; Minoan; Crete; Greece; Bronze Age"},
    {"Ubrahadd", "Brahmi numerals; Ashoka; ancient India; India; Brahmic"},
    {"Uhansfin", "Chinese financial; dàxiě; 大写; banking; cheques; Chinese; China"},
    {"Ucopt", "Coptic alphabet; Copts; Coptic Church; Egypt; Greek alphabet"},
    {"Urods", "rod numerals; suànchóu; 算筹; Chinese; China; Japan; Korea"},
    {"Ucyrl", "Church Slavonic; Old Church Slavonic; titlo; Russian; Russia; Slavic"},
    {"Ugeor", "Georgian alphabet; Asomtavruli; Mkhedruli; Georgia; Caucasus"},
    {"Ukhar", "Gandhara; Gandhari; ancient India; India; Pakistan; Afghanistan"},
    {"Utaml", "traditional Tamil; Tamil Nadu; India; Sri Lanka; Dravidian; Brahmic"},
    // Number signs 4
    {"Uahom", "Ahom script; Tai Ahom; Assam; India; Brahmaputra; buranji; Brahmic"},
    {"Ubhks", "Bhaiksuki script; Sanskrit; Buddhist; India; Bihar; Bengal; Brahmic"},
    {"Ucham", "Cham script; Vietnam; Cambodia; Champa; Brahmic"},
    {"Uhanidec", "Chinese; Han; hanidec; China; Japan; ideographic zero; positional"},
    {"Ugong", "Gondi; Gunjala; Telangana; India; Brahmic"},
    {"Usind", "Khudabadi; Sindhi; Landa; Sindh; India; Pakistan; Brahmic"},
    {"Ugonm", "Masaram Gondi; Gondi; central India; India; Brahmic"},
    {"Umodi", "Modi script; Marathi; Maharashtra; India; Maratha; Brahmic"},
    {"Umroo", "Mro script; Mru; Bangladesh; Chittagong Hill Tracts; Myanmar"},
    {"Utalu", "Tai Lü; Xishuangbanna; Sipsongpanna; Yunnan; China; Brahmic"},
    {"Unewa", "Newa script; Prachalit; Nepal Bhasa; Newar; Kathmandu; Nepal; Brahmic"},
    {"Uhmnp", "Nyiakeng Puachue Hmong; Nyiakeng Hmong; Hmong; United States; Laos; church"},
    {"Uhmng", "Hmong; Laos; Shong Lue Yang; Khmu"},
    {"Usaur", "Saurashtra script; Sourashtra; Tamil Nadu; Madurai; India; Brahmic"},
    {"Usegment", "Seven-segment; seven-segment display; segmented digits; LED; calculator; digital clock; display"},
    {"Umymrshan", "Tai; Shan State; Myanmar; Burma; Brahmic"},
    {"Ushrd", "Sharada script; Kashmiri; Sanskrit; Kashmir; India; Brahmic"},
    {"Usora", "Sora; Savara; Odisha; Andhra Pradesh; India"},
    {"Usuzhou", "Suzhou numerals; Hangzhou; huāmǎ; Chinese; China; Hong Kong; merchants; commercial"},
    {"Umymrtlng", "Tai; Kachin; Sagaing; Myanmar; Burma; Brahmic"},
    {"Utakr", "Takri script; Dogri; Chambeali; Himachal Pradesh; Jammu; India; Brahmic"},
    {"Ulanatham", "Lanna; Tai Tham; Northern Thai; Tai Lü; Thailand; Laos; Myanmar; Buddhist; Brahmic"},
    {"Utirh", "Mithilakshar; Maithili; Bihar; India; Nepal; Brahmic"},
    {"Uwcho", "Arunachal Pradesh; India; Naga"},
    {"Uwara", "Ho; Warang Chiti; Jharkhand; Odisha; India; Munda"},
    // Number signs 5
    {"Uabjad", "Arabic letters; Arab world; Middle East; Persian; Ottoman; chronogram"},
    {"Uarmi", "Imperial Aramaic; Achaemenid; Persian Empire; Near East; Elephantine; Egypt"},
    {"Uhans", "Chinese everyday; Han; Mandarin; China; everyday; simplified"},
    {"Uepact", "Coptic; epact; Egypt; Easter; Greek"},
    {"Ujpanfin", "Japanese financial; 大字; Japan; financial; Kanji; banknotes"},
    {"Uglag", "Old Church Slavonic; Slavic; Croatia; Moravia"},
    {"Ukakt", "Iñupiaq; Inupiaq; Inuit; Alaska; United States; base 20"},
    {"Umlymold", "Malayalam; Kerala; India; traditional; Dravidian"},
    {"Umedf", "Oberi Okaime; Ibibio; Nigeria; Africa; base 20"},
    {"Umend", "Mende Kikakui; Kikakui; Sierra Leone; Africa"},
    {"Umerc", "Meroitic cursive; Kush; Meroë; Sudan; Nubia; Africa"},
    {"Uprti", "Inscriptional Parthian; Arsacid; Iran; Persia; Turkmenistan; Nisa"},
    {"Uphnx", "Canaanite; Levant; Lebanon; Carthage; Tunisia"},
    {"Uromapos", "Roman; Latin; apostrophus; Rome; Italy; Europe"},
    {"Urumi", "Fez; Arabic; Morocco; North Africa; al-Andalus; Spain"},
    {"Usinhold", "Sinhala; Sinhala illakkam; Sri Lanka; archaic"},
    {"Uxsux", "cuneiform; Sumer; Mesopotamia; Iraq; sexagesimal"},
    {"Usyrc", "Aramaic; Edessa; Syria; Turkey; Iraq; Christian"},
    {"Utally", "tally marks; five-bar gate; counting; votes; Europe; English"},
    {"Uzheng", "Chinese; zheng; 正; tally marks; China; Japan; Korea; Taiwan"},
    {"Utang", "Western Xia; Xixia; Xi Xia; China"},
    {"Uhantfin", "Traditional Chinese; Han; financial; dàxiě; 大寫; Taiwan; Hong Kong; China"},
};
// clang-format on

// Whether `step` of every row that has one (not -1) numbers those rows
// 0, 1, 2, ... each once.
template <typename Step>
constexpr bool NumbersEachRowOnce(Step step)
{
    int count = 0;
    for (const RowSpec& row : kRows)
        count += step(row) >= 0;
    for (int wanted = 0; wanted < count; ++wanted) {
        int found = 0;
        for (const RowSpec& row : kRows)
            found += step(row) == wanted;
        if (found != 1)
            return false;
    }
    return true;
}

constexpr bool EveryPanelHasBothSteps()
{
    for (const RowSpec& row : kRows) {
        const bool panel = row.kind == ValueKind::Panel;
        if (panel != (row.familyStep >= 0) || (panel && row.refreshStep < 0))
            return false;
    }
    return true;
}

constexpr bool EveryTextRowHasItsFont()
{
    for (const RowSpec& row : kRows) {
        if (row.kind == ValueKind::Text && (row.family == nullptr || row.pixelHeight <= 0))
            return false;
    }
    return true;
}

constexpr bool SameText(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Every row has one line of other names, and every line names a row.
constexpr bool EveryRowHasItsOtherNames()
{
    for (const RowSpec& row : kRows) {
        int lines = 0;
        for (const OtherNamesSpec& names : kOtherNames)
            lines += SameText(names.cell, row.cell);
        if (lines != 1)
            return false;
    }
    return std::size(kOtherNames) == std::size(kRows);
}

static_assert(NumbersEachRowOnce([](const RowSpec& row) { return row.familyStep; }),
              "the family steps number the panels 0, 1, 2, ... each once");
static_assert(NumbersEachRowOnce([](const RowSpec& row) { return row.refreshStep; }),
              "the refresh steps number the refreshed rows 0, 1, 2, ... each once");
static_assert(EveryPanelHasBothSteps(),
              "every value panel gets a family and is refreshed; nothing else gets a family");
static_assert(EveryTextRowHasItsFont(), "every text row names its family and pixel height");
static_assert(EveryRowHasItsOtherNames(),
              "every row has one line in kOtherNames, and every line names a row");

template <typename Step>
std::vector<const RowSpec*> Ordered(Step step)
{
    std::vector<const RowSpec*> rows;
    for (const RowSpec& row : RowsInDisplayOrder())
        if (step(row) >= 0)
            rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [&](const RowSpec* a, const RowSpec* b) { return step(*a) < step(*b); });
    return rows;
}

}  // namespace

const std::vector<RowSpec>& RowsInDisplayOrder()
{
    static const std::vector<RowSpec> rows(std::begin(kRows), std::end(kRows));
    return rows;
}

const std::vector<const RowSpec*>& RowsInFamilyOrder()
{
    static const std::vector<const RowSpec*> rows =
        Ordered([](const RowSpec& row) { return row.familyStep; });
    return rows;
}

const std::vector<const RowSpec*>& RowsInRefreshOrder()
{
    static const std::vector<const RowSpec*> rows =
        Ordered([](const RowSpec& row) { return row.refreshStep; });
    return rows;
}

const RowSpec* FindRow(const char* cell)
{
    for (const RowSpec& row : RowsInDisplayOrder())
        if (std::strcmp(row.cell, cell) == 0)
            return &row;
    return nullptr;
}

const char* OtherNames(const RowSpec& row)
{
    for (const OtherNamesSpec& names : kOtherNames)
        if (SameText(names.cell, row.cell))
            return names.names;
    return "";
}
