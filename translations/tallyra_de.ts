<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BottomBar</name>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>BreakdownView</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>The system has no form for this number</source>
        <translation>Das System kann diese Zahl nicht schreiben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Number signs of other cultures: a whole number from 0 to 79999 written in %1 numeral systems on five pages.</source>
        <translation>Zahlzeichen anderer Kulturen: eine ganze Zahl von 0 bis 79999, geschrieben in %1 Zahlsystemen auf fünf Seiten.</translation>
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
    <message>
        <source>%1 digits: %2</source>
        <translation>Ziffern (%1): %2</translation>
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
    <message>
        <source>Chinese counting rods, the arithmetic of the counting board, as written from the Song dynasty on: lying rods for units, hundreds and ten-thousands, upright rods for tens and thousands, so that neighbouring places differ. The older Han board had it the other way round. An empty place is 〇, as written from the 13th century on.</source>
        <translation>Chinesische Zählstäbchen, das Rechnen auf dem Zählbrett, wie ab der Song-Dynastie geschrieben: liegende Stäbchen für Einer, Hunderter und Zehntausender, stehende für Zehner und Tausender, damit sich benachbarte Stellen unterscheiden. Das ältere Zählbrett der Han hatte es umgekehrt. Eine leere Stelle ist 〇, wie ab dem 13. Jahrhundert geschrieben.</translation>
    </message>
    <message>
        <source>Digits of the Ahom script of the Tai Ahom kingdom in the Brahmaputra valley of Assam (13th–19th century), whose chronicles (buranji) are read again today. Base 10.</source>
        <translation>Ziffern der Ahom-Schrift des Tai-Ahom-Königreichs im Brahmaputratal in Assam (13.–19. Jahrhundert), dessen Chroniken (buranji) heute wieder gelesen werden. Basis 10.</translation>
    </message>
    <message>
        <source>Bhaiksuki digits, from a script of Buddhist manuscripts and inscriptions of eastern India in the 11th and 12th centuries, known from only a few documents; its name refers to monks (bhikṣu). Base 10.</source>
        <translation>Bhaiksuki-Ziffern, aus einer Schrift buddhistischer Handschriften und Inschriften Ostindiens im 11. und 12. Jahrhundert, die nur aus wenigen Dokumenten bekannt ist; ihr Name bezieht sich auf Mönche (bhikṣu). Basis 10.</translation>
    </message>
    <message>
        <source>Cham digits, from the script of the Cham people of Vietnam and Cambodia, which descends from the Indian-derived scripts of ancient Champa. Base 10.</source>
        <translation>Cham-Ziffern, aus der Schrift des Volkes der Cham in Vietnam und Kambodscha, die von den aus Indien stammenden Schriften des alten Champa abstammt. Basis 10.</translation>
    </message>
    <message>
        <source>Chinese digits written place by place, 〇 for zero and no 十 百 千 (2026 = 二〇二六), as in China and Japan for years, addresses and telephone numbers, and in vertical text.</source>
        <translation>Chinesische Ziffern Stelle für Stelle geschrieben, 〇 für Null und ohne 十 百 千 (2026 = 二〇二六), wie in China und Japan für Jahreszahlen, Adressen und Telefonnummern und in senkrechtem Text.</translation>
    </message>
    <message>
        <source>Gunjala Gondi digits, from a script for the Gondi language known from manuscripts of Gunjala village in Telangana, India, studied again since the 2000s. Base 10.</source>
        <translation>Gunjala-Gondi-Ziffern, aus einer Schrift für die Sprache Gondi, bekannt aus Handschriften des Dorfes Gunjala in Telangana, Indien, und seit den 2000er-Jahren wieder erforscht. Basis 10.</translation>
    </message>
    <message>
        <source>Khudawadi digits, from a merchant script of the Landa family used for Sindhi, especially by Hindu Sindhi traders. Base 10.</source>
        <translation>Khudawadi-Ziffern, aus einer Kaufmannsschrift der Landa-Familie für Sindhi, vor allem von hinduistischen Sindhi-Händlern gebraucht. Basis 10.</translation>
    </message>
    <message>
        <source>Masaram Gondi digits, from the script Munshi Mangal Singh Masaram devised in 1918 for the Gondi language of central India. Base 10.</source>
        <translation>Masaram-Gondi-Ziffern, aus der Schrift, die Munshi Mangal Singh Masaram 1918 für die Sprache Gondi in Zentralindien schuf. Basis 10.</translation>
    </message>
    <message>
        <source>Modi digits, from the cursive script of Marathi in administration and trade from the 17th century until Devanagari replaced it in the mid-20th century. Base 10.</source>
        <translation>Modi-Ziffern, aus der Kursivschrift des Marathi in Verwaltung und Handel vom 17. Jahrhundert, bis Devanagari sie Mitte des 20. Jahrhunderts ablöste. Basis 10.</translation>
    </message>
    <message>
        <source>Mro digits, from the script Manlay created in the 1980s for the Mro language of Bangladesh&apos;s Chittagong Hill Tracts and western Myanmar. Base 10.</source>
        <translation>Mro-Ziffern, aus der Schrift, die Manlay in den 1980er-Jahren für die Sprache Mro der Chittagong Hill Tracts in Bangladesch und des westlichen Myanmar schuf. Basis 10.</translation>
    </message>
    <message>
        <source>New Tai Lue digits, from the simplified Tai Tham script introduced in the 1950s in Xishuangbanna, Yunnan, China, for the Tai Lü language. Base 10.</source>
        <translation>Neu-Tai-Lue-Ziffern, aus der vereinfachten Tai-Tham-Schrift, die in den 1950er-Jahren in Xishuangbanna, Yunnan, China, für die Sprache Tai Lü eingeführt wurde. Basis 10.</translation>
    </message>
    <message>
        <source>Newa digits, from the script of Nepal Bhasa, the language of the Newars of the Kathmandu valley, with a long manuscript tradition now being revived. Base 10.</source>
        <translation>Newa-Ziffern, aus der Schrift des Nepal Bhasa, der Sprache der Newar im Kathmandutal, mit einer langen Handschriftentradition, die heute wiederbelebt wird. Basis 10.</translation>
    </message>
    <message>
        <source>Nyiakeng Puachue Hmong digits, from the alphabet the Reverend Chervang Kong Vang created in the 1980s for Hmong, used mainly by a church community in the United States. Base 10.</source>
        <translation>Nyiakeng-Puachue-Hmong-Ziffern, aus dem Alphabet, das Reverend Chervang Kong Vang in den 1980er-Jahren für Hmong schuf, vor allem von einer Kirchengemeinde in den Vereinigten Staaten gebraucht. Basis 10.</translation>
    </message>
    <message>
        <source>Pahawh Hmong digits, from the semi-syllabary Shong Lue Yang created in Laos in 1959 for Hmong. Base 10; the script also has signs for tens and hundreds, not used here.</source>
        <translation>Pahawh-Hmong-Ziffern, aus der Halbsilbenschrift, die Shong Lue Yang 1959 in Laos für Hmong schuf. Basis 10; die Schrift hat auch Zeichen für Zehner und Hunderter, die hier nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Saurashtra digits, from the script of the Saurashtra language spoken around Madurai in Tamil Nadu by a community whose ancestors came from Gujarat. Base 10.</source>
        <translation>Saurashtra-Ziffern, aus der Schrift der Sprache Saurashtra, die um Madurai in Tamil Nadu von einer Gemeinschaft gesprochen wird, deren Vorfahren aus Gujarat kamen. Basis 10.</translation>
    </message>
    <message>
        <source>The digits of seven-segment displays in clocks, meters and calculators: each digit lights some of seven bars. Not a numeral system but a display code for 0–9, as Braille and Morse code are.</source>
        <translation>Die Ziffern der Siebensegmentanzeigen in Uhren, Zählern und Taschenrechnern: Jede Ziffer lässt einige von sieben Balken leuchten. Kein Zahlsystem, sondern ein Anzeigecode für 0–9, wie Braille und Morsecode.</translation>
    </message>
    <message>
        <source>Shan digits, written by the Shan of Shan State, Myanmar, with their form of the Myanmar script; they differ from the Burmese digits of the third page. Base 10.</source>
        <translation>Shan-Ziffern, von den Shan im Shan-Staat, Myanmar, mit ihrer Form der birmanischen Schrift geschrieben; sie unterscheiden sich von den birmanischen Ziffern der dritten Seite. Basis 10.</translation>
    </message>
    <message>
        <source>Sharada digits, from the script of Kashmir from about the 8th century, used for Sanskrit and Kashmiri and kept today mainly in ritual use. Base 10.</source>
        <translation>Sharada-Ziffern, aus der Schrift Kaschmirs seit etwa dem 8. Jahrhundert, für Sanskrit und Kaschmiri gebraucht und heute vor allem im Ritus bewahrt. Basis 10.</translation>
    </message>
    <message>
        <source>Sora Sompeng digits, from the script Mangei Gomango created in 1936 for the Sora language of Odisha and Andhra Pradesh, India. Base 10.</source>
        <translation>Sora-Sompeng-Ziffern, aus der Schrift, die Mangei Gomango 1936 für die Sprache Sora in Odisha und Andhra Pradesh, Indien, schuf. Basis 10.</translation>
    </message>
    <message>
        <source>Suzhou numerals, the commercial digits of Chinese markets and account books, written place by place: 〡 〢 〣 after an upright 〡 〢 〣 lie as 一 二 三 (21 = 〢一), so that 〢〡 is not read as 〣. Real use adds a line for the unit, left out here.</source>
        <translation>Suzhou-Ziffern, die Handelsziffern chinesischer Märkte und Rechnungsbücher, Stelle für Stelle geschrieben: 〡 〢 〣 nach einem stehenden 〡 〢 〣 liegen als 一 二 三 (21 = 〢一), damit 〢〡 nicht als 〣 gelesen wird. Im wirklichen Gebrauch kommt eine Zeile für die Einheit hinzu, hier weggelassen.</translation>
    </message>
    <message>
        <source>Tai Laing digits, from the Myanmar script as extended for Tai Laing, a Tai language of Kachin and Sagaing in Myanmar. Base 10.</source>
        <translation>Tai-Laing-Ziffern, aus der birmanischen Schrift, wie sie für Tai Laing erweitert wurde, eine Tai-Sprache in Kachin und Sagaing in Myanmar. Basis 10.</translation>
    </message>
    <message>
        <source>Takri digits, from a family of scripts of the western Himalaya used for Dogri, Chambeali and other languages from the 16th to the early 20th century. Base 10.</source>
        <translation>Takri-Ziffern, aus einer Schriftfamilie des westlichen Himalaya, vom 16. bis ins frühe 20. Jahrhundert für Dogri, Chambeali und andere Sprachen gebraucht. Basis 10.</translation>
    </message>
    <message>
        <source>The Tham digits of Tai Tham (Lanna), used in Buddhist religious texts of northern Thailand and its neighbours; secular writing uses the Hora digits of the third page. Base 10.</source>
        <translation>Die Tham-Ziffern des Tai Tham (Lanna), in buddhistischen religiösen Texten Nordthailands und seiner Nachbarn gebraucht; weltliche Schrift verwendet die Hora-Ziffern der dritten Seite. Basis 10.</translation>
    </message>
    <message>
        <source>Tirhuta (Mithilakshar) digits, from the traditional script of Maithili in Bihar, India, and south-eastern Nepal, now being revived. Base 10.</source>
        <translation>Tirhuta-Ziffern (Mithilakshar), aus der traditionellen Schrift des Maithili in Bihar, Indien, und im Südosten Nepals, die heute wiederbelebt wird. Basis 10.</translation>
    </message>
    <message>
        <source>Wancho digits, from the alphabet the teacher Banwang Losu created between 2001 and 2012 for the Wancho language of Arunachal Pradesh, India. Base 10.</source>
        <translation>Wancho-Ziffern, aus dem Alphabet, das der Lehrer Banwang Losu zwischen 2001 und 2012 für die Sprache Wancho in Arunachal Pradesh, Indien, schuf. Basis 10.</translation>
    </message>
    <message>
        <source>Warang Citi digits, from the script Lako Bodra created in the mid-20th century for the Ho language of Jharkhand and Odisha, India. Base 10.</source>
        <translation>Warang-Citi-Ziffern, aus der Schrift, die Lako Bodra Mitte des 20. Jahrhunderts für die Sprache Ho in Jharkhand und Odisha, Indien, schuf. Basis 10.</translation>
    </message>
    <message>
        <source>Abjad numerals: the Arabic letters with the values of the old Semitic alphabet order (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 and ghayn for 1000, added up. Used before the Indian digits spread and still for numbering and in chronograms, where a verse adds up to a year. Written right to left; shown for 1–1999.</source>
        <translation>Abdschad-Zahlen: die arabischen Buchstaben mit den Werten der alten semitischen Alphabetfolge (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 und ghayn für 1000, addiert. Gebraucht, bevor sich die indischen Ziffern verbreiteten, und noch zum Nummerieren und in Chronogrammen, in denen ein Vers eine Jahreszahl ergibt. Von rechts nach links geschrieben; gezeigt für 1–1999.</translation>
    </message>
    <message>
        <source>Imperial Aramaic numbers of the Persian Empire&apos;s papyri (6th–4th century BC), written right to left: strokes in threes for units, a sign for 10 and one for 20, and a count of strokes before the signs for 100, 1000 and 10000.</source>
        <translation>Reichsaramäische Zahlen der Papyri des Perserreichs (6.–4. Jahrhundert v. Chr.), von rechts nach links geschrieben: Striche in Dreiergruppen für die Einer, ein Zeichen für 10 und eines für 20 und eine Anzahl Striche vor den Zeichen für 100, 1000 und 10000.</translation>
    </message>
    <message>
        <source>Everyday Chinese numerals, written as the numbers are spoken: a digit multiplies the sign of its power (千 百 十, 万 for ten thousand) and the products add up; 零 marks skipped places, and 十 stands alone at the start of 10–19.</source>
        <translation>Chinesische Alltagszahlen, geschrieben, wie die Zahlen gesprochen werden: Eine Ziffer multipliziert das Zeichen ihrer Potenz (千 百 十, 万 für zehntausend), und die Produkte werden addiert; 零 markiert übersprungene Stellen, und 十 steht am Anfang von 10–19 allein.</translation>
    </message>
    <message>
        <source>Coptic epact numbers, cursive figures from Egyptian accounts and the Easter tables (epacts), descended from Greek letter numerals written fast. One sign for each multiple of 1, 10 and 100; a mark below a sign multiplies it by a thousand.</source>
        <translation>Koptische Epaktenzahlen, kursive Zeichen aus ägyptischen Abrechnungen und den Ostertafeln (Epakten), entstanden aus schnell geschriebenen griechischen Buchstabenzahlen. Ein Zeichen für jedes Vielfache von 1, 10 und 100; ein Zeichen darunter multipliziert ein Zeichen mit tausend.</translation>
    </message>
    <message>
        <source>Japanese financial numerals (大字), written on documents where a number must not be altered: 壱 弐 参 拾 cannot be turned into another number with a stroke. 壱 stands before every power, 拾 included; nothing marks an empty place.</source>
        <translation>Japanische Finanzzahlen (大字), auf Dokumenten geschrieben, auf denen eine Zahl nicht verändert werden darf: 壱 弐 参 拾 lassen sich nicht mit einem Strich in eine andere Zahl verwandeln. 壱 steht vor jeder Potenz, auch vor 拾; nichts markiert eine leere Stelle.</translation>
    </message>
    <message>
        <source>Glagolitic letters as numbers, in the order of the oldest Slavic alphabet (9th century), used in Croatian church books for centuries. 11–19 put the units first, as the Slavic words do; Ⱍ is 1000, so 1–1999 are shown.</source>
        <translation>Glagolitische Buchstaben als Zahlen, in der Reihenfolge des ältesten slawischen Alphabets (9. Jahrhundert), jahrhundertelang in kroatischen Kirchenbüchern gebraucht. 11–19 stellen die Einer voran, wie die slawischen Zahlwörter; Ⱍ ist 1000, daher werden 1–1999 gezeigt.</translation>
    </message>
    <message>
        <source>Kaktovik numerals, invented in 1994 by Iñupiaq pupils in Kaktovik, Alaska, for their language&apos;s counting in twenties. Base 20; in each digit the strokes across count fives and the strokes hanging below count ones.</source>
        <translation>Kaktovik-Zahlen, 1994 von Iñupiaq-Schülern in Kaktovik, Alaska, für das Zählen ihrer Sprache in Zwanzigern erfunden. Basis 20; in jeder Ziffer zählen die Querstriche Fünfer und die darunter hängenden Striche Einer.</translation>
    </message>
    <message>
        <source>Traditional Malayalam numerals of Kerala, written as they are spoken before positional digits took over in the 19th century: digits and signs for 10, 100 and 1000 (൰ ൱ ൲), a digit before a sign multiplies it. No zero.</source>
        <translation>Traditionelle Malayalam-Zahlen Keralas, geschrieben, wie sie gesprochen werden, bevor im 19. Jahrhundert die Stellenwertziffern übernahmen: Ziffern und Zeichen für 10, 100 und 1000 (൰ ൱ ൲), eine Ziffer vor einem Zeichen multipliziert es. Keine Null.</translation>
    </message>
    <message>
        <source>Medefaidrin numerals of the Oberi Okaime church in south-eastern Nigeria (1930s). Base 20 with a zero, like the Ibibio counting in twenties, with twenty digit signs.</source>
        <translation>Medefaidrin-Zahlen der Oberi-Okaime-Kirche im Südosten Nigerias (1930er-Jahre). Basis 20 mit einer Null, wie das Zählen des Ibibio in Zwanzigern, mit zwanzig Ziffernzeichen.</translation>
    </message>
    <message>
        <source>Mende Kikakui numerals of Sierra Leone (about 1917), written right to left: each digit carries a small mark for its power, tens, hundreds, thousands or ten-thousands, and one for 11–19.</source>
        <translation>Mende-Kikakui-Zahlen aus Sierra Leone (um 1917), von rechts nach links geschrieben: Jede Ziffer trägt ein kleines Zeichen für ihre Potenz, Zehner, Hunderter, Tausender oder Zehntausender, und eines für 11–19.</translation>
    </message>
    <message>
        <source>Meroitic cursive numbers of the kingdom of Kush on the Nile (3rd century BC – 4th century AD), right to left: one sign for each multiple of each power of ten, as in Egyptian Demotic. Unicode has no signs for 80 and 90, so numbers with those tens have no form.</source>
        <translation>Meroitisch-kursive Zahlen des Königreichs Kusch am Nil (3. Jahrhundert v. Chr. – 4. Jahrhundert n. Chr.), von rechts nach links: ein Zeichen für jedes Vielfache jeder Zehnerpotenz, wie im ägyptischen Demotisch. Unicode hat keine Zeichen für 80 und 90, daher haben Zahlen mit diesen Zehnern keine Form.</translation>
    </message>
    <message>
        <source>Inscriptional Parthian numbers of the Arsacid empire (3rd century BC – 3rd century AD), right to left: strokes in fours, signs for 10 and 20, and a count before 100 and 1000. Shown for 1–9999.</source>
        <translation>Zahlen der parthischen Inschriften des Arsakidenreichs (3. Jahrhundert v. Chr. – 3. Jahrhundert n. Chr.), von rechts nach links: Striche in Vierergruppen, Zeichen für 10 und 20 und eine Anzahl vor 100 und 1000. Gezeigt für 1–9999.</translation>
    </message>
    <message>
        <source>Phoenician numbers of Tyre, Sidon and Carthage, right to left: strokes in threes, a stroke for 10, a sign for 20, and a count of strokes before the sign for 100. No sign for a thousand, so 1–999.</source>
        <translation>Phönizische Zahlen von Tyros, Sidon und Karthago, von rechts nach links: Striche in Dreiergruppen, ein Strich für 10, ein Zeichen für 20 und eine Anzahl Striche vor dem Zeichen für 100. Kein Zeichen für tausend, daher 1–999.</translation>
    </message>
    <message>
        <source>Roman numerals with the old signs for the thousands: ↀ (CIↃ) for 1000, ↁ for 5000, ↂ for 10000 and ↇ for 50000, the forms the Romans and early printers used before M.</source>
        <translation>Römische Zahlen mit den alten Zeichen für die Tausender: ↀ (CIↃ) für 1000, ↁ für 5000, ↂ für 10000 und ↇ für 50000, die Formen, die die Römer und frühe Drucker vor M gebrauchten.</translation>
    </message>
    <message>
        <source>Rumi (Fez) numerals of North Africa and al-Andalus (10th–17th century): one sign for each multiple of 1, 10 and 100, not positional. Historically the units stood at the left; Unicode lays them out with the hundreds at the left. 1–999.</source>
        <translation>Rumi-Zahlen (Fes) Nordafrikas und al-Andalus&apos; (10.–17. Jahrhundert): ein Zeichen für jedes Vielfache von 1, 10 und 100, kein Stellenwert. Historisch standen die Einer links; Unicode ordnet sie mit den Hundertern links an. 1–999.</translation>
    </message>
    <message>
        <source>Sinhala archaic numerals (illakkam), the numerals of Sri Lanka until the early 19th century: signs of their own for 1–9 and 10–90, and a digit before the signs for 100 and 1000. No zero.</source>
        <translation>Archaische singhalesische Zahlen (illakkam), die Zahlen Sri Lankas bis ins frühe 19. Jahrhundert: eigene Zeichen für 1–9 und 10–90 und eine Ziffer vor den Zeichen für 100 und 1000. Keine Null.</translation>
    </message>
    <message>
        <source>Sumerian counting signs (3rd millennium BC): units of 1, 10, 60, 600, 3600 and 36000, bases 10 and 6 in turn, one grouped sign for each count of a unit. The later Babylonian place value grew out of them.</source>
        <translation>Sumerische Zählzeichen (3. Jahrtausend v. Chr.): Einheiten von 1, 10, 60, 600, 3600 und 36000, abwechselnd Basis 10 und 6, ein gruppiertes Zeichen für jede Anzahl einer Einheit. Der spätere babylonische Stellenwert ging aus ihnen hervor.</translation>
    </message>
    <message>
        <source>Syriac letters as numbers, on the Greek and Hebrew model: the 22 letters count to 400, higher hundreds add letters (900 = ܬܬܩ), and a stroke below a letter makes it thousands. Right to left; 1–9999.</source>
        <translation>Syrische Buchstaben als Zahlen, nach griechischem und hebräischem Vorbild: Die 22 Buchstaben zählen bis 400, höhere Hunderter fügen Buchstaben hinzu (900 = ܬܬܩ), und ein Strich unter einem Buchstaben macht ihn zu Tausendern. Von rechts nach links; 1–9999.</translation>
    </message>
    <message>
        <source>Tally marks, strokes bundled in fives, four crossed by the fifth: the five-bar gate of scores and votes. Shown up to 50.</source>
        <translation>Strichlisten, Striche in Fünferbündeln, vier vom fünften durchgestrichen: das Zählen von Spielständen und Stimmen. Gezeigt bis 50.</translation>
    </message>
    <message>
        <source>Chinese tally marks: votes and scores are counted by writing the five strokes of 正 one at a time, so each finished character is five. Shown up to 50.</source>
        <translation>Chinesische Strichlisten: Stimmen und Spielstände werden gezählt, indem man die fünf Striche von 正 einzeln schreibt, sodass jedes fertige Zeichen fünf ist. Gezeigt bis 50.</translation>
    </message>
    <message>
        <source>Tangut numerals of the Western Xia state in north-western China (1038–1227), built like Chinese numbers with Tangut characters: a digit before the signs for 10, 100, 1000 and 10000, with no digit before a ten. No zero.</source>
        <translation>Tangutische Zahlen des Westlichen Xia-Staats im Nordwesten Chinas (1038–1227), aufgebaut wie chinesische Zahlen mit tangutischen Schriftzeichen: eine Ziffer vor den Zeichen für 10, 100, 1000 und 10000, ohne Ziffer vor einem Zehner. Keine Null.</translation>
    </message>
    <message>
        <source>Traditional Chinese financial numerals (大寫) of cheques and receipts in Taiwan and Hong Kong, hard to alter into another number; 壹 stands before 拾 too, as banks require, and 零 marks empty places.</source>
        <translation>Traditionelle chinesische Finanzzahlen (大寫) auf Schecks und Quittungen in Taiwan und Hongkong, schwer in eine andere Zahl zu verändern; 壹 steht auch vor 拾, wie Banken es verlangen, und 零 markiert leere Stellen.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Find a system</source>
        <translation>System suchen</translation>
    </message>
    <message>
        <source>script, language, place</source>
        <translation>Schrift, Sprache, Ort</translation>
    </message>
    <message>
        <source>Systems found</source>
        <translation>Gefundene Systeme</translation>
    </message>
    <message>
        <source>No system found</source>
        <translation>Kein System gefunden</translation>
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
    <message>
        <source>Number signs 4</source>
        <translation>Zahlzeichen 4</translation>
    </message>
    <message>
        <source>Number signs 5</source>
        <translation>Zahlzeichen 5</translation>
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
    <message>
        <source>Ahom</source>
        <translation>Ahom</translation>
    </message>
    <message>
        <source>Bhaiksuki</source>
        <translation>Bhaiksuki</translation>
    </message>
    <message>
        <source>Cham</source>
        <translation>Cham</translation>
    </message>
    <message>
        <source>Chinese dec.</source>
        <translation>Chinesisch dez.</translation>
    </message>
    <message>
        <source>Gunjala Gondi</source>
        <translation>Gunjala Gondi</translation>
    </message>
    <message>
        <source>Khudawadi</source>
        <translation>Khudawadi</translation>
    </message>
    <message>
        <source>Masaram</source>
        <translation>Masaram</translation>
    </message>
    <message>
        <source>Modi</source>
        <translation>Modi</translation>
    </message>
    <message>
        <source>Mro</source>
        <translation>Mro</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>Neu-Tai-Lue</translation>
    </message>
    <message>
        <source>Newa</source>
        <translation>Newa</translation>
    </message>
    <message>
        <source>NP Hmong</source>
        <translation>NP Hmong</translation>
    </message>
    <message>
        <source>Pahawh Hmong</source>
        <translation>Pahawh Hmong</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>Saurashtra</translation>
    </message>
    <message>
        <source>Segment digits</source>
        <translation>Segmentziffern</translation>
    </message>
    <message>
        <source>Shan</source>
        <translation>Shan</translation>
    </message>
    <message>
        <source>Sharada</source>
        <translation>Sharada</translation>
    </message>
    <message>
        <source>Sora Sompeng</source>
        <translation>Sora Sompeng</translation>
    </message>
    <message>
        <source>Suzhou digits</source>
        <translation>Suzhou-Ziffern</translation>
    </message>
    <message>
        <source>Tai Laing</source>
        <translation>Tai Laing</translation>
    </message>
    <message>
        <source>Takri</source>
        <translation>Takri</translation>
    </message>
    <message>
        <source>Tham digits</source>
        <translation>Tham-Ziffern</translation>
    </message>
    <message>
        <source>Tirhuta</source>
        <translation>Tirhuta</translation>
    </message>
    <message>
        <source>Wancho</source>
        <translation>Wancho</translation>
    </message>
    <message>
        <source>Warang Citi</source>
        <translation>Warang Citi</translation>
    </message>
    <message>
        <source>Abjad</source>
        <translation>Abdschad</translation>
    </message>
    <message>
        <source>Aramaic</source>
        <translation>Aramäisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Coptic epact</source>
        <translation>Kopt. Epakten</translation>
    </message>
    <message>
        <source>Daiji</source>
        <translation>Daiji</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>Glagolitisch</translation>
    </message>
    <message>
        <source>Kaktovik</source>
        <translation>Kaktovik</translation>
    </message>
    <message>
        <source>Malayalam old</source>
        <translation>Malayalam alt</translation>
    </message>
    <message>
        <source>Medefaidrin</source>
        <translation>Medefaidrin</translation>
    </message>
    <message>
        <source>Mende</source>
        <translation>Mende</translation>
    </message>
    <message>
        <source>Meroitic</source>
        <translation>Meroitisch</translation>
    </message>
    <message>
        <source>Parthian</source>
        <translation>Parthisch</translation>
    </message>
    <message>
        <source>Phoenician</source>
        <translation>Phönizisch</translation>
    </message>
    <message>
        <source>Roman ↀↁↂ</source>
        <translation>Röm. ↀↁↂ</translation>
    </message>
    <message>
        <source>Rumi</source>
        <translation>Rumi</translation>
    </message>
    <message>
        <source>Sinhala old</source>
        <translation>Singhal. alt</translation>
    </message>
    <message>
        <source>Sumerian</source>
        <translation>Sumerisch</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syrisch</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Strichliste</translation>
    </message>
    <message>
        <source>Tally 正</source>
        <translation>Strichliste 正</translation>
    </message>
    <message>
        <source>Tangut</source>
        <translation>Tangutisch</translation>
    </message>
    <message>
        <source>Trad. fin.</source>
        <translation>Trad. Fin.</translation>
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
    <message>
        <source>Sign by Sign</source>
        <translation>Zeichen für Zeichen</translation>
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
    <message>
        <source>tally marks are shown up to 50</source>
        <translation>Striche werden bis 50 gezeigt</translation>
    </message>
    <message>
        <source>counting hand</source>
        <translation>Zählhand</translation>
    </message>
    <message>
        <source>Heyarian tally mark</source>
        <translation>Heyarian-Strich</translation>
    </message>
    <message>
        <source>Maya head glyph</source>
        <translation>Maya-Kopfglyphe</translation>
    </message>
    <message>
        <source>Semaphore flag</source>
        <translation>Winkerflagge</translation>
    </message>
    <message>
        <source>staff numeral</source>
        <translation>Stabziffer</translation>
    </message>
    <message>
        <source>Ath digit</source>
        <translation>Ath-Ziffer</translation>
    </message>
    <message>
        <source>dancing-men figure</source>
        <translation>Figur der tanzenden Männchen</translation>
    </message>
    <message>
        <source>Diamond digit</source>
        <translation>Diamond-Ziffer</translation>
    </message>
    <message>
        <source>D&apos;Ni digit</source>
        <translation>D&apos;Ni-Ziffer</translation>
    </message>
    <message>
        <source>Dual code digit</source>
        <translation>Dualcode-Ziffer</translation>
    </message>
    <message>
        <source>Ecclemony digit</source>
        <translation>Ecclemony-Ziffer</translation>
    </message>
    <message>
        <source>Four Line digit</source>
        <translation>Four-Line-Ziffer</translation>
    </message>
    <message>
        <source>Futurama digit</source>
        <translation>Futurama-Ziffer</translation>
    </message>
    <message>
        <source>Gorwelion digit</source>
        <translation>Gorwelion-Ziffer</translation>
    </message>
    <message>
        <source>hieratic sign</source>
        <translation>hieratisches Zeichen</translation>
    </message>
    <message>
        <source>Klingon digit</source>
        <translation>klingonische Ziffer</translation>
    </message>
    <message>
        <source>Narn digit</source>
        <translation>Narn-Ziffer</translation>
    </message>
    <message>
        <source>Oxidilogi digit</source>
        <translation>Oxidilogi-Ziffer</translation>
    </message>
    <message>
        <source>Pékrif digit</source>
        <translation>Pékrif-Ziffer</translation>
    </message>
    <message>
        <source>Post code bars</source>
        <translation>Postcode-Balken</translation>
    </message>
    <message>
        <source>Quadnary digit</source>
        <translation>Quadnary-Ziffer</translation>
    </message>
    <message>
        <source>SpaceKees digit</source>
        <translation>SpaceKees-Ziffer</translation>
    </message>
    <message>
        <source>Stargate digit</source>
        <translation>Stargate-Ziffer</translation>
    </message>
    <message>
        <source>Tenctonese digit</source>
        <translation>tenctonesische Ziffer</translation>
    </message>
    <message>
        <source>Zentlardy digit</source>
        <translation>Zentradi-Ziffer</translation>
    </message>
    <message>
        <source>mark that %1 (%2s)</source>
        <translation>Zeichen (%2): %1</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>Zahlzeichen</translation>
    </message>
    <message>
        <source>marks thousands</source>
        <translation>markiert Tausender</translation>
    </message>
    <message>
        <source>marks a numeral</source>
        <translation>markiert eine Zahl</translation>
    </message>
    <message>
        <source>joins a count to its multiple</source>
        <translation>verbindet eine Anzahl mit ihrem Vielfachen</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>separates places</source>
        <translation>trennt Stellen</translation>
    </message>
    <message>
        <source>begins and ends the number</source>
        <translation>beginnt und beendet die Zahl</translation>
    </message>
    <message>
        <source>begins the number</source>
        <translation>beginnt die Zahl</translation>
    </message>
    <message>
        <source>ends the number</source>
        <translation>beendet die Zahl</translation>
    </message>
</context>
<context>
    <name>SignBySignView</name>
    <message>
        <source>%1 — Sign by Sign</source>
        <translation>%1 — Zeichen für Zeichen</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Zusammensetzen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Show This Number</source>
        <translation>Diese Zahl zeigen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Als Bild kopieren</translation>
    </message>
    <message>
        <source>Press the signs to compose a numeral</source>
        <translation>Drücken Sie die Zeichen, um eine Zahl zusammenzusetzen</translation>
    </message>
    <message>
        <source>Reads %1</source>
        <translation>Gelesen: %1</translation>
    </message>
    <message>
        <source>No numeral of this system</source>
        <translation>Keine Zahl dieses Systems</translation>
    </message>
    <message>
        <source>Composed numeral %1</source>
        <translation>Zusammengesetzte Zahl %1</translation>
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
    <message>
        <source>Prints a number in the %1 numeral systems on Tallyra&apos;s five pages as text, one row
a line: caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind being unicode, partial or described.
The number may be written in any of these systems (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): with --parse, only what number it is.</source>
        <translation>Gibt eine Zahl in den %1 Zahlsystemen der fünf Seiten von Tallyra als Text aus, eine Zeile
je Zeile des Fensters: caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind ist unicode, partial oder described.
Die Zahl darf in jedem dieser Systeme geschrieben sein (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): mit --parse nur, welche Zahl sie ist.</translation>
    </message>
    <message>
        <source>Print the signs of the row with this caption, text&lt;TAB&gt;value, one a line
(a mark&apos;s role in place of a value), and no number.</source>
        <translation>Die Zeichen der Zeile mit dieser Beschriftung ausgeben, text&lt;TAB&gt;value, eines je Zeile
(bei einem Zeichen ohne Wert seine Rolle statt des Werts), und keine Zahl.</translation>
    </message>
</context>
</TS>
