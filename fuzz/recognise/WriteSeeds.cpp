// Writes the recogniser's seed corpus: every row's text for a few numbers,
// forms people write, and the awkward: combining marks, directional
// controls, long runs, UTF-16 with unpaired surrogates.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "numerals/text/RowText.h"

namespace {

std::vector<std::string> Seeds()
{
    std::vector<std::string> seeds;
    for (const std::string& cell : rowtext::Cells()) {
        for (int n : {0, 7, 15, 1994, 10000, 46363, 79999})
            seeds.push_back(rowtext::NumeralText(cell, n, std::to_string(n)));
    }
    for (const char* text : {"mcmxciv",
                             "ⅯⅭⅯⅩⅭⅣ",
                             "X̅L̅V̅I̅CCCLXIII",
                             "XLVI'MCCCLXIII",
                             "ↂↇↁMCCCLXIII",
                             "א׳תתקצ״ד",
                             "ה'תשפ\"ו",
                             "\u2067א׳ץצד\u2069",
                             "͵ΑϠϞΔʹ",
                             "ռջղդ",
                             "Դ̅ՑՅԿԳ",
                             "፲፱፻፺፬",
                             "壹仟玖佰玖拾肆",
                             "两千零二十六",
                             "二〇二六",
                             "사만 육천삼백육십삼",
                             "௲௯௱௯௰௪",
                             "١٬٩٩٤",
                             "१९ ९४",
                             "１９９４",
                             " \u200E1994\u200F ",
                             "X\u0305\u0305",
                             "\u0305M",
                             "I\u0301V",
                             "\u202Eמו׳שסג\u202C",
                             "\uFEFF十万",
                             "҂АѰЕ",
                             "·ѕ·",
                             "҂Л҂В",
                             "ЗІ",
                             "Ⲃ͵ⲒⲆ",
                             "ⲁ̱ⳁ̅ϥ̅ⲇ̅",
                             "𐋡𐋠𐋻𐋲𐋤",
                             "ႹႷႮႦ",
                             "ᲪᲘᲑ",
                             "拾伍",
                             "肆萬陸仟參佰陸拾參",
                             "𐄫𐄫𐄫𐄫𐄢𐄢",
                             "𐩆",
                             "𑁥𑁿𑁡"})
        seeds.emplace_back(text);
    // As numerals are written in running text: grouped digits and their
    // near misses, punctuation around a numeral, Greek στ and the marks
    // typed for the keraia, the apostrophus, Suzhou figures in a line,
    // Braille digits without the number sign, Morse code in other signs.
    for (const char* text : {"1,994",
                             "1.994",
                             "1'994",
                             "1’994",
                             "12,34,567",
                             "१२,३४५",
                             "১,৯৯৪",
                             "1,99.4",
                             "٣٫٥",
                             "1 23",
                             "MMXXVI.",
                             "(MCMXCIV).",
                             "«1994»",
                             "“XII”",
                             "„1994“;",
                             "「一九九四」",
                             ".....",
                             ".ѕ.",
                             "στʹ",
                             "ΣΤ΄",
                             "χιστ′",
                             ",αϡϙδ",
                             "CIↃ",
                             "IↃ",
                             "CCIↃↃ",
                             "IↃↃ",
                             "CIƆIↃXCIV",
                             "ciↄ",
                             "C̅IↃ",
                             "〢〣",
                             "〡一〇",
                             "⠁⠊⠊⠙",
                             "·−−−− −−−−· −−−−· ····−",
                             "•––––  ––––•",
                             "..--- / ----- / ..--- / -....",
                             "∙∙∙∙∙/—————"})
        seeds.emplace_back(text);
    std::string grouped = "9";
    for (int i = 0; i < 1500; ++i)
        grouped += i % 2 == 0 ? ",999" : ",99";
    seeds.push_back(grouped);
    std::string apostrophus;
    for (int i = 0; i < 1500; ++i)
        apostrophus += i % 3 == 0 ? "CCI\u2183\u2183" : "I\u2183";
    seeds.push_back(apostrophus);
    std::string morse;
    for (int i = 0; i < 1500; ++i)
        morse += "\u00B7\u2212/ ";
    seeds.push_back(morse);
    seeds.push_back(std::string(5000, 'M'));
    std::string arabic;
    for (int i = 0; i < 4000; ++i)
        arabic += "\u0669";
    seeds.push_back(arabic);
    std::string marks = "X";
    for (int i = 0; i < 3000; ++i)
        marks += "\u0305";
    seeds.push_back(marks);
    std::string rods;
    for (int i = 0; i < 2000; ++i)
        rods += i % 2 == 0 ? "\U0001D371" : "\U0001D368";
    seeds.push_back(rods);
    std::string joined;
    for (int i = 0; i < 2000; ++i)
        joined += "\U00011065\U0001107F";
    seeds.push_back(joined);
    // UTF-16LE: a lone high surrogate before 1994, a lone low surrogate after MCM.
    seeds.push_back(std::string("\x00\xD8"
                                "1\x00"
                                "9\x00"
                                "9\x00"
                                "4\x00",
                                10));
    seeds.push_back(std::string("M\x00"
                                "C\x00"
                                "M\x00"
                                "\x00\xDC",
                                8));
    return seeds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::vector<std::string> seeds = Seeds();
    int written = 0;
    for (const std::string& seed : seeds) {
        if (seed.empty())
            continue;
        std::ofstream out(folder / ("seed" + std::to_string(written++)), std::ios::binary);
        out.write(seed.data(), std::streamsize(seed.size()));
    }
    std::printf("%d seeds in %s\n", written, folder.c_str());
    return 0;
}
