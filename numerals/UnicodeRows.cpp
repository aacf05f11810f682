#include "UnicodeRows.h"

#include "UnicodeAdditive.h"
#include "UnicodeAlphabets.h"
#include "UnicodeCiphered.h"
#include "UnicodeDigits.h"
#include "UnicodeLetters.h"
#include "UnicodeMultiplicative.h"
#include "UnicodeRepeated.h"
#include "UnicodeSemitic.h"

namespace {

template <char32_t Zero>
UnicodeNumeral DigitsFrom(int n)
{
    return DecimalDigits(n, Zero);
}

template <char32_t Zero>
UnicodeNumeral VigesimalFrom(int n)
{
    return VigesimalDigits(n, Zero);
}

// A script whose digit d is the character Zero + d.
template <char32_t Zero>
constexpr UnicodeRow DigitRow(const char* cell)
{
    return {cell, &DigitsFrom<Zero>};
}

// One line per row, in no particular order: the window orders them.
constexpr UnicodeRow kRows[] = {
    DigitRow<0x0AE6>("Ugujr"),   // Gujarati
    DigitRow<0x0A66>("Uguru"),   // Gurmukhi
    DigitRow<0x0C66>("Utelu"),   // Telugu
    DigitRow<0x0D66>("Umlym"),   // Malayalam
    DigitRow<0x0B66>("Uorya"),   // Odia
    DigitRow<0x1040>("Umymr"),   // Myanmar
    DigitRow<0x0DE6>("Usinh"),   // Sinhala Lith
    DigitRow<0xA9D0>("Ujava"),   // Javanese
    DigitRow<0x1B50>("Ubali"),   // Balinese
    DigitRow<0x1C50>("Uolck"),   // Ol Chiki
    DigitRow<0xABF0>("Umtei"),   // Meetei Mayek
    DigitRow<0x1E950>("Uadlm"),  // Adlam
    DigitRow<0xA620>("Uvaii"),   // Vai
    DigitRow<0x10D30>("Urohg"),  // Hanifi Rohingya
    DigitRow<0x1BB0>("Usund"),   // Sundanese
    DigitRow<0x1946>("Ulimb"),   // Limbu
    DigitRow<0x1C40>("Ulepc"),   // Lepcha
    DigitRow<0x11136>("Ucakm"),  // Chakma
    DigitRow<0x1A80>("Ulana"),   // Tai Tham, the Hora digits
    {"Ugeor", &GeorgianNumeral},
    {"Ucyrl", &CyrillicNumeral},
    {"Ucopt", &CopticNumeral},
    {"Uhansfin", &ChineseFinancialNumeral},
    {"Urods", &CountingRodNumeral},
    {"Utaml", &TamilTraditionalNumeral},
    {"Uaegean", &AegeanNumeral},
    {"Ukhar", &KharoshthiNumeral},
    {"Ubrahadd", &BrahmiAdditiveNumeral},
    // Number signs 4
    DigitRow<0x11730>("Uahom"),  // Ahom
    DigitRow<0x11C50>("Ubhks"),  // Bhaiksuki
    DigitRow<0xAA50>("Ucham"),   // Cham
    {"Uhanidec", &ChineseDecimalNumeral},
    DigitRow<0x11DA0>("Ugong"),     // Gunjala Gondi
    DigitRow<0x112F0>("Usind"),     // Khudawadi
    DigitRow<0x11D50>("Ugonm"),     // Masaram Gondi
    DigitRow<0x11650>("Umodi"),     // Modi
    DigitRow<0x16A60>("Umroo"),     // Mro
    DigitRow<0x19D0>("Utalu"),      // New Tai Lue
    DigitRow<0x11450>("Unewa"),     // Newa
    DigitRow<0x1E140>("Uhmnp"),     // Nyiakeng Puachue Hmong
    DigitRow<0x16B50>("Uhmng"),     // Pahawh Hmong
    DigitRow<0xA8D0>("Usaur"),      // Saurashtra
    DigitRow<0x1FBF0>("Usegment"),  // Seven-segment
    DigitRow<0x1090>("Umymrshan"),  // Shan
    DigitRow<0x111D0>("Ushrd"),     // Sharada
    DigitRow<0x110F0>("Usora"),     // Sora Sompeng
    {"Usuzhou", &SuzhouDigitNumeral},
    DigitRow<0xA9F0>("Umymrtlng"),  // Tai Laing
    DigitRow<0x116C0>("Utakr"),     // Takri
    DigitRow<0x1A90>("Ulanatham"),  // Tham digits
    DigitRow<0x114D0>("Utirh"),     // Tirhuta
    DigitRow<0x1E2F0>("Uwcho"),     // Wancho
    DigitRow<0x118E0>("Uwara"),     // Warang Citi
    // the fifth page
    {"Uabjad", &AbjadNumeral},
    {"Uarmi", &AramaicNumeral},
    {"Uhans", &ChineseNumeral},
    {"Uepact", &CopticEpactNumeral},
    {"Ujpanfin", &DaijiNumeral},
    {"Uglag", &GlagoliticNumeral},
    {"Ukakt", &VigesimalFrom<0x1D2C0>},  // Kaktovik
    {"Umlymold", &MalayalamTraditionalNumeral},
    {"Umedf", &VigesimalFrom<0x16E80>},  // Medefaidrin
    {"Umend", &MendeNumeral},
    {"Umerc", &MeroiticNumeral},
    {"Uprti", &ParthianNumeral},
    {"Uphnx", &PhoenicianNumeral},
    {"Uromapos", &RomanApostrophusNumeral},
    {"Urumi", &RumiNumeral},
    {"Usinhold", &SinhalaArchaicNumeral},
    {"Uxsux", &SumerianNumeral},  // Sumerian
    {"Usyrc", &SyriacNumeral},
    {"Utally", &TallyNumeral},
    {"Uzheng", &ZhengTallyNumeral},  // Tally 正
    {"Utang", &TangutNumeral},
    {"Uhantfin", &TraditionalFinancialNumeral},
};

}  // namespace

const std::vector<UnicodeRow>& AllUnicodeRows()
{
    static const std::vector<UnicodeRow> rows(std::begin(kRows), std::end(kRows));
    return rows;
}

const UnicodeRow* FindUnicodeRow(const std::string& cell)
{
    for (const UnicodeRow& row : AllUnicodeRows()) {
        if (cell == row.cell)
            return &row;
    }
    return nullptr;
}
