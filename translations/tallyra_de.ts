<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BottomBar</name>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Number signs of other cultures: a whole number from 0 to 79999 written in %1 numeral systems.</source>
        <translation>Zahlzeichen anderer Kulturen: eine ganze Zahl von 0 bis 79999, geschrieben in %1 Zahlsystemen.</translation>
    </message>
</context>
<context>
    <name>EnteredNumber</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 numeral: %2</source>
        <translation>Zahlzeichen (%1): %2</translation>
    </message>
    <message>
        <source>; also %1: %2</source>
        <translation>; auch %1: %2</translation>
    </message>
    <message>
        <source>, %1: %2</source>
        <translation>, %1: %2</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Greek acrophonic numerals: the signs are the first letters of the number words. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, each repeated, with five-signs for 5 and 50.</source>
        <translation>Griechische akrophonische Zahlzeichen: Die Zeichen sind die Anfangsbuchstaben der Zahlwörter. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, jeweils wiederholt, mit Fünferzeichen für 5 und 50.</translation>
    </message>
    <message>
        <source>Egyptian hieroglyphic numerals: a stroke for 1, a heel bone for 10, a coil of rope for 100, a lotus for 1000, a finger for 10000. Each sign is repeated as often as its digit says.</source>
        <translation>Ägyptische Hieroglyphenzahlen: ein Strich für 1, ein Fersenbein für 10, eine Seilschlinge für 100, eine Lotusblüte für 1000, ein Finger für 10000. Jedes Zeichen wird so oft wiederholt, wie seine Ziffer sagt.</translation>
    </message>
    <message>
        <source>Ethiopic numerals, used with Ge&apos;ez, Amharic and Tigrinya: signs for 1–9, 10–90, 100 and 10000. This row writes the thousands as tens of hundreds.</source>
        <translation>Äthiopische Zahlzeichen, gebraucht mit Ge&apos;ez, Amharisch und Tigrinya: Zeichen für 1–9, 10–90, 100 und 10000. Diese Zeile schreibt die Tausender als Zehner von Hundertern.</translation>
    </message>
    <message>
        <source>Eastern Arabic digits, used in much of the Arab world. Base 10 with a zero; the number is written most significant digit first, left to right.</source>
        <translation>Ostarabische Ziffern, in weiten Teilen der arabischen Welt gebraucht. Basis 10 mit einer Null; die Zahl wird mit der höchsten Stelle zuerst geschrieben, von links nach rechts.</translation>
    </message>
    <message>
        <source>Armenian letters used as numbers: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. This row leaves out the line that multiplies ten-thousands by 10000.</source>
        <translation>Armenische Buchstaben als Zahlen: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. Diese Zeile lässt den Strich weg, der Zehntausender mit 10000 malnimmt.</translation>
    </message>
    <message>
        <source>Mesopotamian cuneiform numbers: an upright wedge for 1, a corner wedge for 10. Base 60, each place built from up to five tens and nine ones.</source>
        <translation>Mesopotamische Keilschriftzahlen: ein senkrechter Keil für 1, ein Winkelhaken für 10. Basis 60, jede Stelle aus bis zu fünf Zehnern und neun Einern gebaut.</translation>
    </message>
    <message>
        <source>The acrophonic numerals of Athens: Ι Δ Η Χ Μ for 1 to 10000 and a pente sign that makes 5, 50, 500 and 5000. Additive, largest first.</source>
        <translation>Die akrophonischen Zahlzeichen Athens: Ι Δ Η Χ Μ für 1 bis 10000 und ein Pente-Zeichen, das 5, 50, 500 und 5000 bildet. Additiv, das Größte zuerst.</translation>
    </message>
    <message>
        <source>Digits of the Bengali–Assamese script (Bangladesh, West Bengal, Assam). Base 10, one digit per digit, like 0–9.</source>
        <translation>Ziffern der bengalisch-assamesischen Schrift (Bangladesch, Westbengalen, Assam). Basis 10, eine Ziffer für jede Ziffer, wie 0–9.</translation>
    </message>
    <message>
        <source>Louis Braille&apos;s raised dots (1829). The digits 1–9 and 0 are the cells of the letters a–j. The row leaves out the number sign ⠼; the text puts it in front so that a reader reads digits.</source>
        <translation>Louis Brailles erhabene Punkte (1829). Die Ziffern 1–9 und 0 sind die Zeichen der Buchstaben a–j. Die Zeile lässt das Zahlzeichen ⠼ weg; der Text setzt es davor, damit ein Leser Ziffern liest.</translation>
    </message>
    <message>
        <source>The Persian form of the Eastern Arabic digits, used in Iran and Afghanistan; 4, 5 and 6 have their own shapes. Base 10, written left to right.</source>
        <translation>Die persische Form der ostarabischen Ziffern, gebraucht in Iran und Afghanistan; 4, 5 und 6 haben eigene Formen. Basis 10, von links nach rechts geschrieben.</translation>
    </message>
    <message>
        <source>Counting on the fingers: one hand shows 1 to 5, six to nine need a second hand. One hand figure per decimal digit.</source>
        <translation>Zählen mit den Fingern: Eine Hand zeigt 1 bis 5, sechs bis neun brauchen eine zweite Hand. Eine Handfigur je Dezimalziffer.</translation>
    </message>
    <message>
        <source>Gothic letters used as numbers on the Greek model (4th century, Wulfila&apos;s Bible). The row&apos;s thousands are its own extension: 1000 looks like 1.</source>
        <translation>Gotische Buchstaben als Zahlen nach griechischem Vorbild (4. Jahrhundert, Wulfilas Bibel). Die Tausender der Zeile sind ihre eigene Erweiterung: 1000 sieht aus wie 1.</translation>
    </message>
    <message>
        <source>Hebrew letters used as numbers, still used for Jewish calendar dates: א–ט 1–9, י–צ 10–90, ק–ת 100–400; a geresh marks the thousands. Read right to left.</source>
        <translation>Hebräische Buchstaben als Zahlen, noch heute für Daten des jüdischen Kalenders gebraucht: א–ט 1–9, י–צ 10–90, ק–ת 100–400; ein Geresch kennzeichnet die Tausender. Von rechts nach links gelesen.</translation>
    </message>
    <message>
        <source>An additive tally between two delimiters, from the units upward, with signs for one and five units and tens and one sign for each higher power. Origin unknown.</source>
        <translation>Eine additive Strichliste zwischen zwei Begrenzern, von den Einern aufwärts, mit Zeichen für einen und fünf Einer und Zehner und je einem Zeichen für jede höhere Potenz. Herkunft unbekannt.</translation>
    </message>
    <message>
        <source>Devanagari digits, used with Hindi, Marathi, Nepali and Sanskrit. Base 10; like all Indian digits they go back to Brahmi.</source>
        <translation>Devanagari-Ziffern, gebraucht mit Hindi, Marathi, Nepali und Sanskrit. Basis 10; wie alle indischen Ziffern gehen sie auf Brahmi zurück.</translation>
    </message>
    <message>
        <source>Greek alphabetic numerals: 24 letters and ϛ, ϙ, ϡ for 1–900. ͵ before a letter multiplies it by 1000; Μ stands for 10000.</source>
        <translation>Griechische alphabetische Zahlzeichen: 24 Buchstaben und ϛ, ϙ, ϡ für 1–900. ͵ vor einem Buchstaben nimmt ihn mit 1000 mal; Μ steht für 10000.</translation>
    </message>
    <message>
        <source>Chinese numerals as used in Japanese: 一 to 九 and 十, 百, 千, 万. A digit before a power sign multiplies it; 1 is left out before a power.</source>
        <translation>Chinesische Zahlzeichen, wie sie im Japanischen gebraucht werden: 一 bis 九 und 十, 百, 千, 万. Eine Ziffer vor einem Potenzzeichen nimmt es mal; 1 entfällt vor einer Potenz.</translation>
    </message>
    <message>
        <source>Sino-Korean number words in Hangul: 일 to 구 and 십, 백, 천, 만, built like the Kanji numerals (천구백구십사 = 1994).</source>
        <translation>Sinokoreanische Zahlwörter in Hangul: 일 bis 구 und 십, 백, 천, 만, gebaut wie die Kanji-Zahlen (천구백구십사 = 1994).</translation>
    </message>
    <message>
        <source>Manchu number words in the Manchu script (Qing dynasty, written vertically): emu minggan uyun tanggū uyunju duin = 1994.</source>
        <translation>Mandschurische Zahlwörter in mandschurischer Schrift (Qing-Dynastie, senkrecht geschrieben): emu minggan uyun tanggū uyunju duin = 1994.</translation>
    </message>
    <message>
        <source>Maya dot-and-bar numerals: a dot for 1, a bar for 5, a shell for 0. Places from the top down, counted as in the Long Count: 1, 20, 360, 7200.</source>
        <translation>Maya-Zahlen aus Punkten und Strichen: ein Punkt für 1, ein Strich für 5, eine Muschel für 0. Stellen von oben nach unten, gezählt wie in der Langen Zählung: 1, 20, 360, 7200.</translation>
    </message>
    <message>
        <source>Maya head-variant numerals: deity heads for 0–19 in carved inscriptions. The row counts in pure base 20 (1, 20, 400, 8000).</source>
        <translation>Maya-Kopfzahlen: Götterköpfe für 0–19 in gemeißelten Inschriften. Die Zeile zählt rein zur Basis 20 (1, 20, 400, 8000).</translation>
    </message>
    <message>
        <source>International Morse code: each decimal digit is five dots and dashes (1 is ·−−−−, 0 is −−−−−).</source>
        <translation>Internationaler Morsecode: Jede Dezimalziffer besteht aus fünf Punkten und Strichen (1 ist ·−−−−, 0 ist −−−−−).</translation>
    </message>
    <message>
        <source>N&apos;Ko digits (1949, Solomana Kanté, West Africa). Base 10, written right to left, so the units stand at the left.</source>
        <translation>N&apos;Ko-Ziffern (1949, Solomana Kanté, Westafrika). Basis 10, von rechts nach links geschrieben, sodass die Einer links stehen.</translation>
    </message>
    <message>
        <source>Roman numerals I V X L C D M: additive with subtraction (IV = 4, XC = 90). From 5000 the row counts thousands with the mark &apos;M.</source>
        <translation>Römische Zahlzeichen I V X L C D M: additiv mit Subtraktion (IV = 4, XC = 90). Ab 5000 zählt die Zeile Tausender mit dem Zeichen &apos;M.</translation>
    </message>
    <message>
        <source>Āryabhaṭa&apos;s letter numerals (499 CE): consonants count 1–25 and 30–100, the vowel i multiplies by 100, u by 10000. Lowest place first.</source>
        <translation>Āryabhaṭas Buchstabenzahlen (499 n. Chr.): Konsonanten zählen 1–25 und 30–100, der Vokal i nimmt mit 100 mal, u mit 10000. Die niedrigste Stelle zuerst.</translation>
    </message>
    <message>
        <source>Flag semaphore: two flags held at clock positions. After the numeral sign the letters A–I mean 1–9 and K means 0; one figure per digit.</source>
        <translation>Winkeralphabet: zwei Flaggen in Stellungen wie Uhrzeiger. Nach dem Zahlzeichen bedeuten die Buchstaben A–I 1–9 und K 0; eine Figur je Ziffer.</translation>
    </message>
    <message>
        <source>Tibetan digits, used in Tibet, Bhutan and among Tibetan communities. Base 10.</source>
        <translation>Tibetische Ziffern, gebraucht in Tibet, Bhutan und in tibetischen Gemeinschaften. Basis 10.</translation>
    </message>
    <message>
        <source>Old Hungarian (Székely) numbers, written right to left: signs for 1, 5, 10, 50, 100 and 1000. The count of thousands comes before the thousand sign.</source>
        <translation>Altungarische (Székely-)Zahlen, von rechts nach links geschrieben: Zeichen für 1, 5, 10, 50, 100 und 1000. Die Anzahl der Tausender steht vor dem Tausenderzeichen.</translation>
    </message>
    <message>
        <source>One sign per decimal digit, marked on a staff. The shapes resemble the Cistercian monks&apos; numerals, but the system itself is not identified.</source>
        <translation>Ein Zeichen je Dezimalziffer, an einem Stab angebracht. Die Formen ähneln den Zahlzeichen der Zisterziensermönche, doch das System selbst ist nicht bestimmt.</translation>
    </message>
    <message>
        <source>Probably the Ath script of the Seikai novels. Each decimal digit is replaced by a sign.</source>
        <translation>Wahrscheinlich die Ath-Schrift der Seikai-Romane. Jede Dezimalziffer wird durch ein Zeichen ersetzt.</translation>
    </message>
    <message>
        <source>Brahmi digits, from the script of Ashoka&apos;s inscriptions. These positional digits belong to later use; early Brahmi had separate signs for tens.</source>
        <translation>Brahmi-Ziffern, aus der Schrift der Inschriften Ashokas. Diese Stellenwertziffern gehören späterem Gebrauch an; das frühe Brahmi hatte eigene Zeichen für die Zehner.</translation>
    </message>
    <message>
        <source>The stick figures of the Sherlock Holmes story &quot;The Adventure of the Dancing Men&quot; (1903). The story has no digits: these figures are invented.</source>
        <translation>Die Strichmännchen der Sherlock-Holmes-Erzählung „Die tanzenden Männchen“ (1903). Die Erzählung kennt keine Ziffern: Diese Figuren sind erfunden.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs, most significant first. Origin unknown.</source>
        <translation>Basis 16 mit erfundenen Ziffernzeichen, die höchste Stelle zuerst. Herkunft unbekannt.</translation>
    </message>
    <message>
        <source>D&apos;ni numerals from the Myst games: base 25, each digit a box of strokes.</source>
        <translation>D&apos;ni-Zahlen aus den Myst-Spielen: Basis 25, jede Ziffer ein Kästchen aus Strichen.</translation>
    </message>
    <message>
        <source>Binary: base 2 with the digits 0 and 1, drawn as short and long bars.</source>
        <translation>Binär: Basis 2 mit den Ziffern 0 und 1, gezeichnet als kurze und lange Balken.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs. Origin unknown.</source>
        <translation>Basis 16 mit erfundenen Ziffernzeichen. Herkunft unbekannt.</translation>
    </message>
    <message>
        <source>Digit signs in the style of the alien alphabets of Futurama; each decimal digit is replaced by an invented sign.</source>
        <translation>Ziffernzeichen im Stil der Alien-Alphabete aus Futurama; jede Dezimalziffer wird durch ein erfundenes Zeichen ersetzt.</translation>
    </message>
    <message>
        <source>Gorwelion, a constructed alphabet: the decimal digits between two frame signs.</source>
        <translation>Gorwelion, ein konstruiertes Alphabet: die Dezimalziffern zwischen zwei Rahmenzeichen.</translation>
    </message>
    <message>
        <source>Hieratic, the cursive script of ancient Egypt: one sign for each of 1–9, 10–90, 100–900 and 1000–9000, at most one sign per decimal place.</source>
        <translation>Hieratisch, die Kursivschrift des alten Ägypten: je ein Zeichen für 1–9, 10–90, 100–900 und 1000–9000, höchstens ein Zeichen je Dezimalstelle.</translation>
    </message>
    <message>
        <source>Digits of the Kannada script of Karnataka, India. Base 10.</source>
        <translation>Ziffern der Kannada-Schrift aus Karnataka, Indien. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of the Kayah Li script of Myanmar and Thailand. Base 10.</source>
        <translation>Ziffern der Kayah-Li-Schrift aus Myanmar und Thailand. Basis 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Klingons of Star Trek, who count in base 10; the shapes are invented.</source>
        <translation>Ziffernzeichen für die Klingonen aus Star Trek, die zur Basis 10 zählen; die Formen sind erfunden.</translation>
    </message>
    <message>
        <source>Khmer digits of Cambodia. Base 10; a Khmer inscription of 683 CE has one of the oldest dated zeros.</source>
        <translation>Khmer-Ziffern aus Kambodscha. Basis 10; eine Khmer-Inschrift von 683 n. Chr. enthält eine der ältesten datierten Nullen.</translation>
    </message>
    <message>
        <source>Digits of the Lao script of Laos. Base 10.</source>
        <translation>Ziffern der laotischen Schrift aus Laos. Basis 10.</translation>
    </message>
    <message>
        <source>Mongolian digits of the traditional vertical script. Base 10.</source>
        <translation>Mongolische Ziffern der traditionellen senkrechten Schrift. Basis 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Narn of Babylon 5; invented, one per decimal digit.</source>
        <translation>Ziffernzeichen für die Narn aus Babylon 5; erfunden, eines je Dezimalziffer.</translation>
    </message>
    <message>
        <source>Osmanya digits, created for Somali around 1920. Base 10.</source>
        <translation>Osmanya-Ziffern, um 1920 für das Somali geschaffen. Basis 10.</translation>
    </message>
    <message>
        <source>A constructed script: signs for 0–5, and 6–9 as 1–4 followed by the sign for 5.</source>
        <translation>Eine konstruierte Schrift: Zeichen für 0–5, und 6–9 als 1–4, gefolgt vom Zeichen für 5.</translation>
    </message>
    <message>
        <source>A constructed script counting in twelves: digits 0–11, the number in round brackets.</source>
        <translation>Eine konstruierte Schrift, die in Zwölfern zählt: Ziffern 0–11, die Zahl in runden Klammern.</translation>
    </message>
    <message>
        <source>A postal bar code: five cells per digit, bar or gap; the US POSTNET patterns with tall and short bars swapped and the order reversed.</source>
        <translation>Ein Postleitzahl-Strichcode: fünf Felder je Ziffer, Balken oder Lücke; die Muster des US-POSTNET mit vertauschten hohen und kurzen Balken und umgekehrter Reihenfolge.</translation>
    </message>
    <message>
        <source>Base 4 with the digits 0–3 drawn as invented signs. Origin unknown.</source>
        <translation>Basis 4 mit den Ziffern 0–3, als erfundene Zeichen gezeichnet. Herkunft unbekannt.</translation>
    </message>
    <message>
        <source>Invented signs, one per decimal digit. Origin unknown.</source>
        <translation>Erfundene Zeichen, eines je Dezimalziffer. Herkunft unbekannt.</translation>
    </message>
    <message>
        <source>Signs in the style of the Stargate gate symbols; invented, one per decimal digit.</source>
        <translation>Zeichen im Stil der Stargate-Torsymbole; erfunden, eines je Dezimalziffer.</translation>
    </message>
    <message>
        <source>Suzhou numerals, a Chinese merchants&apos; script from counting rods. The row writes them with power signs like Kanji; 百 stands in for the cursive hundred.</source>
        <translation>Suzhou-Zahlen, eine Kaufmannsschrift Chinas, aus den Zählstäbchen hervorgegangen. Die Zeile schreibt sie mit Potenzzeichen wie Kanji; 百 vertritt das kursive Hundert.</translation>
    </message>
    <message>
        <source>Tamil digits of Tamil Nadu and Sri Lanka. Base 10 with ௦ for zero.</source>
        <translation>Tamilische Ziffern aus Tamil Nadu und Sri Lanka. Basis 10 mit ௦ für Null.</translation>
    </message>
    <message>
        <source>Digit signs for the Newcomers of Alien Nation; invented, one per decimal digit.</source>
        <translation>Ziffernzeichen für die Newcomer aus Alien Nation; erfunden, eines je Dezimalziffer.</translation>
    </message>
    <message>
        <source>Thai digits, used beside 0–9 in Thailand. Base 10.</source>
        <translation>Thailändische Ziffern, in Thailand neben 0–9 gebraucht. Basis 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Zentradi of Macross; invented, one per decimal digit.</source>
        <translation>Ziffernzeichen für die Zentradi aus Macross; erfunden, eines je Dezimalziffer.</translation>
    </message>
    <message>
        <source>Adlam digits, from the alphabet the brothers Ibrahima and Abdoulaye Barry created for Fula in Guinea in 1989. Base 10, written right to left, so the units stand at the left.</source>
        <translation>Adlam-Ziffern, aus dem Alphabet, das die Brüder Ibrahima und Abdoulaye Barry 1989 in Guinea für das Fulfulde schufen. Basis 10, von rechts nach links geschrieben, sodass die Einer links stehen.</translation>
    </message>
    <message>
        <source>Balinese digits of Bali, Indonesia, found in palm-leaf manuscripts (lontar) and calendars. Base 10.</source>
        <translation>Balinesische Ziffern aus Bali, Indonesien, zu finden in Palmblatthandschriften (Lontar) und Kalendern. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of the Chakma script, used in the Chittagong Hill Tracts of Bangladesh and in Mizoram and Tripura, India. Base 10.</source>
        <translation>Ziffern der Chakma-Schrift, gebraucht in den Chittagong Hill Tracts in Bangladesch sowie in Mizoram und Tripura, Indien. Basis 10.</translation>
    </message>
    <message>
        <source>Gujarati digits of the Indian state of Gujarat. They descend from the Nagari digits and are still printed beside 0–9. Base 10.</source>
        <translation>Gujarati-Ziffern aus dem indischen Bundesstaat Gujarat. Sie stammen von den Nagari-Ziffern ab und werden noch neben 0–9 gedruckt. Basis 10.</translation>
    </message>
    <message>
        <source>Gurmukhi digits, written with Punjabi in the script that took its standard form under the second Sikh Guru, Angad, in the 16th century. Base 10.</source>
        <translation>Gurmukhi-Ziffern, geschrieben mit Panjabi in der Schrift, die unter dem zweiten Guru der Sikh, Angad, im 16. Jahrhundert ihre feste Form erhielt. Basis 10.</translation>
    </message>
    <message>
        <source>Javanese digits (aksara Jawa), still taught in schools in Central and East Java. Several look like letters, so running text sets a number off with marks. Base 10.</source>
        <translation>Javanische Ziffern (Aksara Jawa), noch heute in Schulen in Zentral- und Ostjava gelehrt. Manche sehen aus wie Buchstaben, daher setzt laufender Text eine Zahl mit Zeichen ab. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of the Lepcha (Róng) script of Sikkim and Darjeeling in the eastern Himalaya, a script thought to date from the 17th or 18th century. Base 10.</source>
        <translation>Ziffern der Lepcha-(Róng-)Schrift aus Sikkim und Darjeeling im östlichen Himalaya, einer Schrift, die vermutlich aus dem 17. oder 18. Jahrhundert stammt. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of the Limbu (Sirijanga) script of eastern Nepal, Sikkim and Darjeeling. Base 10.</source>
        <translation>Ziffern der Limbu-(Sirijanga-)Schrift aus dem östlichen Nepal, Sikkim und Darjeeling. Basis 10.</translation>
    </message>
    <message>
        <source>Malayalam digits of Kerala. Base 10; the positional digits are modern, older texts wrote separate signs for 10, 100 and 1000.</source>
        <translation>Malayalam-Ziffern aus Kerala. Basis 10; die Stellenwertziffern sind modern, ältere Texte schrieben eigene Zeichen für 10, 100 und 1000.</translation>
    </message>
    <message>
        <source>Digits of Meetei Mayek, the script of Manipuri, revived and officially adopted in Manipur in the late 20th century. Base 10.</source>
        <translation>Ziffern von Meetei Mayek, der Schrift des Manipuri, im späten 20. Jahrhundert wiederbelebt und in Manipur amtlich eingeführt. Basis 10.</translation>
    </message>
    <message>
        <source>Burmese digits, in everyday use in Myanmar on prices, calendars, bank notes and number plates. Base 10.</source>
        <translation>Birmanische Ziffern, in Myanmar täglich auf Preisen, Kalendern, Geldscheinen und Nummernschildern zu sehen. Basis 10.</translation>
    </message>
    <message>
        <source>Odia digits of the Indian state of Odisha; Unicode still names them Oriya. Base 10.</source>
        <translation>Odia-Ziffern aus dem indischen Bundesstaat Odisha; Unicode nennt sie noch Oriya. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of Ol Chiki, the script Raghunath Murmu created in 1925 for Santali in eastern India. Base 10.</source>
        <translation>Ziffern von Ol Chiki, der Schrift, die Raghunath Murmu 1925 für das Santali im Osten Indiens schuf. Basis 10.</translation>
    </message>
    <message>
        <source>Hanifi Rohingya digits, from the script Mohammad Hanif developed in the 1980s for Rohingya. The script runs right to left, but a number reads left to right, as Arabic digits do.</source>
        <translation>Hanifi-Rohingya-Ziffern, aus der Schrift, die Mohammad Hanif in den 1980er-Jahren für das Rohingya entwickelte. Die Schrift läuft von rechts nach links, eine Zahl aber liest sich von links nach rechts, wie arabische Ziffern.</translation>
    </message>
    <message>
        <source>Sinhala Lith digits, the historical digits of Sinhala almanacs and horoscopes (lith: almanac); Sri Lanka writes 0–9 today. Base 10.</source>
        <translation>Sinhala-Lith-Ziffern, die historischen Ziffern singhalesischer Almanache und Horoskope (Lith: Almanach); Sri Lanka schreibt heute 0–9. Basis 10.</translation>
    </message>
    <message>
        <source>Sundanese digits of West Java, Indonesia. In running text a number stands between two bar-like marks, which a number on its own does not need. Base 10.</source>
        <translation>Sundanesische Ziffern aus Westjava, Indonesien. Im laufenden Text steht eine Zahl zwischen zwei balkenartigen Zeichen, die eine alleinstehende Zahl nicht braucht. Basis 10.</translation>
    </message>
    <message>
        <source>The Hora digits of Tai Tham (Lanna), the script of Northern Thai, Tai Lü and Khün, kept for secular and astrological writing; religious texts use a second set. Base 10.</source>
        <translation>Die Hora-Ziffern von Tai Tham (Lanna), der Schrift des Nordthai, Tai Lü und Khün, bewahrt für weltliche und astrologische Texte; religiöse Texte verwenden einen zweiten Satz. Basis 10.</translation>
    </message>
    <message>
        <source>Telugu digits of Andhra Pradesh and Telangana, South India, still seen in print and on traditional documents. Base 10.</source>
        <translation>Telugu-Ziffern aus Andhra Pradesh und Telangana, Südindien, noch in Drucken und auf traditionellen Dokumenten zu sehen. Basis 10.</translation>
    </message>
    <message>
        <source>Digits of the Vai syllabary of Liberia, which Momolu Duwalu Bukele created in the 1830s; the digits came later. Base 10.</source>
        <translation>Ziffern der Vai-Silbenschrift aus Liberia, die Momolu Duwalu Bukele in den 1830er-Jahren schuf; die Ziffern kamen später hinzu. Basis 10.</translation>
    </message>
    <message>
        <source>Numbers of Linear A and Linear B (Crete and Mycenaean Greece, about 1800–1200 BC), mostly counts of goods on clay tablets: strokes, bars, circles and rayed circles for 1 to 10000, repeated. Unicode has one sign for each digit of each place.</source>
        <translation>Zahlen von Linear A und Linear B (Kreta und mykenisches Griechenland, etwa 1800–1200 v. Chr.), meist Warenmengen auf Tontafeln: Striche, Balken, Kreise und Strahlenkreise für 1 bis 10000, wiederholt. Unicode hat ein Zeichen für jede Ziffer jeder Stelle.</translation>
    </message>
    <message>
        <source>Brahmi numerals of Indian inscriptions from the 3rd century BC: signs for 1–9 and 10–90 add up, and 100 and 1000 are joined to the sign that multiplies them. No zero, no place value; the later Indian digits grew out of the unit signs.</source>
        <translation>Brahmi-Zahlen indischer Inschriften ab dem 3. Jahrhundert v. Chr.: Zeichen für 1–9 und 10–90 werden addiert, und 100 und 1000 werden mit dem Zeichen verbunden, das sie malnimmt. Keine Null, kein Stellenwert; die späteren indischen Ziffern gingen aus den Einerzeichen hervor.</translation>
    </message>
    <message>
        <source>Chinese financial numerals (大写), required on cheques and receipts: characters that are hard to alter into another number. Built like the Kanji numerals, with 壹 before 拾 and 零 for empty places.</source>
        <translation>Chinesische Finanzzahlzeichen (大写), vorgeschrieben auf Schecks und Quittungen: Schriftzeichen, die sich schwer in eine andere Zahl ändern lassen. Gebaut wie die Kanji-Zahlen, mit 壹 vor 拾 und 零 für leere Stellen.</translation>
    </message>
    <message>
        <source>Coptic letters used as numbers on the Greek model, with sou for 6, fei for 90 and sampi for 900. A line over the letters marks a number; a double line, one of the old forms, marks thousands.</source>
        <translation>Koptische Buchstaben als Zahlen nach griechischem Vorbild, mit Sou für 6, Fei für 90 und Sampi für 900. Ein Strich über den Buchstaben kennzeichnet eine Zahl; ein Doppelstrich, eine der alten Formen, die Tausender.</translation>
    </message>
    <message>
        <source>Chinese counting rods, the arithmetic of the counting board: upright rods for units, hundreds and ten-thousands, lying rods for tens and thousands. An empty place is 〇, as written from the 13th century on.</source>
        <translation>Chinesische Zählstäbchen, das Rechnen auf dem Zählbrett: stehende Stäbchen für Einer, Hunderter und Zehntausender, liegende für Zehner und Tausender. Eine leere Stelle ist 〇, wie ab dem 13. Jahrhundert geschrieben.</translation>
    </message>
    <message>
        <source>Church Slavonic letter numerals on the Greek model, used from the 10th century until Peter the Great and still in liturgical books. A titlo ҃ marks the number, ҂ a thousand.</source>
        <translation>Kirchenslawische Buchstabenzahlen nach griechischem Vorbild, gebraucht vom 10. Jahrhundert bis zu Peter dem Großen und noch in liturgischen Büchern. Ein Titlo ҃ kennzeichnet die Zahl, ҂ ein Tausend.</translation>
    </message>
    <message>
        <source>Georgian letters as numbers, on the Greek model with letters of their own for the thousands; still seen in church books and chapter numbers. The last letter stands for 10000, so only 1–19999 can be written.</source>
        <translation>Georgische Buchstaben als Zahlen, nach griechischem Vorbild mit eigenen Buchstaben für die Tausender; noch in Kirchenbüchern und bei Kapitelnummern zu sehen. Der letzte Buchstabe steht für 10000, daher lassen sich nur 1–19999 schreiben.</translation>
    </message>
    <message>
        <source>Kharoshthi numbers of ancient Gandhara (3rd century BC to 3rd century AD), written right to left: 1, 2, 3, 4, 10 and 20 add up, and a count before 100 or 1000 multiplies it. Thousands above the attested ones follow the pattern of the hundreds.</source>
        <translation>Kharoshthi-Zahlen des alten Gandhara (3. Jahrhundert v. Chr. bis 3. Jahrhundert n. Chr.), von rechts nach links geschrieben: 1, 2, 3, 4, 10 und 20 werden addiert, und eine Anzahl vor 100 oder 1000 nimmt sie mal. Tausender über den belegten folgen dem Muster der Hunderter.</translation>
    </message>
    <message>
        <source>Traditional Tamil numerals, in use until the 19th and 20th centuries: digits and the signs ௰ ௱ ௲ for 10, 100 and 1000; a digit before a sign multiplies it (௩௱ = 300).</source>
        <translation>Traditionelle tamilische Zahlzeichen, in Gebrauch bis ins 19. und 20. Jahrhundert: Ziffern und die Zeichen ௰ ௱ ௲ für 10, 100 und 1000; eine Ziffer vor einem Zeichen nimmt es mal (௩௱ = 300).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Number signs of other cultures</source>
        <translation>Zahlzeichen anderer Kulturen</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>NumberParser</name>
    <message>
        <source>Number must be greater than 0 and less than %1</source>
        <translation>Die Zahl muss größer als 0 und kleiner als %1 sein</translation>
    </message>
    <message>
        <source>Number must be greater than 0 und less than %1</source>
        <translation>Die Zahl muss größer als 0 und kleiner als %1 sein</translation>
    </message>
</context>
<context>
    <name>NumeralPages</name>
    <message>
        <source>Number signs 1</source>
        <translation>Zahlzeichen 1</translation>
    </message>
    <message>
        <source>Number signs 2</source>
        <translation>Zahlzeichen 2</translation>
    </message>
    <message>
        <source>Number signs 3</source>
        <translation>Zahlzeichen 3</translation>
    </message>
</context>
<context>
    <name>ProgramResources</name>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>RecognisedNumbers</name>
    <message>
        <source>No number this program can read</source>
        <translation>Keine Zahl, die dieses Programm lesen kann</translation>
    </message>
</context>
<context>
    <name>RowCaption</name>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Decimal digits</source>
        <translation>Dezimalziffern</translation>
    </message>
    <message>
        <source>Ancient Greek</source>
        <translation>Altgriechisch</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>Ägyptisch</translation>
    </message>
    <message>
        <source>Amharic</source>
        <translation>Amharisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <source>Assyrian</source>
        <translation>Assyrisch</translation>
    </message>
    <message>
        <source>Attic</source>
        <translation>Attisch</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Braille</source>
        <translation>Braille</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Farsi</translation>
    </message>
    <message>
        <source>Fingernumbers</source>
        <translation>Fingerzahlen</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>Gotisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Heyarian</source>
        <translation>Heyarian</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translation>Ionisch</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Manchu</source>
        <translation>Mandschu</translation>
    </message>
    <message>
        <source>Maya</source>
        <translation>Maya</translation>
    </message>
    <message>
        <source>Maya-Hierogl.</source>
        <translation>Maya-Hierogl.</translation>
    </message>
    <message>
        <source>Morse code</source>
        <translation>Morsecode</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Römisch</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sanskrit</translation>
    </message>
    <message>
        <source>Semaphore</source>
        <translation>Semaphor</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetisch</translation>
    </message>
    <message>
        <source>Hungar.Runes</source>
        <translation>Ungar.Runen</translation>
    </message>
    <message>
        <source>Staff numbers</source>
        <translation>Stabziffern</translation>
    </message>
    <message>
        <source>Ath-Seikai</source>
        <translation>Ath-Seikai</translation>
    </message>
    <message>
        <source>Brahmi</source>
        <translation>Brahmi</translation>
    </message>
    <message>
        <source>Dancing Men</source>
        <translation>Dancing Men</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>D&apos;Ni</source>
        <translation>D&apos;Ni</translation>
    </message>
    <message>
        <source>Dual code</source>
        <translation>Dualcode</translation>
    </message>
    <message>
        <source>Ecclemony</source>
        <translation>Ecclemony</translation>
    </message>
    <message>
        <source>Four Line</source>
        <translation>Four Line</translation>
    </message>
    <message>
        <source>Futurama</source>
        <translation>Futurama</translation>
    </message>
    <message>
        <source>Gorwelion</source>
        <translation>Gorwelion</translation>
    </message>
    <message>
        <source>Hieratic</source>
        <translation>Hieratisch</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Kayah</source>
        <translation>Kayah</translation>
    </message>
    <message>
        <source>Klingon</source>
        <translation>Klingon</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Laotian</source>
        <translation>Laotisch</translation>
    </message>
    <message>
        <source>Mong</source>
        <translation>Mongolisch</translation>
    </message>
    <message>
        <source>Narn</source>
        <translation>Narn</translation>
    </message>
    <message>
        <source>Osmanya</source>
        <translation>Osmanya</translation>
    </message>
    <message>
        <source>Oxidilogi</source>
        <translation>Oxidilogi</translation>
    </message>
    <message>
        <source>Pékrif</source>
        <translation>Pékrif</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Quadnary</source>
        <translation>Quadnary</translation>
    </message>
    <message>
        <source>SpaceKees</source>
        <translation>SpaceKees</translation>
    </message>
    <message>
        <source>Stargate</source>
        <translation>Stargate</translation>
    </message>
    <message>
        <source>Suzhou</source>
        <translation>Suzhou</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilisch</translation>
    </message>
    <message>
        <source>Tenctonese</source>
        <translation>Tenctonese</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Zentlardy</source>
        <translation>Zentlardy</translation>
    </message>
    <message>
        <source>Adlam</source>
        <translation>Adlam</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>Balinesisch</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>Chakma</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>Javanisch</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>Lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>Limbu</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>Meetei Mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Birmanisch</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>Odia</translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation>Ol Chiki</translation>
    </message>
    <message>
        <source>Rohingya</source>
        <translation>Rohingya</translation>
    </message>
    <message>
        <source>Sinhala Lith</source>
        <translation>Singhal. Lith</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>Sundanesisch</translation>
    </message>
    <message>
        <source>Tai Tham</source>
        <translation>Tai Tham</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Aegean</source>
        <translation>Ägäisch</translation>
    </message>
    <message>
        <source>Brahmi old</source>
        <translation>Brahmi alt</translation>
    </message>
    <message>
        <source>Chinese fin.</source>
        <translation>Chinesisch Fin.</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>Koptisch</translation>
    </message>
    <message>
        <source>Counting rods</source>
        <translation>Zählstäbchen</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>Kharoshthi</source>
        <translation>Kharoshthi</translation>
    </message>
    <message>
        <source>Tamil old</source>
        <translation>Tamilisch alt</translation>
    </message>
</context>
<context>
    <name>RowInteraction</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Als Bild kopieren</translation>
    </message>
    <message>
        <source>Copy All Rows</source>
        <translation>Alle Zeilen kopieren</translation>
    </message>
</context>
<context>
    <name>RowText</name>
    <message>
        <source>decimal</source>
        <translation>dezimal</translation>
    </message>
    <message>
        <source>hieratic signs %1</source>
        <translation>hieratische Zeichen %1</translation>
    </message>
    <message>
        <source>staff numerals</source>
        <translation>Stabziffern</translation>
    </message>
    <message>
        <source>Ath digits</source>
        <translation>Ath-Ziffern</translation>
    </message>
    <message>
        <source>dancing-men figures</source>
        <translation>Figuren der tanzenden Männchen</translation>
    </message>
    <message>
        <source>Futurama digits</source>
        <translation>Futurama-Ziffern</translation>
    </message>
    <message>
        <source>Klingon digits</source>
        <translation>klingonische Ziffern</translation>
    </message>
    <message>
        <source>Narn digits</source>
        <translation>Narn-Ziffern</translation>
    </message>
    <message>
        <source>SpaceKees digits</source>
        <translation>SpaceKees-Ziffern</translation>
    </message>
    <message>
        <source>Stargate digits</source>
        <translation>Stargate-Ziffern</translation>
    </message>
    <message>
        <source>Tenctonese digits</source>
        <translation>tenctonesische Ziffern</translation>
    </message>
    <message>
        <source>Zentlardy digits</source>
        <translation>Zentradi-Ziffern</translation>
    </message>
    <message>
        <source>no sign for zero</source>
        <translation>kein Zeichen für Null</translation>
    </message>
    <message>
        <source>the system has no form for this number</source>
        <translation>das System kann diese Zahl nicht schreiben</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einer</translation>
    </message>
    <message>
        <source>units</source>
        <translation>Einer</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehner</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>Zehner</translation>
    </message>
    <message>
        <source>hundred</source>
        <translation>Hunderter</translation>
    </message>
    <message>
        <source>hundreds</source>
        <translation>Hunderter</translation>
    </message>
    <message>
        <source>thousand</source>
        <translation>Tausender</translation>
    </message>
    <message>
        <source>thousands</source>
        <translation>Tausender</translation>
    </message>
    <message>
        <source>ten thousand</source>
        <translation>Zehntausender</translation>
    </message>
    <message>
        <source>ten thousands</source>
        <translation>Zehntausender</translation>
    </message>
    <message>
        <source>%1 (base %2)</source>
        <translation>%1 (Basis %2)</translation>
    </message>
    <message>
        <source>%1 as counting hands: %2 fingers</source>
        <translation>%1 als Zählhände: %2 Finger</translation>
    </message>
</context>
<context>
    <name>SpinButtonAccessible</name>
    <message>
        <source>Step number</source>
        <translation>Zahl weiterzählen</translation>
    </message>
</context>
<context>
    <name>TextFonts</name>
    <message>
        <source>Font %1 could not be registered</source>
        <translation>Die Schrift %1 konnte nicht registriert werden</translation>
    </message>
</context>
<context>
    <name>TextMain</name>
    <message>
        <source>no row with the caption %1</source>
        <translation>keine Zeile mit der Beschriftung %1</translation>
    </message>
    <message>
        <source>Prints a number in the %1 numeral systems of Tallyra as text, one row a line:
caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind being unicode, partial or described.
The number may be written in any of these systems (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): with --parse, only what number it is.</source>
        <translation>Gibt eine Zahl in den %1 Zahlsystemen von Tallyra als Text aus, eine Zeile je Zeile des Fensters:
caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind ist unicode, partial oder described.
Die Zahl darf in jedem dieser Systeme geschrieben sein (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): mit --parse nur, welche Zahl sie ist.</translation>
    </message>
    <message>
        <source>Add how the signs build the number as a fourth column.</source>
        <translation>Als vierte Spalte angeben, wie die Zeichen die Zahl bilden.</translation>
    </message>
    <message>
        <source>Print only the row with this caption.</source>
        <translation>Nur die Zeile mit dieser Beschriftung ausgeben (englische Beschriftung).</translation>
    </message>
    <message>
        <source>CAPTION</source>
        <translation>BESCHRIFTUNG</translation>
    </message>
    <message>
        <source>Print only the numbers the text stands for, number&lt;TAB&gt;caption, one a line,
the one the rows would show first; a text read several ways gives several.</source>
        <translation>Nur die Zahlen ausgeben, für die der Text steht, number&lt;TAB&gt;caption, eine je Zeile,
die Zahl, die die Zeilen zeigen würden, zuerst; ein mehrdeutiger Text ergibt mehrere.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>The number, read as the number field reads it (0 to 79999), or a numeral of a row.</source>
        <translation>Die Zahl, gelesen wie das Zahlenfeld sie liest (0 bis 79999), oder ein Zahlzeichen einer Zeile.</translation>
    </message>
</context>
</TS>
