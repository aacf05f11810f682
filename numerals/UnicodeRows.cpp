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
