#include "RowText.h"
#include "Translatable.h"

namespace rowtext {
namespace {

struct CellExplanation {
    const char* cell;
    const char* text;
};

constexpr CellExplanation kExplanations[] = {
    {"P37",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Greek acrophonic numerals: the signs are the first letters of the number words. "
         "Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, each repeated, with five-signs for 5 and 50.")},
    {"P28",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Egyptian hieroglyphic numerals: a stroke for 1, a heel bone for 10, a coil of rope for 100, "
         "a lotus for 1000, a finger for 10000. Each sign is repeated as often as its digit says.")},
    {"P36",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Ethiopic numerals, used with Ge'ez, Amharic and Tigrinya: signs for 1–9, 10–90, 100 and 10000. "
         "This row writes the thousands as tens of hundreds.")},
    {"P6",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Eastern Arabic digits, used in much of the Arab world. Base 10 with a zero; "
                            "the number is written most significant digit first, left to right.")},
    {"P40",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Armenian letters used as numbers: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. "
         "This row leaves out the line that multiplies ten-thousands by 10000.")},
    {"PB9",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Mesopotamian cuneiform numbers: an upright wedge for 1, a corner wedge for 10. "
                            "Base 60, each place built from up to five tens and nine ones.")},
    {"P38",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "The acrophonic numerals of Athens: Ι Δ Η Χ Μ for 1 to 10000 and a pente sign that makes "
         "5, 50, 500 and 5000. Additive, largest first.")},
    {"P60",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Digits of the Bengali–Assamese script (Bangladesh, West Bengal, Assam). "
                            "Base 10, one digit per digit, like 0–9.")},
    {"P34",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Louis Braille's raised dots (1829). The digits 1–9 and 0 are the cells of the letters a–j. "
         "The row leaves out the number sign ⠼; the text puts it in front so that a reader reads digits.")},
    {"P61",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "The Persian form of the Eastern Arabic digits, used in Iran and Afghanistan; "
                            "4, 5 and 6 have their own shapes. Base 10, written left to right.")},
    {"P26",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Counting on the fingers: one hand shows 1 to 5, six to nine need a second hand. "
                            "One hand figure per decimal digit.")},
    {"P41",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Gothic letters used as numbers on the Greek model (4th century, Wulfila's Bible). "
         "The row's thousands are its own extension: 1000 looks like 1.")},
    {"P62",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Hebrew letters used as numbers, still used for Jewish calendar dates: א–ט 1–9, י–צ 10–90, "
         "ק–ת 100–400; a geresh marks the thousands. Read right to left.")},
    {"P39",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "An additive tally between two delimiters, from the units upward, with signs for one and "
         "five units and tens and one sign for each higher power. Origin unknown.")},
    {"P63",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Devanagari digits, used with Hindi, Marathi, Nepali and Sanskrit. Base 10; "
                            "like all Indian digits they go back to Brahmi.")},
    {"P64",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Greek alphabetic numerals: 24 letters and ϛ, ϙ, ϡ for 1–900. "
                            "͵ before a letter multiplies it by 1000; Μ stands for 10000.")},
    {"P42",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Chinese numerals as used in Japanese: 一 to 九 and 十, 百, 千, 万. "
                            "A digit before a power sign multiplies it; 1 is left out before a power.")},
    {"PB2",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Sino-Korean number words in Hangul: 일 to 구 and 십, 백, 천, 만, "
                            "built like the Kanji numerals (천구백구십사 = 1994).")},
    {"P14",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Manchu number words in the Manchu script (Qing dynasty, written vertically): "
                            "emu minggan uyun tanggū uyunju duin = 1994.")},
    {"PB7",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Maya dot-and-bar numerals: a dot for 1, a bar for 5, a shell for 0. "
                            "Places from the top down, counted as in the Long Count: 1, 20, 360, 7200.")},
    {"P22",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Maya head-variant numerals: deity heads for 0–19 in carved inscriptions. "
                            "The row counts in pure base 20 (1, 20, 400, 8000).")},
    {"P15",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "International Morse code: each decimal digit is five dots and dashes "
                            "(1 is ·−−−−, 0 is −−−−−).")},
    {"P72",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "N'Ko digits (1949, Solomana Kanté, West Africa). Base 10, "
                            "written right to left, so the units stand at the left.")},
    {"l2",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Roman numerals I V X L C D M: additive with subtraction (IV = 4, XC = 90). "
                            "From 5000 the row counts thousands with the mark 'M.")},
    {"P27",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Āryabhaṭa's letter numerals (499 CE): consonants count 1–25 and 30–100, "
                            "the vowel i multiplies by 100, u by 10000. Lowest place first.")},
    {"P7",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Flag semaphore: two flags held at clock positions. After the numeral sign the letters "
         "A–I mean 1–9 and K means 0; one figure per digit.")},
    {"P71",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Tibetan digits, used in Tibet, Bhutan and among Tibetan communities. Base 10.")},
    {"P53",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Old Hungarian (Székely) numbers, written right to left: signs for 1, 5, 10, 50, 100 and 1000. "
         "The count of thousands comes before the thousand sign.")},
    {"P29",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "One sign per decimal digit, marked on a staff. The shapes resemble the Cistercian monks' "
         "numerals, but the system itself is not identified.")},
    {"P8",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Probably the Ath script of the Seikai novels. Each decimal digit is replaced by a sign.")},
    {"P33",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Brahmi digits, from the script of Ashoka's inscriptions. "
         "These positional digits belong to later use; early Brahmi had separate signs for tens.")},
    {"P35",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "The stick figures of the Sherlock Holmes story \"The Adventure of the Dancing Men\" (1903). "
         "The story has no digits: these figures are invented.")},
    {"P23",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Base 16 with invented digit signs, most significant first. Origin unknown.")},
    {"P31",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "D'ni numerals from the Myst games: base 25, each digit a box of strokes.")},
    {"P13",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Binary: base 2 with the digits 0 and 1, drawn as short and long bars.")},
    {"P49", TALLYRA_TRANSLATE_NOOP("Explanation", "Base 16 with invented digit signs. Origin unknown.")},
    {"P48", TALLYRA_TRANSLATE_NOOP("Explanation", "Base 16 with invented digit signs. Origin unknown.")},
    {"P10",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Digit signs in the style of the alien alphabets of Futurama; "
                            "each decimal digit is replaced by an invented sign.")},
    {"P18",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation", "Gorwelion, a constructed alphabet: the decimal digits between two frame signs.")},
    {"PB1",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Hieratic, the cursive script of ancient Egypt: one sign for each of 1–9, 10–90, "
                            "100–900 and 1000–9000, at most one sign per decimal place.")},
    {"P65",
     TALLYRA_TRANSLATE_NOOP("Explanation", "Digits of the Kannada script of Karnataka, India. Base 10.")},
    {"P24",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Digits of the Kayah Li script of Myanmar and Thailand. Base 10.")},
    {"P30",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digit signs for the Klingons of Star Trek, who count in base 10; the shapes are invented.")},
    {"P73",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Khmer digits of Cambodia. Base 10; a Khmer inscription of 683 CE has one of the "
                            "oldest dated zeros.")},
    {"P66", TALLYRA_TRANSLATE_NOOP("Explanation", "Digits of the Lao script of Laos. Base 10.")},
    {"P12",
     TALLYRA_TRANSLATE_NOOP("Explanation", "Mongolian digits of the traditional vertical script. Base 10.")},
    {"P19",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Digit signs for the Narn of Babylon 5; invented, one per decimal digit.")},
    {"P68",
     TALLYRA_TRANSLATE_NOOP("Explanation", "Osmanya digits, created for Somali around 1920. Base 10.")},
    {"P9",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation", "A constructed script: signs for 0–5, and 6–9 as 1–4 followed by the sign for 5.")},
    {"P4",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "A constructed script counting in twelves: digits 0–11, the number in round brackets.")},
    {"P67",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "A postal bar code: five cells per digit, bar or gap; the US POSTNET patterns "
                            "with tall and short bars swapped and the order reversed.")},
    {"P45",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Base 4 with the digits 0–3 drawn as invented signs. Origin unknown.")},
    {"P57", TALLYRA_TRANSLATE_NOOP("Explanation", "Invented signs, one per decimal digit. Origin unknown.")},
    {"P20",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation", "Signs in the style of the Stargate gate symbols; invented, one per decimal digit.")},
    {"P25",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Suzhou numerals, a Chinese merchants' script from counting rods. "
         "The row writes them with power signs like Kanji; 百 stands in for the cursive hundred.")},
    {"P69",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Tamil digits of Tamil Nadu and Sri Lanka. Base 10 with ௦ for zero.")},
    {"P21",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation", "Digit signs for the Newcomers of Alien Nation; invented, one per decimal digit.")},
    {"P70", TALLYRA_TRANSLATE_NOOP("Explanation", "Thai digits, used beside 0–9 in Thailand. Base 10.")},
    {"P17",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Digit signs for the Zentradi of Macross; invented, one per decimal digit.")},
    {"Uadlm",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Adlam digits, from the alphabet the brothers Ibrahima and Abdoulaye Barry created for Fula in "
         "Guinea in 1989. Base 10, written right to left, so the units stand at the left.")},
    {"Ubali",
     TALLYRA_TRANSLATE_NOOP("Explanation",
                            "Balinese digits of Bali, Indonesia, found in palm-leaf manuscripts (lontar) and "
                            "calendars. Base 10.")},
    {"Ucakm",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of the Chakma script, used in the Chittagong Hill Tracts of Bangladesh and in Mizoram "
         "and Tripura, India. Base 10.")},
    {"Ugujr",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Gujarati digits of the Indian state of Gujarat. They descend from the Nagari digits and are "
         "still printed beside 0–9. Base 10.")},
    {"Uguru",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Gurmukhi digits, written with Punjabi in the script that took its standard form under the "
         "second Sikh Guru, Angad, in the 16th century. Base 10.")},
    {"Ujava",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Javanese digits (aksara Jawa), still taught in schools in Central and East Java. Several look "
         "like letters, so running text sets a number off with marks. Base 10.")},
    {"Ulepc",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of the Lepcha (Róng) script of Sikkim and Darjeeling in the eastern Himalaya, "
         "a script thought to date from the 17th or 18th century. Base 10.")},
    {"Ulimb",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of the Limbu (Sirijanga) script of eastern Nepal, Sikkim and Darjeeling. Base 10.")},
    {"Umlym",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Malayalam digits of Kerala. Base 10; the positional digits are modern, older texts wrote "
         "separate signs for 10, 100 and 1000.")},
    {"Umtei",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of Meetei Mayek, the script of Manipuri, revived and officially adopted in Manipur "
         "in the late 20th century. Base 10.")},
    {"Umymr",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Burmese digits, in everyday use in Myanmar on prices, calendars, bank notes and number plates. "
         "Base 10.")},
    {"Uorya",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Odia digits of the Indian state of Odisha; Unicode still names them Oriya. Base 10.")},
    {"Uolck",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of Ol Chiki, the script Raghunath Murmu created in 1925 for Santali in eastern India. "
         "Base 10.")},
    {"Urohg",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Hanifi Rohingya digits, from the script Mohammad Hanif developed in the 1980s for Rohingya. "
         "The script runs right to left, but a number reads left to right, as Arabic digits do.")},
    {"Usinh",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sinhala Lith digits, the historical digits of Sinhala almanacs and horoscopes (lith: almanac); "
         "Sri Lanka writes 0–9 today. Base 10.")},
    {"Usund",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sundanese digits of West Java, Indonesia. In running text a number stands between two "
         "bar-like marks, which a number on its own does not need. Base 10.")},
    {"Ulana",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "The Hora digits of Tai Tham (Lanna), the script of Northern Thai, Tai Lü and Khün, kept for "
         "secular and astrological writing; religious texts use a second set. Base 10.")},
    {"Utelu",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Telugu digits of Andhra Pradesh and Telangana, South India, still seen in print and on "
         "traditional documents. Base 10.")},
    {"Uvaii",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of the Vai syllabary of Liberia, which Momolu Duwalu Bukele created in the 1830s; "
         "the digits came later. Base 10.")},
    {"Uaegean",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Numbers of Linear A and Linear B (Crete and Mycenaean Greece, about 1800–1200 BC), mostly "
         "counts of goods on clay tablets: strokes, bars, circles and rayed circles for 1 to 10000, "
         "repeated. Unicode has one sign for each digit of each place.")},
    {"Ubrahadd",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Brahmi numerals of Indian inscriptions from the 3rd century BC: signs for 1–9 and 10–90 add up, "
         "and 100 and 1000 are joined to the sign that multiplies them. No zero, no place value; "
         "the later Indian digits grew out of the unit signs.")},
    {"Uhansfin",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Chinese financial numerals (大写), required on cheques and receipts: characters that are hard "
         "to alter into another number. Built like the Kanji numerals, with 壹 before 拾 and 零 for "
         "empty places.")},
    {"Ucopt",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Coptic letters used as numbers on the Greek model, with sou for 6, fei for 90 and sampi for 900. "
         "A line over the letters marks a number; a double line, one of the old forms, marks thousands.")},
    {"Urods",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Chinese counting rods, the arithmetic of the counting board, as written from the Song dynasty "
         "on: lying rods for units, hundreds and ten-thousands, upright rods for tens and thousands, so "
         "that neighbouring places differ. The older Han board had it the other way round. An empty "
         "place is 〇, as written from the 13th century on.")},
    {"Ucyrl",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Church Slavonic letter numerals on the Greek model, used from the 10th century until Peter the "
         "Great and still in liturgical books. A titlo ҃ marks the number, ҂ a thousand.")},
    {"Ugeor",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Georgian letters as numbers, on the Greek model with letters of their own for the thousands; "
         "still seen in church books and chapter numbers. The last letter stands for 10000, so only "
         "1–19999 can be written.")},
    {"Ukhar",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Kharoshthi numbers of ancient Gandhara (3rd century BC to 3rd century AD), written right to "
         "left: 1, 2, 3, 4, 10 and 20 add up, and a count before 100 or 1000 multiplies it. Thousands "
         "above the attested ones follow the pattern of the hundreds.")},
    {"Utaml",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Traditional Tamil numerals, in use until the 19th and 20th centuries: digits and the signs "
         "௰ ௱ ௲ for 10, 100 and 1000; a digit before a sign multiplies it (௩௱ = 300).")},
    // Number signs 4
    {"Uahom",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Digits of the Ahom script of the Tai Ahom kingdom in the Brahmaputra valley of Assam "
         "(13th–19th century), whose chronicles (buranji) are read again today. Base 10.")},
    {"Ubhks",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Bhaiksuki digits, from a script of Buddhist manuscripts and inscriptions of eastern India in the "
         "11th and 12th centuries, known from only a few documents; its name refers to monks (bhikṣu). "
         "Base 10.")},
    {"Ucham",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Cham digits, from the script of the Cham people of Vietnam and Cambodia, which descends from "
         "the Indian-derived scripts of ancient Champa. Base 10.")},
    {"Uhanidec",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Chinese digits written place by place, 〇 for zero and no 十 百 千 (2026 = 二〇二六), as in "
         "China and Japan for years, addresses and telephone numbers, and in vertical text.")},
    {"Ugong",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Gunjala Gondi digits, from a script for the Gondi language known from manuscripts of Gunjala "
         "village in Telangana, India, studied again since the 2000s. Base 10.")},
    {"Usind",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Khudawadi digits, from a merchant script of the Landa family used for Sindhi, especially by "
         "Hindu Sindhi traders. Base 10.")},
    {"Ugonm",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Masaram Gondi digits, from the script Munshi Mangal Singh Masaram devised in 1918 for the "
         "Gondi language of central India. Base 10.")},
    {"Umodi",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Modi digits, from the cursive script of Marathi in administration and trade from the 17th "
         "century until Devanagari replaced it in the mid-20th century. Base 10.")},
    {"Umroo",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Mro digits, from the script Manlay created in the 1980s for the Mro language of Bangladesh's "
         "Chittagong Hill Tracts and western Myanmar. Base 10.")},
    {"Utalu",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "New Tai Lue digits, from the simplified Tai Tham script introduced in the 1950s in "
         "Xishuangbanna, Yunnan, China, for the Tai Lü language. Base 10.")},
    {"Unewa",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Newa digits, from the script of Nepal Bhasa, the language of the Newars of the Kathmandu "
         "valley, with a long manuscript tradition now being revived. Base 10.")},
    {"Uhmnp",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Nyiakeng Puachue Hmong digits, from the alphabet the Reverend Chervang Kong Vang created in "
         "the 1980s for Hmong, used mainly by a church community in the United States. Base 10.")},
    {"Uhmng",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Pahawh Hmong digits, from the semi-syllabary Shong Lue Yang created in Laos in 1959 for Hmong. "
         "Base 10; the script also has signs for tens and hundreds, not used here.")},
    {"Usaur",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Saurashtra digits, from the script of the Saurashtra language spoken around Madurai in Tamil "
         "Nadu by a community whose ancestors came from Gujarat. Base 10.")},
    {"Usegment",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "The digits of seven-segment displays in clocks, meters and calculators: each digit lights some "
         "of seven bars. Not a numeral system but a display code for 0–9, as Braille and Morse code are.")},
    {"Umymrshan",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Shan digits, written by the Shan of Shan State, Myanmar, with their form of the Myanmar "
         "script; they differ from the Burmese digits of the third page. Base 10.")},
    {"Ushrd",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sharada digits, from the script of Kashmir from about the 8th century, used for Sanskrit and "
         "Kashmiri and kept today mainly in ritual use. Base 10.")},
    {"Usora",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sora Sompeng digits, from the script Mangei Gomango created in 1936 for the Sora language of "
         "Odisha and Andhra Pradesh, India. Base 10.")},
    {"Usuzhou",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Suzhou numerals, the commercial digits of Chinese markets and account books, written place by "
         "place: 〡 〢 〣 after an upright 〡 〢 〣 lie as 一 二 三 (21 = 〢一), so that 〢〡 is not read "
         "as 〣. Real use adds a line for the unit, left out here.")},
    {"Umymrtlng",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Tai Laing digits, from the Myanmar script as extended for Tai Laing, a Tai language of Kachin "
         "and Sagaing in Myanmar. Base 10.")},
    {"Utakr",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Takri digits, from a family of scripts of the western Himalaya used for Dogri, Chambeali and "
         "other languages from the 16th to the early 20th century. Base 10.")},
    {"Ulanatham",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "The Tham digits of Tai Tham (Lanna), used in Buddhist religious texts of northern Thailand and "
         "its neighbours; secular writing uses the Hora digits of the third page. Base 10.")},
    {"Utirh",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Tirhuta (Mithilakshar) digits, from the traditional script of Maithili in Bihar, India, and "
         "south-eastern Nepal, now being revived. Base 10.")},
    {"Uwcho",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Wancho digits, from the alphabet the teacher Banwang Losu created between 2001 and 2012 for "
         "the Wancho language of Arunachal Pradesh, India. Base 10.")},
    {"Uwara",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Warang Citi digits, from the script Lako Bodra created in the mid-20th century for the Ho "
         "language of Jharkhand and Odisha, India. Base 10.")},
    // the fifth page
    {"Uabjad",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Abjad numerals: the Arabic letters with the values of the old Semitic alphabet order (alif, "
         "bā', jīm, dāl), 1–9, 10–90, 100–900 and ghayn for 1000, added up. Used before the Indian digits "
         "spread and still for numbering and in chronograms, where a verse adds up to a year. Written "
         "right to left; shown for 1–1999.")},
    {"Uarmi",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Imperial Aramaic numbers of the Persian Empire's papyri (6th–4th century BC), written right to "
         "left: strokes in threes for units, a sign for 10 and one for 20, and a count of strokes before "
         "the signs for 100, 1000 and 10000.")},
    {"Uhans",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Everyday Chinese numerals, written as the numbers are spoken: a digit multiplies the sign of its "
         "power (千 百 十, 万 for ten thousand) and the products add up; 零 marks skipped places, and 十 "
         "stands alone at the start of 10–19.")},
    {"Uepact",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Coptic epact numbers, cursive figures from Egyptian accounts and the Easter tables (epacts), "
         "descended from Greek letter numerals written fast. One sign for each multiple of 1, 10 and 100; "
         "a mark below a sign multiplies it by a thousand.")},
    {"Ujpanfin",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Japanese financial numerals (大字), written on documents where a number must not be altered: "
         "壱 弐 参 拾 cannot be turned into another number with a stroke. 壱 stands before every power, "
         "拾 included; nothing marks an empty place.")},
    {"Uglag",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Glagolitic letters as numbers, in the order of the oldest Slavic alphabet (9th century), used in "
         "Croatian church books for centuries. 11–19 put the units first, as the Slavic words do; Ⱍ is "
         "1000, so 1–1999 are shown.")},
    {"Ukakt",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Kaktovik numerals, invented in 1994 by Iñupiaq pupils in Kaktovik, Alaska, for their language's "
         "counting in twenties. Base 20; in each digit the strokes across count fives and the strokes "
         "hanging below count ones.")},
    {"Umlymold",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Traditional Malayalam numerals of Kerala, written as they are spoken before positional digits "
         "took over in the 19th century: digits and signs for 10, 100 and 1000 (൰ ൱ ൲), a digit before a "
         "sign multiplies it. No zero.")},
    {"Umedf",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Medefaidrin numerals of the Oberi Okaime church in south-eastern Nigeria (1930s). Base 20 with "
         "a zero, like the Ibibio counting in twenties, with twenty digit signs.")},
    {"Umend",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Mende Kikakui numerals of Sierra Leone (about 1917), written right to left: each digit carries "
         "a small mark for its power, tens, hundreds, thousands or ten-thousands, and one for 11–19.")},
    {"Umerc",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Meroitic cursive numbers of the kingdom of Kush on the Nile (3rd century BC – 4th century AD), "
         "right to left: one sign for each multiple of each power of ten, as in Egyptian Demotic. Unicode "
         "has no signs for 80 and 90, so numbers with those tens have no form.")},
    {"Uprti",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Inscriptional Parthian numbers of the Arsacid empire (3rd century BC – 3rd century AD), right to "
         "left: strokes in fours, signs for 10 and 20, and a count before 100 and 1000. Shown for 1–9999.")},
    {"Uphnx",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Phoenician numbers of Tyre, Sidon and Carthage, right to left: strokes in threes, a stroke for "
         "10, a sign for 20, and a count of strokes before the sign for 100. No sign for a thousand, so "
         "1–999.")},
    {"Uromapos",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Roman numerals with the old signs for the thousands: ↀ (CIↃ) for 1000, ↁ for 5000, ↂ for 10000 "
         "and ↇ for 50000, the forms the Romans and early printers used before M.")},
    {"Urumi",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Rumi (Fez) numerals of North Africa and al-Andalus (10th–17th century): one sign for each "
         "multiple of 1, 10 and 100, not positional. Historically the units stood at the left; Unicode "
         "lays them out with the hundreds at the left. 1–999.")},
    {"Usinhold",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sinhala archaic numerals (illakkam), the numerals of Sri Lanka until the early 19th century: "
         "signs of their own for 1–9 and 10–90, and a digit before the signs for 100 and 1000. No zero.")},
    {"Uxsux",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Sumerian counting signs (3rd millennium BC): units of 1, 10, 60, 600, 3600 and 36000, bases 10 "
         "and 6 in turn, one grouped sign for each count of a unit. The later Babylonian place value grew "
         "out of them.")},
    {"Usyrc",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Syriac letters as numbers, on the Greek and Hebrew model: the 22 letters count to 400, higher "
         "hundreds add letters (900 = ܬܬܩ), and a stroke below a letter makes it thousands. Right to left; "
         "1–9999.")},
    {"Utally",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Tally marks, strokes bundled in fives, four crossed by the fifth: the five-bar gate of scores "
         "and votes. Shown up to 50.")},
    {"Uzheng",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Chinese tally marks: votes and scores are counted by writing the five strokes of 正 one at a "
         "time, so each finished character is five. Shown up to 50.")},
    {"Utang",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Tangut numerals of the Western Xia state in north-western China (1038–1227), built like Chinese "
         "numbers with Tangut characters: a digit before the signs for 10, 100, 1000 and 10000, with no "
         "digit before a ten. No zero.")},
    {"Uhantfin",
     TALLYRA_TRANSLATE_NOOP(
         "Explanation",
         "Traditional Chinese financial numerals (大寫) of cheques and receipts in Taiwan and Hong Kong, "
         "hard to alter into another number; 壹 stands before 拾 too, as banks require, and 零 marks "
         "empty places.")},
};

}  // namespace

const char* Explanation(const std::string& cell)
{
    for (const CellExplanation& entry : kExplanations) {
        if (cell == entry.cell)
            return entry.text;
    }
    return "";
}

}  // namespace rowtext
