<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BottomBar</name>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
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
        <translation>Le système ne peut pas écrire ce nombre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Number signs of other cultures: a whole number from 0 to 79999 written in %1 numeral systems on five pages.</source>
        <translation>Les chiffres d&apos;autres cultures : un nombre entier de 0 à 79999 écrit dans %1 systèmes de numération sur cinq pages.</translation>
    </message>
</context>
<context>
    <name>EnteredNumber</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 numeral: %2</source>
        <translation>Numération (%1) : %2</translation>
    </message>
    <message>
        <source>; also %1: %2</source>
        <translation>; aussi %1 : %2</translation>
    </message>
    <message>
        <source>, %1: %2</source>
        <translation>, %1 : %2</translation>
    </message>
    <message>
        <source>%1 digits: %2</source>
        <translation>Chiffres (%1) : %2</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Greek acrophonic numerals: the signs are the first letters of the number words. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, each repeated, with five-signs for 5 and 50.</source>
        <translation>Chiffres acrophoniques grecs : les signes sont les initiales des noms de nombres. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, chacun répété, avec des signes de cinq pour 5 et 50.</translation>
    </message>
    <message>
        <source>Egyptian hieroglyphic numerals: a stroke for 1, a heel bone for 10, a coil of rope for 100, a lotus for 1000, a finger for 10000. Each sign is repeated as often as its digit says.</source>
        <translation>Chiffres hiéroglyphiques égyptiens : un trait pour 1, une anse (os du talon) pour 10, une corde enroulée pour 100, un lotus pour 1000, un doigt pour 10000. Chaque signe est répété autant de fois que l&apos;indique son chiffre.</translation>
    </message>
    <message>
        <source>Ethiopic numerals, used with Ge&apos;ez, Amharic and Tigrinya: signs for 1–9, 10–90, 100 and 10000. This row writes the thousands as tens of hundreds.</source>
        <translation>Chiffres éthiopiens, employés avec le guèze, l&apos;amharique et le tigrigna : des signes pour 1–9, 10–90, 100 et 10000. Cette ligne écrit les milliers comme des dizaines de centaines.</translation>
    </message>
    <message>
        <source>Eastern Arabic digits, used in much of the Arab world. Base 10 with a zero; the number is written most significant digit first, left to right.</source>
        <translation>Chiffres arabes orientaux, employés dans une grande partie du monde arabe. Base 10 avec un zéro ; le nombre s&apos;écrit chiffre le plus fort en tête, de gauche à droite.</translation>
    </message>
    <message>
        <source>Armenian letters used as numbers: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. This row leaves out the line that multiplies ten-thousands by 10000.</source>
        <translation>Lettres arméniennes employées comme nombres : Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. Cette ligne omet le trait qui multiplie les dizaines de milliers par 10000.</translation>
    </message>
    <message>
        <source>Mesopotamian cuneiform numbers: an upright wedge for 1, a corner wedge for 10. Base 60, each place built from up to five tens and nine ones.</source>
        <translation>Nombres cunéiformes de Mésopotamie : un clou vertical pour 1, un chevron pour 10. Base 60, chaque position formée d&apos;au plus cinq dizaines et neuf unités.</translation>
    </message>
    <message>
        <source>The acrophonic numerals of Athens: Ι Δ Η Χ Μ for 1 to 10000 and a pente sign that makes 5, 50, 500 and 5000. Additive, largest first.</source>
        <translation>Les chiffres acrophoniques d&apos;Athènes : Ι Δ Η Χ Μ pour 1 à 10000 et un signe pente qui forme 5, 50, 500 et 5000. Additifs, le plus grand d&apos;abord.</translation>
    </message>
    <message>
        <source>Digits of the Bengali–Assamese script (Bangladesh, West Bengal, Assam). Base 10, one digit per digit, like 0–9.</source>
        <translation>Chiffres de l&apos;écriture bengali-assamaise (Bangladesh, Bengale-Occidental, Assam). Base 10, un chiffre pour chaque chiffre, comme 0–9.</translation>
    </message>
    <message>
        <source>Louis Braille&apos;s raised dots (1829). The digits 1–9 and 0 are the cells of the letters a–j. The row leaves out the number sign ⠼; the text puts it in front so that a reader reads digits.</source>
        <translation>Les points en relief de Louis Braille (1829). Les chiffres 1–9 et 0 sont les cellules des lettres a–j. La ligne omet le signe numérique ⠼ ; le texte le place devant pour qu&apos;un lecteur lise des chiffres.</translation>
    </message>
    <message>
        <source>The Persian form of the Eastern Arabic digits, used in Iran and Afghanistan; 4, 5 and 6 have their own shapes. Base 10, written left to right.</source>
        <translation>La forme persane des chiffres arabes orientaux, employée en Iran et en Afghanistan ; 4, 5 et 6 ont leur propre forme. Base 10, écrits de gauche à droite.</translation>
    </message>
    <message>
        <source>Counting on the fingers: one hand shows 1 to 5, six to nine need a second hand. One hand figure per decimal digit.</source>
        <translation>Compter sur les doigts : une main montre 1 à 5, six à neuf demandent une seconde main. Une figure de main par chiffre décimal.</translation>
    </message>
    <message>
        <source>Gothic letters used as numbers on the Greek model (4th century, Wulfila&apos;s Bible). The row&apos;s thousands are its own extension: 1000 looks like 1.</source>
        <translation>Lettres gotiques employées comme nombres sur le modèle grec (IVe siècle, Bible de Wulfila). Les milliers de la ligne sont son propre prolongement : 1000 ressemble à 1.</translation>
    </message>
    <message>
        <source>Hebrew letters used as numbers, still used for Jewish calendar dates: א–ט 1–9, י–צ 10–90, ק–ת 100–400; a geresh marks the thousands. Read right to left.</source>
        <translation>Lettres hébraïques employées comme nombres, encore utilisées pour les dates du calendrier juif : א–ט 1–9, י–צ 10–90, ק–ת 100–400 ; un guérech marque les milliers. Se lit de droite à gauche.</translation>
    </message>
    <message>
        <source>An additive tally between two delimiters, from the units upward, with signs for one and five units and tens and one sign for each higher power. Origin unknown.</source>
        <translation>Un décompte additif entre deux délimiteurs, des unités vers le haut, avec des signes pour une et cinq unités et dizaines et un signe pour chaque puissance supérieure. Origine inconnue.</translation>
    </message>
    <message>
        <source>Devanagari digits, used with Hindi, Marathi, Nepali and Sanskrit. Base 10; like all Indian digits they go back to Brahmi.</source>
        <translation>Chiffres devanagari, employés avec le hindi, le marathi, le népalais et le sanskrit. Base 10 ; comme tous les chiffres indiens, ils remontent à la brahmi.</translation>
    </message>
    <message>
        <source>Greek alphabetic numerals: 24 letters and ϛ, ϙ, ϡ for 1–900. ͵ before a letter multiplies it by 1000; Μ stands for 10000.</source>
        <translation>Chiffres alphabétiques grecs : 24 lettres et ϛ, ϙ, ϡ pour 1–900. ͵ devant une lettre la multiplie par 1000 ; Μ vaut 10000.</translation>
    </message>
    <message>
        <source>Chinese numerals as used in Japanese: 一 to 九 and 十, 百, 千, 万. A digit before a power sign multiplies it; 1 is left out before a power.</source>
        <translation>Chiffres chinois tels qu&apos;employés en japonais : 一 à 九 et 十, 百, 千, 万. Un chiffre devant un signe de puissance le multiplie ; 1 est omis devant une puissance.</translation>
    </message>
    <message>
        <source>Sino-Korean number words in Hangul: 일 to 구 and 십, 백, 천, 만, built like the Kanji numerals (천구백구십사 = 1994).</source>
        <translation>Noms de nombres sino-coréens en hangeul : 일 à 구 et 십, 백, 천, 만, formés comme les chiffres kanji (천구백구십사 = 1994).</translation>
    </message>
    <message>
        <source>Manchu number words in the Manchu script (Qing dynasty, written vertically): emu minggan uyun tanggū uyunju duin = 1994.</source>
        <translation>Noms de nombres mandchous en écriture mandchoue (dynastie Qing, écrite verticalement) : emu minggan uyun tanggū uyunju duin = 1994.</translation>
    </message>
    <message>
        <source>Maya dot-and-bar numerals: a dot for 1, a bar for 5, a shell for 0. Places from the top down, counted as in the Long Count: 1, 20, 360, 7200.</source>
        <translation>Chiffres mayas à points et barres : un point pour 1, une barre pour 5, un coquillage pour 0. Positions de haut en bas, comptées comme dans le Compte long : 1, 20, 360, 7200.</translation>
    </message>
    <message>
        <source>Maya head-variant numerals: deity heads for 0–19 in carved inscriptions. The row counts in pure base 20 (1, 20, 400, 8000).</source>
        <translation>Chiffres mayas à têtes : des têtes de divinités pour 0–19 dans les inscriptions sculptées. La ligne compte en base 20 pure (1, 20, 400, 8000).</translation>
    </message>
    <message>
        <source>International Morse code: each decimal digit is five dots and dashes (1 is ·−−−−, 0 is −−−−−).</source>
        <translation>Code Morse international : chaque chiffre décimal est fait de cinq points et traits (1 est ·−−−−, 0 est −−−−−).</translation>
    </message>
    <message>
        <source>N&apos;Ko digits (1949, Solomana Kanté, West Africa). Base 10, written right to left, so the units stand at the left.</source>
        <translation>Chiffres n&apos;ko (1949, Solomana Kanté, Afrique de l&apos;Ouest). Base 10, écrits de droite à gauche, si bien que les unités sont à gauche.</translation>
    </message>
    <message>
        <source>Roman numerals I V X L C D M: additive with subtraction (IV = 4, XC = 90). From 5000 the row counts thousands with the mark &apos;M.</source>
        <translation>Chiffres romains I V X L C D M : additifs avec soustraction (IV = 4, XC = 90). À partir de 5000, la ligne compte les milliers avec la marque &apos;M.</translation>
    </message>
    <message>
        <source>Āryabhaṭa&apos;s letter numerals (499 CE): consonants count 1–25 and 30–100, the vowel i multiplies by 100, u by 10000. Lowest place first.</source>
        <translation>Les chiffres-lettres d&apos;Āryabhaṭa (499 apr. J.-C.) : les consonnes comptent 1–25 et 30–100, la voyelle i multiplie par 100, u par 10000. La position la plus basse d&apos;abord.</translation>
    </message>
    <message>
        <source>Flag semaphore: two flags held at clock positions. After the numeral sign the letters A–I mean 1–9 and K means 0; one figure per digit.</source>
        <translation>Sémaphore à bras : deux drapeaux tenus en positions d&apos;horloge. Après le signe numérique, les lettres A–I valent 1–9 et K vaut 0 ; une figure par chiffre.</translation>
    </message>
    <message>
        <source>Tibetan digits, used in Tibet, Bhutan and among Tibetan communities. Base 10.</source>
        <translation>Chiffres tibétains, employés au Tibet, au Bhoutan et dans les communautés tibétaines. Base 10.</translation>
    </message>
    <message>
        <source>Old Hungarian (Székely) numbers, written right to left: signs for 1, 5, 10, 50, 100 and 1000. The count of thousands comes before the thousand sign.</source>
        <translation>Nombres vieux-hongrois (székely), écrits de droite à gauche : des signes pour 1, 5, 10, 50, 100 et 1000. Le nombre de milliers précède le signe du millier.</translation>
    </message>
    <message>
        <source>One sign per decimal digit, marked on a staff. The shapes resemble the Cistercian monks&apos; numerals, but the system itself is not identified.</source>
        <translation>Un signe par chiffre décimal, marqué sur une hampe. Les formes rappellent les chiffres des moines cisterciens, mais le système lui-même n&apos;est pas identifié.</translation>
    </message>
    <message>
        <source>Probably the Ath script of the Seikai novels. Each decimal digit is replaced by a sign.</source>
        <translation>Probablement l&apos;écriture ath des romans Seikai. Chaque chiffre décimal est remplacé par un signe.</translation>
    </message>
    <message>
        <source>Brahmi digits, from the script of Ashoka&apos;s inscriptions. These positional digits belong to later use; early Brahmi had separate signs for tens.</source>
        <translation>Chiffres brahmi, de l&apos;écriture des inscriptions d&apos;Ashoka. Ces chiffres positionnels relèvent d&apos;un usage plus tardif ; la brahmi ancienne avait des signes distincts pour les dizaines.</translation>
    </message>
    <message>
        <source>The stick figures of the Sherlock Holmes story &quot;The Adventure of the Dancing Men&quot; (1903). The story has no digits: these figures are invented.</source>
        <translation>Les bonshommes de la nouvelle de Sherlock Holmes « Les Hommes dansants » (1903). La nouvelle n&apos;a pas de chiffres : ces figures sont inventées.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs, most significant first. Origin unknown.</source>
        <translation>Base 16 avec des chiffres inventés, le plus fort en tête. Origine inconnue.</translation>
    </message>
    <message>
        <source>D&apos;ni numerals from the Myst games: base 25, each digit a box of strokes.</source>
        <translation>Chiffres d&apos;ni des jeux Myst : base 25, chaque chiffre une case faite de traits.</translation>
    </message>
    <message>
        <source>Binary: base 2 with the digits 0 and 1, drawn as short and long bars.</source>
        <translation>Binaire : base 2 avec les chiffres 0 et 1, dessinés en barres courtes et longues.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs. Origin unknown.</source>
        <translation>Base 16 avec des chiffres inventés. Origine inconnue.</translation>
    </message>
    <message>
        <source>Digit signs in the style of the alien alphabets of Futurama; each decimal digit is replaced by an invented sign.</source>
        <translation>Chiffres dans le style des alphabets extraterrestres de Futurama ; chaque chiffre décimal est remplacé par un signe inventé.</translation>
    </message>
    <message>
        <source>Gorwelion, a constructed alphabet: the decimal digits between two frame signs.</source>
        <translation>Gorwelion, un alphabet construit : les chiffres décimaux entre deux signes de cadre.</translation>
    </message>
    <message>
        <source>Hieratic, the cursive script of ancient Egypt: one sign for each of 1–9, 10–90, 100–900 and 1000–9000, at most one sign per decimal place.</source>
        <translation>Le hiératique, l&apos;écriture cursive de l&apos;Égypte ancienne : un signe pour chacun de 1–9, 10–90, 100–900 et 1000–9000, au plus un signe par position décimale.</translation>
    </message>
    <message>
        <source>Digits of the Kannada script of Karnataka, India. Base 10.</source>
        <translation>Chiffres de l&apos;écriture kannada du Karnataka, en Inde. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Kayah Li script of Myanmar and Thailand. Base 10.</source>
        <translation>Chiffres de l&apos;écriture kayah li de Birmanie et de Thaïlande. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Klingons of Star Trek, who count in base 10; the shapes are invented.</source>
        <translation>Chiffres pour les Klingons de Star Trek, qui comptent en base 10 ; les formes sont inventées.</translation>
    </message>
    <message>
        <source>Khmer digits of Cambodia. Base 10; a Khmer inscription of 683 CE has one of the oldest dated zeros.</source>
        <translation>Chiffres khmers du Cambodge. Base 10 ; une inscription khmère de 683 apr. J.-C. porte l&apos;un des plus anciens zéros datés.</translation>
    </message>
    <message>
        <source>Digits of the Lao script of Laos. Base 10.</source>
        <translation>Chiffres de l&apos;écriture lao du Laos. Base 10.</translation>
    </message>
    <message>
        <source>Mongolian digits of the traditional vertical script. Base 10.</source>
        <translation>Chiffres mongols de l&apos;écriture verticale traditionnelle. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Narn of Babylon 5; invented, one per decimal digit.</source>
        <translation>Chiffres pour les Narns de Babylon 5 ; inventés, un par chiffre décimal.</translation>
    </message>
    <message>
        <source>Osmanya digits, created for Somali around 1920. Base 10.</source>
        <translation>Chiffres osmanya, créés pour le somali vers 1920. Base 10.</translation>
    </message>
    <message>
        <source>A constructed script: signs for 0–5, and 6–9 as 1–4 followed by the sign for 5.</source>
        <translation>Une écriture construite : des signes pour 0–5, et 6–9 écrits 1–4 suivis du signe de 5.</translation>
    </message>
    <message>
        <source>A constructed script counting in twelves: digits 0–11, the number in round brackets.</source>
        <translation>Une écriture construite qui compte par douze : chiffres 0–11, le nombre entre parenthèses.</translation>
    </message>
    <message>
        <source>A postal bar code: five cells per digit, bar or gap; the US POSTNET patterns with tall and short bars swapped and the order reversed.</source>
        <translation>Un code-barres postal : cinq cases par chiffre, barre ou vide ; les motifs du POSTNET américain avec barres hautes et courtes échangées et l&apos;ordre inversé.</translation>
    </message>
    <message>
        <source>Base 4 with the digits 0–3 drawn as invented signs. Origin unknown.</source>
        <translation>Base 4 avec les chiffres 0–3 dessinés en signes inventés. Origine inconnue.</translation>
    </message>
    <message>
        <source>Invented signs, one per decimal digit. Origin unknown.</source>
        <translation>Des signes inventés, un par chiffre décimal. Origine inconnue.</translation>
    </message>
    <message>
        <source>Signs in the style of the Stargate gate symbols; invented, one per decimal digit.</source>
        <translation>Des signes dans le style des symboles de la porte des étoiles de Stargate ; inventés, un par chiffre décimal.</translation>
    </message>
    <message>
        <source>Suzhou numerals, a Chinese merchants&apos; script from counting rods. The row writes them with power signs like Kanji; 百 stands in for the cursive hundred.</source>
        <translation>Chiffres de Suzhou, une écriture des marchands chinois issue des baguettes à calcul. La ligne les écrit avec des signes de puissance comme le kanji ; 百 remplace la centaine cursive.</translation>
    </message>
    <message>
        <source>Tamil digits of Tamil Nadu and Sri Lanka. Base 10 with ௦ for zero.</source>
        <translation>Chiffres tamouls du Tamil Nadu et du Sri Lanka. Base 10 avec ௦ pour zéro.</translation>
    </message>
    <message>
        <source>Digit signs for the Newcomers of Alien Nation; invented, one per decimal digit.</source>
        <translation>Chiffres pour les Nouveaux Venus d&apos;Alien Nation ; inventés, un par chiffre décimal.</translation>
    </message>
    <message>
        <source>Thai digits, used beside 0–9 in Thailand. Base 10.</source>
        <translation>Chiffres thaïs, employés à côté de 0–9 en Thaïlande. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Zentradi of Macross; invented, one per decimal digit.</source>
        <translation>Chiffres pour les Zentradis de Macross ; inventés, un par chiffre décimal.</translation>
    </message>
    <message>
        <source>Adlam digits, from the alphabet the brothers Ibrahima and Abdoulaye Barry created for Fula in Guinea in 1989. Base 10, written right to left, so the units stand at the left.</source>
        <translation>Chiffres adlam, de l&apos;alphabet que les frères Ibrahima et Abdoulaye Barry ont créé pour le peul en Guinée en 1989. Base 10, écrits de droite à gauche, si bien que les unités sont à gauche.</translation>
    </message>
    <message>
        <source>Balinese digits of Bali, Indonesia, found in palm-leaf manuscripts (lontar) and calendars. Base 10.</source>
        <translation>Chiffres balinais de Bali, en Indonésie, présents dans les manuscrits sur feuilles de palmier (lontar) et les calendriers. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Chakma script, used in the Chittagong Hill Tracts of Bangladesh and in Mizoram and Tripura, India. Base 10.</source>
        <translation>Chiffres de l&apos;écriture chakma, employée dans les Chittagong Hill Tracts du Bangladesh et au Mizoram et au Tripura, en Inde. Base 10.</translation>
    </message>
    <message>
        <source>Gujarati digits of the Indian state of Gujarat. They descend from the Nagari digits and are still printed beside 0–9. Base 10.</source>
        <translation>Chiffres goudjarati de l&apos;État indien du Gujarat. Ils descendent des chiffres nagari et sont encore imprimés à côté de 0–9. Base 10.</translation>
    </message>
    <message>
        <source>Gurmukhi digits, written with Punjabi in the script that took its standard form under the second Sikh Guru, Angad, in the 16th century. Base 10.</source>
        <translation>Chiffres gurmukhi, écrits avec le pendjabi dans l&apos;écriture qui prit sa forme standard sous le deuxième gourou sikh, Angad, au XVIe siècle. Base 10.</translation>
    </message>
    <message>
        <source>Javanese digits (aksara Jawa), still taught in schools in Central and East Java. Several look like letters, so running text sets a number off with marks. Base 10.</source>
        <translation>Chiffres javanais (aksara Jawa), encore enseignés dans les écoles de Java central et oriental. Plusieurs ressemblent à des lettres, aussi le texte courant isole-t-il un nombre par des marques. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Lepcha (Róng) script of Sikkim and Darjeeling in the eastern Himalaya, a script thought to date from the 17th or 18th century. Base 10.</source>
        <translation>Chiffres de l&apos;écriture lepcha (róng) du Sikkim et de Darjeeling dans l&apos;est de l&apos;Himalaya, une écriture qui daterait du XVIIe ou du XVIIIe siècle. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Limbu (Sirijanga) script of eastern Nepal, Sikkim and Darjeeling. Base 10.</source>
        <translation>Chiffres de l&apos;écriture limbu (sirijanga) de l&apos;est du Népal, du Sikkim et de Darjeeling. Base 10.</translation>
    </message>
    <message>
        <source>Malayalam digits of Kerala. Base 10; the positional digits are modern, older texts wrote separate signs for 10, 100 and 1000.</source>
        <translation>Chiffres malayalam du Kerala. Base 10 ; les chiffres positionnels sont modernes, les textes anciens avaient des signes distincts pour 10, 100 et 1000.</translation>
    </message>
    <message>
        <source>Digits of Meetei Mayek, the script of Manipuri, revived and officially adopted in Manipur in the late 20th century. Base 10.</source>
        <translation>Chiffres du meetei mayek, l&apos;écriture du manipuri, ranimée et officiellement adoptée au Manipur à la fin du XXe siècle. Base 10.</translation>
    </message>
    <message>
        <source>Burmese digits, in everyday use in Myanmar on prices, calendars, bank notes and number plates. Base 10.</source>
        <translation>Chiffres birmans, d&apos;usage quotidien en Birmanie sur les prix, les calendriers, les billets et les plaques d&apos;immatriculation. Base 10.</translation>
    </message>
    <message>
        <source>Odia digits of the Indian state of Odisha; Unicode still names them Oriya. Base 10.</source>
        <translation>Chiffres odia de l&apos;État indien d&apos;Odisha ; Unicode les nomme encore oriya. Base 10.</translation>
    </message>
    <message>
        <source>Digits of Ol Chiki, the script Raghunath Murmu created in 1925 for Santali in eastern India. Base 10.</source>
        <translation>Chiffres de l&apos;ol chiki, l&apos;écriture que Raghunath Murmu créa en 1925 pour le santali dans l&apos;est de l&apos;Inde. Base 10.</translation>
    </message>
    <message>
        <source>Hanifi Rohingya digits, from the script Mohammad Hanif developed in the 1980s for Rohingya. The script runs right to left, but a number reads left to right, as Arabic digits do.</source>
        <translation>Chiffres hanifi rohingya, de l&apos;écriture que Mohammad Hanif mit au point dans les années 1980 pour le rohingya. L&apos;écriture va de droite à gauche, mais un nombre se lit de gauche à droite, comme les chiffres arabes.</translation>
    </message>
    <message>
        <source>Sinhala Lith digits, the historical digits of Sinhala almanacs and horoscopes (lith: almanac); Sri Lanka writes 0–9 today. Base 10.</source>
        <translation>Chiffres lith du cingalais, les chiffres historiques des almanachs et horoscopes cingalais (lith : almanach) ; le Sri Lanka écrit aujourd&apos;hui 0–9. Base 10.</translation>
    </message>
    <message>
        <source>Sundanese digits of West Java, Indonesia. In running text a number stands between two bar-like marks, which a number on its own does not need. Base 10.</source>
        <translation>Chiffres soundanais de Java occidental, en Indonésie. Dans le texte courant, un nombre se place entre deux marques en forme de barre, dont un nombre isolé n&apos;a pas besoin. Base 10.</translation>
    </message>
    <message>
        <source>The Hora digits of Tai Tham (Lanna), the script of Northern Thai, Tai Lü and Khün, kept for secular and astrological writing; religious texts use a second set. Base 10.</source>
        <translation>Les chiffres hora du tai tham (lanna), l&apos;écriture du thaï du Nord, du tai lü et du khün, conservés pour les écrits profanes et astrologiques ; les textes religieux emploient une seconde série. Base 10.</translation>
    </message>
    <message>
        <source>Telugu digits of Andhra Pradesh and Telangana, South India, still seen in print and on traditional documents. Base 10.</source>
        <translation>Chiffres télougou de l&apos;Andhra Pradesh et du Telangana, dans le sud de l&apos;Inde, encore visibles dans l&apos;imprimé et sur des documents traditionnels. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Vai syllabary of Liberia, which Momolu Duwalu Bukele created in the 1830s; the digits came later. Base 10.</source>
        <translation>Chiffres du syllabaire vaï du Liberia, que Momolu Duwalu Bukele créa dans les années 1830 ; les chiffres sont venus plus tard. Base 10.</translation>
    </message>
    <message>
        <source>Numbers of Linear A and Linear B (Crete and Mycenaean Greece, about 1800–1200 BC), mostly counts of goods on clay tablets: strokes, bars, circles and rayed circles for 1 to 10000, repeated. Unicode has one sign for each digit of each place.</source>
        <translation>Nombres du linéaire A et du linéaire B (Crète et Grèce mycénienne, vers 1800–1200 av. J.-C.), surtout des comptes de marchandises sur des tablettes d&apos;argile : traits, barres, cercles et cercles rayonnants pour 1 à 10000, répétés. Unicode a un signe pour chaque chiffre de chaque position.</translation>
    </message>
    <message>
        <source>Brahmi numerals of Indian inscriptions from the 3rd century BC: signs for 1–9 and 10–90 add up, and 100 and 1000 are joined to the sign that multiplies them. No zero, no place value; the later Indian digits grew out of the unit signs.</source>
        <translation>Nombres brahmi des inscriptions indiennes à partir du IIIe siècle av. J.-C. : les signes pour 1–9 et 10–90 s&apos;additionnent, et 100 et 1000 sont liés au signe qui les multiplie. Pas de zéro, pas de valeur de position ; les chiffres indiens ultérieurs sont issus des signes des unités.</translation>
    </message>
    <message>
        <source>Chinese financial numerals (大写), required on cheques and receipts: characters that are hard to alter into another number. Built like the Kanji numerals, with 壹 before 拾 and 零 for empty places.</source>
        <translation>Chiffres financiers chinois (大写), exigés sur les chèques et les reçus : des caractères difficiles à transformer en un autre nombre. Formés comme les chiffres kanji, avec 壹 devant 拾 et 零 pour les positions vides.</translation>
    </message>
    <message>
        <source>Coptic letters used as numbers on the Greek model, with sou for 6, fei for 90 and sampi for 900. A line over the letters marks a number; a double line, one of the old forms, marks thousands.</source>
        <translation>Lettres coptes employées comme nombres sur le modèle grec, avec sou pour 6, fei pour 90 et sampi pour 900. Un trait au-dessus des lettres marque un nombre ; un double trait, une des formes anciennes, marque les milliers.</translation>
    </message>
    <message>
        <source>Church Slavonic letter numerals on the Greek model, used from the 10th century until Peter the Great and still in liturgical books. A titlo ҃ marks the number, ҂ a thousand.</source>
        <translation>Chiffres-lettres du slavon d&apos;Église sur le modèle grec, employés du Xe siècle jusqu&apos;à Pierre le Grand et encore dans les livres liturgiques. Un titlo ҃ marque le nombre, ҂ un millier.</translation>
    </message>
    <message>
        <source>Georgian letters as numbers, on the Greek model with letters of their own for the thousands; still seen in church books and chapter numbers. The last letter stands for 10000, so only 1–19999 can be written.</source>
        <translation>Lettres géorgiennes comme nombres, sur le modèle grec avec des lettres propres pour les milliers ; on les voit encore dans les livres d&apos;église et les numéros de chapitre. La dernière lettre vaut 10000, si bien que seuls 1–19999 s&apos;écrivent.</translation>
    </message>
    <message>
        <source>Kharoshthi numbers of ancient Gandhara (3rd century BC to 3rd century AD), written right to left: 1, 2, 3, 4, 10 and 20 add up, and a count before 100 or 1000 multiplies it. Thousands above the attested ones follow the pattern of the hundreds.</source>
        <translation>Nombres kharoshthi de l&apos;ancien Gandhara (IIIe siècle av. J.-C. au IIIe siècle apr. J.-C.), écrits de droite à gauche : 1, 2, 3, 4, 10 et 20 s&apos;additionnent, et un compte devant 100 ou 1000 le multiplie. Les milliers au-delà de ceux attestés suivent le modèle des centaines.</translation>
    </message>
    <message>
        <source>Traditional Tamil numerals, in use until the 19th and 20th centuries: digits and the signs ௰ ௱ ௲ for 10, 100 and 1000; a digit before a sign multiplies it (௩௱ = 300).</source>
        <translation>Chiffres tamouls traditionnels, en usage jusqu&apos;aux XIXe et XXe siècles : des chiffres et les signes ௰ ௱ ௲ pour 10, 100 et 1000 ; un chiffre devant un signe le multiplie (௩௱ = 300).</translation>
    </message>
    <message>
        <source>Chinese counting rods, the arithmetic of the counting board, as written from the Song dynasty on: lying rods for units, hundreds and ten-thousands, upright rods for tens and thousands, so that neighbouring places differ. The older Han board had it the other way round. An empty place is 〇, as written from the 13th century on.</source>
        <translation>Les baguettes à calculer chinoises, l&apos;arithmétique de la planche à calcul, telles qu&apos;écrites à partir de la dynastie Song : baguettes couchées pour les unités, centaines et dizaines de milliers, debout pour les dizaines et milliers, afin que deux positions voisines diffèrent. L&apos;ancienne planche des Han faisait l&apos;inverse. Une position vide est 〇, comme on l&apos;écrit à partir du XIIIe siècle.</translation>
    </message>
    <message>
        <source>Digits of the Ahom script of the Tai Ahom kingdom in the Brahmaputra valley of Assam (13th–19th century), whose chronicles (buranji) are read again today. Base 10.</source>
        <translation>Chiffres de l&apos;écriture ahom du royaume tai ahom de la vallée du Brahmapoutre en Assam (XIIIe–XIXe siècle), dont les chroniques (buranji) sont de nouveau lues aujourd&apos;hui. Base 10.</translation>
    </message>
    <message>
        <source>Bhaiksuki digits, from a script of Buddhist manuscripts and inscriptions of eastern India in the 11th and 12th centuries, known from only a few documents; its name refers to monks (bhikṣu). Base 10.</source>
        <translation>Chiffres bhaiksuki, d&apos;une écriture de manuscrits et d&apos;inscriptions bouddhiques de l&apos;Inde orientale aux XIe et XIIe siècles, connue par quelques documents seulement ; son nom renvoie aux moines (bhikṣu). Base 10.</translation>
    </message>
    <message>
        <source>Cham digits, from the script of the Cham people of Vietnam and Cambodia, which descends from the Indian-derived scripts of ancient Champa. Base 10.</source>
        <translation>Chiffres cham, de l&apos;écriture du peuple cham du Viêt Nam et du Cambodge, qui descend des écritures d&apos;origine indienne de l&apos;ancien Champa. Base 10.</translation>
    </message>
    <message>
        <source>Chinese digits written place by place, 〇 for zero and no 十 百 千 (2026 = 二〇二六), as in China and Japan for years, addresses and telephone numbers, and in vertical text.</source>
        <translation>Chiffres chinois écrits position par position, 〇 pour zéro et sans 十 百 千 (2026 = 二〇二六), comme en Chine et au Japon pour les années, les adresses et les numéros de téléphone, et dans le texte vertical.</translation>
    </message>
    <message>
        <source>Gunjala Gondi digits, from a script for the Gondi language known from manuscripts of Gunjala village in Telangana, India, studied again since the 2000s. Base 10.</source>
        <translation>Chiffres gunjala gondi, d&apos;une écriture de la langue gondi connue par des manuscrits du village de Gunjala au Telangana, en Inde, étudiée de nouveau depuis les années 2000. Base 10.</translation>
    </message>
    <message>
        <source>Khudawadi digits, from a merchant script of the Landa family used for Sindhi, especially by Hindu Sindhi traders. Base 10.</source>
        <translation>Chiffres khudawadi, d&apos;une écriture marchande de la famille landa utilisée pour le sindhi, surtout par les commerçants sindhis hindous. Base 10.</translation>
    </message>
    <message>
        <source>Masaram Gondi digits, from the script Munshi Mangal Singh Masaram devised in 1918 for the Gondi language of central India. Base 10.</source>
        <translation>Chiffres masaram gondi, de l&apos;écriture que Munshi Mangal Singh Masaram conçut en 1918 pour la langue gondi de l&apos;Inde centrale. Base 10.</translation>
    </message>
    <message>
        <source>Modi digits, from the cursive script of Marathi in administration and trade from the 17th century until Devanagari replaced it in the mid-20th century. Base 10.</source>
        <translation>Chiffres modi, de l&apos;écriture cursive du marathi dans l&apos;administration et le commerce du XVIIe siècle jusqu&apos;à ce que la devanagari la remplace au milieu du XXe siècle. Base 10.</translation>
    </message>
    <message>
        <source>Mro digits, from the script Manlay created in the 1980s for the Mro language of Bangladesh&apos;s Chittagong Hill Tracts and western Myanmar. Base 10.</source>
        <translation>Chiffres mro, de l&apos;écriture que Manlay créa dans les années 1980 pour la langue mro des Chittagong Hill Tracts au Bangladesh et de l&apos;ouest de la Birmanie. Base 10.</translation>
    </message>
    <message>
        <source>New Tai Lue digits, from the simplified Tai Tham script introduced in the 1950s in Xishuangbanna, Yunnan, China, for the Tai Lü language. Base 10.</source>
        <translation>Chiffres nouveau tai lue, de l&apos;écriture tai tham simplifiée introduite dans les années 1950 au Xishuangbanna, Yunnan, Chine, pour la langue tai lü. Base 10.</translation>
    </message>
    <message>
        <source>Newa digits, from the script of Nepal Bhasa, the language of the Newars of the Kathmandu valley, with a long manuscript tradition now being revived. Base 10.</source>
        <translation>Chiffres newa, de l&apos;écriture du nepal bhasa, la langue des Newars de la vallée de Katmandou, d&apos;une longue tradition manuscrite aujourd&apos;hui ravivée. Base 10.</translation>
    </message>
    <message>
        <source>Nyiakeng Puachue Hmong digits, from the alphabet the Reverend Chervang Kong Vang created in the 1980s for Hmong, used mainly by a church community in the United States. Base 10.</source>
        <translation>Chiffres nyiakeng puachue hmong, de l&apos;alphabet que le révérend Chervang Kong Vang créa dans les années 1980 pour le hmong, utilisé surtout par une communauté religieuse aux États-Unis. Base 10.</translation>
    </message>
    <message>
        <source>Pahawh Hmong digits, from the semi-syllabary Shong Lue Yang created in Laos in 1959 for Hmong. Base 10; the script also has signs for tens and hundreds, not used here.</source>
        <translation>Chiffres pahawh hmong, du semi-syllabaire que Shong Lue Yang créa au Laos en 1959 pour le hmong. Base 10 ; l&apos;écriture a aussi des signes pour les dizaines et les centaines, non utilisés ici.</translation>
    </message>
    <message>
        <source>Saurashtra digits, from the script of the Saurashtra language spoken around Madurai in Tamil Nadu by a community whose ancestors came from Gujarat. Base 10.</source>
        <translation>Chiffres saurashtra, de l&apos;écriture de la langue saurashtra parlée autour de Madurai au Tamil Nadu par une communauté dont les ancêtres venaient du Gujarat. Base 10.</translation>
    </message>
    <message>
        <source>The digits of seven-segment displays in clocks, meters and calculators: each digit lights some of seven bars. Not a numeral system but a display code for 0–9, as Braille and Morse code are.</source>
        <translation>Les chiffres des afficheurs à sept segments des horloges, compteurs et calculatrices : chaque chiffre allume certains des sept segments. Pas un système de numération mais un code d&apos;affichage pour 0–9, comme le braille et le code Morse.</translation>
    </message>
    <message>
        <source>Shan digits, written by the Shan of Shan State, Myanmar, with their form of the Myanmar script; they differ from the Burmese digits of the third page. Base 10.</source>
        <translation>Chiffres shan, écrits par les Shans de l&apos;État shan, en Birmanie, avec leur forme de l&apos;écriture birmane ; ils diffèrent des chiffres birmans de la troisième page. Base 10.</translation>
    </message>
    <message>
        <source>Sharada digits, from the script of Kashmir from about the 8th century, used for Sanskrit and Kashmiri and kept today mainly in ritual use. Base 10.</source>
        <translation>Chiffres sharada, de l&apos;écriture du Cachemire depuis le VIIIe siècle environ, utilisée pour le sanskrit et le cachemiri et conservée aujourd&apos;hui surtout pour le rituel. Base 10.</translation>
    </message>
    <message>
        <source>Sora Sompeng digits, from the script Mangei Gomango created in 1936 for the Sora language of Odisha and Andhra Pradesh, India. Base 10.</source>
        <translation>Chiffres sora sompeng, de l&apos;écriture que Mangei Gomango créa en 1936 pour la langue sora de l&apos;Odisha et de l&apos;Andhra Pradesh, en Inde. Base 10.</translation>
    </message>
    <message>
        <source>Suzhou numerals, the commercial digits of Chinese markets and account books, written place by place: 〡 〢 〣 after an upright 〡 〢 〣 lie as 一 二 三 (21 = 〢一), so that 〢〡 is not read as 〣. Real use adds a line for the unit, left out here.</source>
        <translation>Chiffres de Suzhou, les chiffres commerciaux des marchés et livres de comptes chinois, écrits position par position : 〡 〢 〣 après un 〡 〢 〣 debout se couchent en 一 二 三 (21 = 〢一), pour que 〢〡 ne se lise pas 〣. L&apos;usage réel ajoute une ligne pour l&apos;unité, omise ici.</translation>
    </message>
    <message>
        <source>Tai Laing digits, from the Myanmar script as extended for Tai Laing, a Tai language of Kachin and Sagaing in Myanmar. Base 10.</source>
        <translation>Chiffres tai laing, de l&apos;écriture birmane étendue pour le tai laing, une langue taï du Kachin et du Sagaing en Birmanie. Base 10.</translation>
    </message>
    <message>
        <source>Takri digits, from a family of scripts of the western Himalaya used for Dogri, Chambeali and other languages from the 16th to the early 20th century. Base 10.</source>
        <translation>Chiffres takri, d&apos;une famille d&apos;écritures de l&apos;Himalaya occidental utilisées pour le dogri, le chambeali et d&apos;autres langues du XVIe au début du XXe siècle. Base 10.</translation>
    </message>
    <message>
        <source>The Tham digits of Tai Tham (Lanna), used in Buddhist religious texts of northern Thailand and its neighbours; secular writing uses the Hora digits of the third page. Base 10.</source>
        <translation>Les chiffres tham du tai tham (lanna), utilisés dans les textes religieux bouddhiques du nord de la Thaïlande et de ses voisins ; l&apos;écriture profane utilise les chiffres hora de la troisième page. Base 10.</translation>
    </message>
    <message>
        <source>Tirhuta (Mithilakshar) digits, from the traditional script of Maithili in Bihar, India, and south-eastern Nepal, now being revived. Base 10.</source>
        <translation>Chiffres tirhuta (mithilakshar), de l&apos;écriture traditionnelle du maïthili au Bihar, en Inde, et dans le sud-est du Népal, aujourd&apos;hui ravivée. Base 10.</translation>
    </message>
    <message>
        <source>Wancho digits, from the alphabet the teacher Banwang Losu created between 2001 and 2012 for the Wancho language of Arunachal Pradesh, India. Base 10.</source>
        <translation>Chiffres wancho, de l&apos;alphabet que l&apos;enseignant Banwang Losu créa entre 2001 et 2012 pour la langue wancho de l&apos;Arunachal Pradesh, en Inde. Base 10.</translation>
    </message>
    <message>
        <source>Warang Citi digits, from the script Lako Bodra created in the mid-20th century for the Ho language of Jharkhand and Odisha, India. Base 10.</source>
        <translation>Chiffres warang citi, de l&apos;écriture que Lako Bodra créa au milieu du XXe siècle pour la langue ho du Jharkhand et de l&apos;Odisha, en Inde. Base 10.</translation>
    </message>
    <message>
        <source>Abjad numerals: the Arabic letters with the values of the old Semitic alphabet order (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 and ghayn for 1000, added up. Used before the Indian digits spread and still for numbering and in chronograms, where a verse adds up to a year. Written right to left; shown for 1–1999.</source>
        <translation>Chiffres abjad : les lettres arabes avec les valeurs de l&apos;ancien ordre alphabétique sémitique (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 et ghayn pour 1000, additionnées. Utilisés avant la diffusion des chiffres indiens et encore pour numéroter et dans les chronogrammes, où un vers donne une année. Écrits de droite à gauche ; montrés pour 1–1999.</translation>
    </message>
    <message>
        <source>Imperial Aramaic numbers of the Persian Empire&apos;s papyri (6th–4th century BC), written right to left: strokes in threes for units, a sign for 10 and one for 20, and a count of strokes before the signs for 100, 1000 and 10000.</source>
        <translation>Nombres en araméen impérial des papyrus de l&apos;Empire perse (VIe–IVe siècle av. J.-C.), écrits de droite à gauche : des traits par trois pour les unités, un signe pour 10 et un pour 20, et un nombre de traits devant les signes de 100, 1000 et 10000.</translation>
    </message>
    <message>
        <source>Everyday Chinese numerals, written as the numbers are spoken: a digit multiplies the sign of its power (千 百 十, 万 for ten thousand) and the products add up; 零 marks skipped places, and 十 stands alone at the start of 10–19.</source>
        <translation>Chiffres chinois courants, écrits comme les nombres se disent : un chiffre multiplie le signe de sa puissance (千 百 十, 万 pour dix mille) et les produits s&apos;additionnent ; 零 marque les positions sautées, et 十 est seul au début de 10–19.</translation>
    </message>
    <message>
        <source>Coptic epact numbers, cursive figures from Egyptian accounts and the Easter tables (epacts), descended from Greek letter numerals written fast. One sign for each multiple of 1, 10 and 100; a mark below a sign multiplies it by a thousand.</source>
        <translation>Nombres épactes coptes, figures cursives des comptes égyptiens et des tables de Pâques (épactes), issues des chiffres-lettres grecs écrits vite. Un signe pour chaque multiple de 1, 10 et 100 ; une marque sous un signe le multiplie par mille.</translation>
    </message>
    <message>
        <source>Japanese financial numerals (大字), written on documents where a number must not be altered: 壱 弐 参 拾 cannot be turned into another number with a stroke. 壱 stands before every power, 拾 included; nothing marks an empty place.</source>
        <translation>Chiffres financiers japonais (大字), écrits sur les documents où un nombre ne doit pas être modifié : 壱 弐 参 拾 ne peuvent devenir un autre nombre d&apos;un trait. 壱 précède chaque puissance, 拾 compris ; rien ne marque une position vide.</translation>
    </message>
    <message>
        <source>Glagolitic letters as numbers, in the order of the oldest Slavic alphabet (9th century), used in Croatian church books for centuries. 11–19 put the units first, as the Slavic words do; Ⱍ is 1000, so 1–1999 are shown.</source>
        <translation>Lettres glagolitiques comme nombres, dans l&apos;ordre du plus ancien alphabet slave (IXe siècle), utilisées pendant des siècles dans les livres d&apos;église croates. 11–19 placent les unités en premier, comme les mots slaves ; Ⱍ vaut 1000, d&apos;où 1–1999.</translation>
    </message>
    <message>
        <source>Kaktovik numerals, invented in 1994 by Iñupiaq pupils in Kaktovik, Alaska, for their language&apos;s counting in twenties. Base 20; in each digit the strokes across count fives and the strokes hanging below count ones.</source>
        <translation>Chiffres de Kaktovik, inventés en 1994 par des élèves iñupiaq de Kaktovik, en Alaska, pour le compte par vingtaines de leur langue. Base 20 ; dans chaque chiffre, les traits en travers comptent les cinq et les traits pendants en dessous comptent les unités.</translation>
    </message>
    <message>
        <source>Traditional Malayalam numerals of Kerala, written as they are spoken before positional digits took over in the 19th century: digits and signs for 10, 100 and 1000 (൰ ൱ ൲), a digit before a sign multiplies it. No zero.</source>
        <translation>Chiffres malayalam traditionnels du Kerala, écrits comme ils se disent, avant que les chiffres de position ne l&apos;emportent au XIXe siècle : des chiffres et des signes pour 10, 100 et 1000 (൰ ൱ ൲), un chiffre devant un signe le multiplie. Pas de zéro.</translation>
    </message>
    <message>
        <source>Medefaidrin numerals of the Oberi Okaime church in south-eastern Nigeria (1930s). Base 20 with a zero, like the Ibibio counting in twenties, with twenty digit signs.</source>
        <translation>Chiffres medefaidrin de l&apos;Église Oberi Okaime du sud-est du Nigeria (années 1930). Base 20 avec un zéro, comme le compte par vingtaines de l&apos;ibibio, avec vingt signes de chiffres.</translation>
    </message>
    <message>
        <source>Mende Kikakui numerals of Sierra Leone (about 1917), written right to left: each digit carries a small mark for its power, tens, hundreds, thousands or ten-thousands, and one for 11–19.</source>
        <translation>Chiffres mendé kikakui de Sierra Leone (vers 1917), écrits de droite à gauche : chaque chiffre porte une petite marque pour sa puissance, dizaines, centaines, milliers ou dizaines de milliers, et une pour 11–19.</translation>
    </message>
    <message>
        <source>Meroitic cursive numbers of the kingdom of Kush on the Nile (3rd century BC – 4th century AD), right to left: one sign for each multiple of each power of ten, as in Egyptian Demotic. Unicode has no signs for 80 and 90, so numbers with those tens have no form.</source>
        <translation>Nombres méroïtiques cursifs du royaume de Koush sur le Nil (IIIe siècle av. J.-C. – IVe siècle apr. J.-C.), de droite à gauche : un signe pour chaque multiple de chaque puissance de dix, comme en démotique égyptien. Unicode n&apos;a pas de signes pour 80 et 90, donc les nombres avec ces dizaines n&apos;ont pas de forme.</translation>
    </message>
    <message>
        <source>Inscriptional Parthian numbers of the Arsacid empire (3rd century BC – 3rd century AD), right to left: strokes in fours, signs for 10 and 20, and a count before 100 and 1000. Shown for 1–9999.</source>
        <translation>Nombres du parthe des inscriptions de l&apos;Empire arsacide (IIIe siècle av. J.-C. – IIIe siècle apr. J.-C.), de droite à gauche : des traits par quatre, des signes pour 10 et 20, et un compte devant 100 et 1000. Montrés pour 1–9999.</translation>
    </message>
    <message>
        <source>Phoenician numbers of Tyre, Sidon and Carthage, right to left: strokes in threes, a stroke for 10, a sign for 20, and a count of strokes before the sign for 100. No sign for a thousand, so 1–999.</source>
        <translation>Nombres phéniciens de Tyr, Sidon et Carthage, de droite à gauche : des traits par trois, un trait pour 10, un signe pour 20, et un nombre de traits devant le signe de 100. Pas de signe pour mille, donc 1–999.</translation>
    </message>
    <message>
        <source>Roman numerals with the old signs for the thousands: ↀ (CIↃ) for 1000, ↁ for 5000, ↂ for 10000 and ↇ for 50000, the forms the Romans and early printers used before M.</source>
        <translation>Chiffres romains avec les anciens signes des milliers : ↀ (CIↃ) pour 1000, ↁ pour 5000, ↂ pour 10000 et ↇ pour 50000, les formes qu&apos;utilisaient les Romains et les premiers imprimeurs avant M.</translation>
    </message>
    <message>
        <source>Rumi (Fez) numerals of North Africa and al-Andalus (10th–17th century): one sign for each multiple of 1, 10 and 100, not positional. Historically the units stood at the left; Unicode lays them out with the hundreds at the left. 1–999.</source>
        <translation>Chiffres rumi (de Fès) d&apos;Afrique du Nord et d&apos;al-Andalus (Xe–XVIIe siècle) : un signe pour chaque multiple de 1, 10 et 100, sans position. Historiquement les unités étaient à gauche ; Unicode les dispose avec les centaines à gauche. 1–999.</translation>
    </message>
    <message>
        <source>Sinhala archaic numerals (illakkam), the numerals of Sri Lanka until the early 19th century: signs of their own for 1–9 and 10–90, and a digit before the signs for 100 and 1000. No zero.</source>
        <translation>Chiffres cinghalais archaïques (illakkam), les chiffres du Sri Lanka jusqu&apos;au début du XIXe siècle : des signes propres pour 1–9 et 10–90, et un chiffre devant les signes de 100 et 1000. Pas de zéro.</translation>
    </message>
    <message>
        <source>Sumerian counting signs (3rd millennium BC): units of 1, 10, 60, 600, 3600 and 36000, bases 10 and 6 in turn, one grouped sign for each count of a unit. The later Babylonian place value grew out of them.</source>
        <translation>Signes de compte sumériens (IIIe millénaire av. J.-C.) : des unités de 1, 10, 60, 600, 3600 et 36000, bases 10 et 6 en alternance, un signe groupé pour chaque compte d&apos;une unité. La numération de position babylonienne en est issue.</translation>
    </message>
    <message>
        <source>Syriac letters as numbers, on the Greek and Hebrew model: the 22 letters count to 400, higher hundreds add letters (900 = ܬܬܩ), and a stroke below a letter makes it thousands. Right to left; 1–9999.</source>
        <translation>Lettres syriaques comme nombres, sur le modèle grec et hébreu : les 22 lettres comptent jusqu&apos;à 400, les centaines supérieures ajoutent des lettres (900 = ܬܬܩ), et un trait sous une lettre en fait des milliers. De droite à gauche ; 1–9999.</translation>
    </message>
    <message>
        <source>Tally marks, strokes bundled in fives, four crossed by the fifth: the five-bar gate of scores and votes. Shown up to 50.</source>
        <translation>Bâtonnets, des traits groupés par cinq, quatre barrés par le cinquième : le compte des scores et des votes. Montrés jusqu&apos;à 50.</translation>
    </message>
    <message>
        <source>Chinese tally marks: votes and scores are counted by writing the five strokes of 正 one at a time, so each finished character is five. Shown up to 50.</source>
        <translation>Bâtonnets chinois : on compte votes et scores en écrivant un à un les cinq traits de 正, si bien que chaque caractère achevé vaut cinq. Montrés jusqu&apos;à 50.</translation>
    </message>
    <message>
        <source>Tangut numerals of the Western Xia state in north-western China (1038–1227), built like Chinese numbers with Tangut characters: a digit before the signs for 10, 100, 1000 and 10000, with no digit before a ten. No zero.</source>
        <translation>Chiffres tangoutes de l&apos;État des Xia occidentaux dans le nord-ouest de la Chine (1038–1227), construits comme les nombres chinois avec des caractères tangoutes : un chiffre devant les signes de 10, 100, 1000 et 10000, sans chiffre devant une dizaine. Pas de zéro.</translation>
    </message>
    <message>
        <source>Traditional Chinese financial numerals (大寫) of cheques and receipts in Taiwan and Hong Kong, hard to alter into another number; 壹 stands before 拾 too, as banks require, and 零 marks empty places.</source>
        <translation>Chiffres financiers chinois traditionnels (大寫) des chèques et reçus de Taïwan et de Hong Kong, difficiles à changer en un autre nombre ; 壹 précède aussi 拾, comme l&apos;exigent les banques, et 零 marque les positions vides.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Find a system</source>
        <translation>Chercher un système</translation>
    </message>
    <message>
        <source>script, language, place</source>
        <translation>écriture, langue, lieu</translation>
    </message>
    <message>
        <source>Systems found</source>
        <translation>Systèmes trouvés</translation>
    </message>
    <message>
        <source>No system found</source>
        <translation>Aucun système trouvé</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Number signs of other cultures</source>
        <translation>Les chiffres d&apos;autres cultures</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>NumberParser</name>
    <message>
        <source>Number must be greater than 0 and less than %1</source>
        <translation>Le nombre doit être supérieur à 0 et inférieur à %1</translation>
    </message>
    <message>
        <source>Number must be greater than 0 und less than %1</source>
        <translation>Le nombre doit être supérieur à 0 et inférieur à %1</translation>
    </message>
</context>
<context>
    <name>NumeralPages</name>
    <message>
        <source>Number signs 1</source>
        <translation>Chiffres 1</translation>
    </message>
    <message>
        <source>Number signs 2</source>
        <translation>Chiffres 2</translation>
    </message>
    <message>
        <source>Number signs 3</source>
        <translation>Chiffres 3</translation>
    </message>
    <message>
        <source>Number signs 4</source>
        <translation>Chiffres 4</translation>
    </message>
    <message>
        <source>Number signs 5</source>
        <translation>Chiffres 5</translation>
    </message>
</context>
<context>
    <name>ProgramResources</name>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 introuvable</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
</context>
<context>
    <name>RecognisedNumbers</name>
    <message>
        <source>No number this program can read</source>
        <translation>Aucun nombre que ce programme sache lire</translation>
    </message>
</context>
<context>
    <name>RowCaption</name>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Decimal digits</source>
        <translation>Chiffres décimaux</translation>
    </message>
    <message>
        <source>Ancient Greek</source>
        <translation>Grec ancien</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>Égyptien</translation>
    </message>
    <message>
        <source>Amharic</source>
        <translation>Amharique</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Arménien</translation>
    </message>
    <message>
        <source>Assyrian</source>
        <translation>Assyrien</translation>
    </message>
    <message>
        <source>Attic</source>
        <translation>Attique</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Braille</source>
        <translation>Braille</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>Fingernumbers</source>
        <translation>Doigts</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>Gotique</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
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
        <translation>Ionien</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Manchu</source>
        <translation>Mandchou</translation>
    </message>
    <message>
        <source>Maya</source>
        <translation>Maya</translation>
    </message>
    <message>
        <source>Maya-Hierogl.</source>
        <translation>Maya-hiérogl.</translation>
    </message>
    <message>
        <source>Morse code</source>
        <translation>Code Morse</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Romain</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sanskrit</translation>
    </message>
    <message>
        <source>Semaphore</source>
        <translation>Sémaphore</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibétain</translation>
    </message>
    <message>
        <source>Hungar.Runes</source>
        <translation>Runes hongr.</translation>
    </message>
    <message>
        <source>Staff numbers</source>
        <translation>Chiffres bâton</translation>
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
        <translation>Code binaire</translation>
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
        <translation>Hiératique</translation>
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
        <translation>Laotien</translation>
    </message>
    <message>
        <source>Mong</source>
        <translation>Mongol</translation>
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
        <translation>Code postal</translation>
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
        <translation>Tamoul</translation>
    </message>
    <message>
        <source>Tenctonese</source>
        <translation>Tenctonese</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
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
        <translation>Balinais</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>Chakma</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Goudjarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>Javanais</translation>
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
        <translation>Birman</translation>
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
        <translation>Cinghalais Lith</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>Soundanais</translation>
    </message>
    <message>
        <source>Tai Tham</source>
        <translation>Tai Tham</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Télougou</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>Vaï</translation>
    </message>
    <message>
        <source>Aegean</source>
        <translation>Égéen</translation>
    </message>
    <message>
        <source>Brahmi old</source>
        <translation>Brahmi ancien</translation>
    </message>
    <message>
        <source>Chinese fin.</source>
        <translation>Chinois fin.</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>Copte</translation>
    </message>
    <message>
        <source>Counting rods</source>
        <translation>Baguettes</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Géorgien</translation>
    </message>
    <message>
        <source>Kharoshthi</source>
        <translation>Kharoshthi</translation>
    </message>
    <message>
        <source>Tamil old</source>
        <translation>Tamoul ancien</translation>
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
        <translation>Chinois déc.</translation>
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
        <translation>Néo-tai-lue</translation>
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
        <translation>7 segments</translation>
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
        <translation>Chiffres suzhou</translation>
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
        <translation>Chiffres tham</translation>
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
        <translation>Abjad</translation>
    </message>
    <message>
        <source>Aramaic</source>
        <translation>Araméen</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Coptic epact</source>
        <translation>Épactes coptes</translation>
    </message>
    <message>
        <source>Daiji</source>
        <translation>Daiji</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>Glagolitique</translation>
    </message>
    <message>
        <source>Kaktovik</source>
        <translation>Kaktovik</translation>
    </message>
    <message>
        <source>Malayalam old</source>
        <translation>Malayal. anc.</translation>
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
        <translation>Méroïtique</translation>
    </message>
    <message>
        <source>Parthian</source>
        <translation>Parthe</translation>
    </message>
    <message>
        <source>Phoenician</source>
        <translation>Phénicien</translation>
    </message>
    <message>
        <source>Roman ↀↁↂ</source>
        <translation>Romain ↀↁↂ</translation>
    </message>
    <message>
        <source>Rumi</source>
        <translation>Rumi</translation>
    </message>
    <message>
        <source>Sinhala old</source>
        <translation>Cinghal. anc.</translation>
    </message>
    <message>
        <source>Sumerian</source>
        <translation>Sumérien</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syriaque</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Bâtonnets</translation>
    </message>
    <message>
        <source>Tally 正</source>
        <translation>Bâtonnets 正</translation>
    </message>
    <message>
        <source>Tangut</source>
        <translation>Tangoute</translation>
    </message>
    <message>
        <source>Trad. fin.</source>
        <translation>Trad. fin.</translation>
    </message>
</context>
<context>
    <name>RowInteraction</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Copier comme image</translation>
    </message>
    <message>
        <source>Copy All Rows</source>
        <translation>Copier toutes les lignes</translation>
    </message>
    <message>
        <source>Sign by Sign</source>
        <translation>Signe par signe</translation>
    </message>
</context>
<context>
    <name>RowText</name>
    <message>
        <source>decimal</source>
        <translation>décimal</translation>
    </message>
    <message>
        <source>hieratic signs %1</source>
        <translation>signes hiératiques %1</translation>
    </message>
    <message>
        <source>staff numerals</source>
        <translation>chiffres à hampe</translation>
    </message>
    <message>
        <source>Ath digits</source>
        <translation>chiffres ath</translation>
    </message>
    <message>
        <source>dancing-men figures</source>
        <translation>figurines des hommes dansants</translation>
    </message>
    <message>
        <source>Futurama digits</source>
        <translation>chiffres de Futurama</translation>
    </message>
    <message>
        <source>Klingon digits</source>
        <translation>chiffres klingons</translation>
    </message>
    <message>
        <source>Narn digits</source>
        <translation>chiffres narns</translation>
    </message>
    <message>
        <source>SpaceKees digits</source>
        <translation>chiffres SpaceKees</translation>
    </message>
    <message>
        <source>Stargate digits</source>
        <translation>chiffres Stargate</translation>
    </message>
    <message>
        <source>Tenctonese digits</source>
        <translation>chiffres tenctonais</translation>
    </message>
    <message>
        <source>Zentlardy digits</source>
        <translation>chiffres zentradis</translation>
    </message>
    <message>
        <source>no sign for zero</source>
        <translation>aucun signe pour zéro</translation>
    </message>
    <message>
        <source>the system has no form for this number</source>
        <translation>le système ne peut pas écrire ce nombre</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unités</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dizaine</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <source>hundred</source>
        <translation>centaine</translation>
    </message>
    <message>
        <source>hundreds</source>
        <translation>centaines</translation>
    </message>
    <message>
        <source>thousand</source>
        <translation>millier</translation>
    </message>
    <message>
        <source>thousands</source>
        <translation>milliers</translation>
    </message>
    <message>
        <source>ten thousand</source>
        <translation>dizaine de milliers</translation>
    </message>
    <message>
        <source>ten thousands</source>
        <translation>dizaines de milliers</translation>
    </message>
    <message>
        <source>%1 (base %2)</source>
        <translation>%1 (base %2)</translation>
    </message>
    <message>
        <source>%1 as counting hands: %2 fingers</source>
        <translation>%1 en mains qui comptent : %2 doigts</translation>
    </message>
    <message>
        <source>tally marks are shown up to 50</source>
        <translation>les bâtonnets sont montrés jusqu&apos;à 50</translation>
    </message>
    <message>
        <source>counting hand</source>
        <translation>main qui compte</translation>
    </message>
    <message>
        <source>Heyarian tally mark</source>
        <translation>bâton heyarian</translation>
    </message>
    <message>
        <source>Maya head glyph</source>
        <translation>glyphe céphalomorphe maya</translation>
    </message>
    <message>
        <source>Semaphore flag</source>
        <translation>drapeau sémaphore</translation>
    </message>
    <message>
        <source>staff numeral</source>
        <translation>chiffre à hampe</translation>
    </message>
    <message>
        <source>Ath digit</source>
        <translation>chiffre ath</translation>
    </message>
    <message>
        <source>dancing-men figure</source>
        <translation>figurine des hommes dansants</translation>
    </message>
    <message>
        <source>Diamond digit</source>
        <translation>chiffre Diamond</translation>
    </message>
    <message>
        <source>D&apos;Ni digit</source>
        <translation>chiffre d&apos;ni</translation>
    </message>
    <message>
        <source>Dual code digit</source>
        <translation>chiffre du code binaire</translation>
    </message>
    <message>
        <source>Ecclemony digit</source>
        <translation>chiffre Ecclemony</translation>
    </message>
    <message>
        <source>Four Line digit</source>
        <translation>chiffre Four Line</translation>
    </message>
    <message>
        <source>Futurama digit</source>
        <translation>chiffre de Futurama</translation>
    </message>
    <message>
        <source>Gorwelion digit</source>
        <translation>chiffre Gorwelion</translation>
    </message>
    <message>
        <source>hieratic sign</source>
        <translation>signe hiératique</translation>
    </message>
    <message>
        <source>Klingon digit</source>
        <translation>chiffre klingon</translation>
    </message>
    <message>
        <source>Narn digit</source>
        <translation>chiffre narn</translation>
    </message>
    <message>
        <source>Oxidilogi digit</source>
        <translation>chiffre oxidilogi</translation>
    </message>
    <message>
        <source>Pékrif digit</source>
        <translation>chiffre pékrif</translation>
    </message>
    <message>
        <source>Post code bars</source>
        <translation>barres du code postal</translation>
    </message>
    <message>
        <source>Quadnary digit</source>
        <translation>chiffre quadnary</translation>
    </message>
    <message>
        <source>SpaceKees digit</source>
        <translation>chiffre SpaceKees</translation>
    </message>
    <message>
        <source>Stargate digit</source>
        <translation>chiffre Stargate</translation>
    </message>
    <message>
        <source>Tenctonese digit</source>
        <translation>chiffre tenctonais</translation>
    </message>
    <message>
        <source>Zentlardy digit</source>
        <translation>chiffre zentradi</translation>
    </message>
    <message>
        <source>mark that %1 (%2s)</source>
        <translation>signe (%2) : %1</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>signe numérique</translation>
    </message>
    <message>
        <source>marks thousands</source>
        <translation>marque les milliers</translation>
    </message>
    <message>
        <source>marks a numeral</source>
        <translation>marque un nombre</translation>
    </message>
    <message>
        <source>joins a count to its multiple</source>
        <translation>joint un compte à son multiple</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marque</translation>
    </message>
    <message>
        <source>separates places</source>
        <translation>sépare les positions</translation>
    </message>
    <message>
        <source>begins and ends the number</source>
        <translation>commence et termine le nombre</translation>
    </message>
    <message>
        <source>begins the number</source>
        <translation>commence le nombre</translation>
    </message>
    <message>
        <source>ends the number</source>
        <translation>termine le nombre</translation>
    </message>
</context>
<context>
    <name>SignBySignView</name>
    <message>
        <source>%1 — Sign by Sign</source>
        <translation>%1 — Signe par signe</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Effacer le dernier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Show This Number</source>
        <translation>Afficher ce nombre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Copier comme image</translation>
    </message>
    <message>
        <source>Press the signs to compose a numeral</source>
        <translation>Appuyez sur les signes pour composer un nombre</translation>
    </message>
    <message>
        <source>Reads %1</source>
        <translation>Se lit %1</translation>
    </message>
    <message>
        <source>No numeral of this system</source>
        <translation>Aucun nombre de ce système</translation>
    </message>
    <message>
        <source>Composed numeral %1</source>
        <translation>Nombre composé %1</translation>
    </message>
</context>
<context>
    <name>SpinButtonAccessible</name>
    <message>
        <source>Step number</source>
        <translation>Faire défiler le nombre</translation>
    </message>
</context>
<context>
    <name>TextFonts</name>
    <message>
        <source>Font %1 could not be registered</source>
        <translation>La police %1 n&apos;a pas pu être enregistrée</translation>
    </message>
</context>
<context>
    <name>TextMain</name>
    <message>
        <source>no row with the caption %1</source>
        <translation>aucune ligne avec le libellé %1</translation>
    </message>
    <message>
        <source>Add how the signs build the number as a fourth column.</source>
        <translation>Ajouter en quatrième colonne comment les signes forment le nombre.</translation>
    </message>
    <message>
        <source>Print only the row with this caption.</source>
        <translation>N&apos;afficher que la ligne de ce libellé (libellé anglais).</translation>
    </message>
    <message>
        <source>CAPTION</source>
        <translation>LIBELLÉ</translation>
    </message>
    <message>
        <source>Print only the numbers the text stands for, number&lt;TAB&gt;caption, one a line,
the one the rows would show first; a text read several ways gives several.</source>
        <translation>N&apos;afficher que les nombres que le texte représente, number&lt;TAB&gt;caption, un par ligne,
celui que les rangées montreraient en premier ; un texte lu de plusieurs façons en donne plusieurs.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The number, read as the number field reads it (0 to 79999), or a numeral of a row.</source>
        <translation>Le nombre, lu comme le lit le champ du nombre (0 à 79999), ou une numération d&apos;une rangée.</translation>
    </message>
    <message>
        <source>Prints a number in the %1 numeral systems on Tallyra&apos;s five pages as text, one row
a line: caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind being unicode, partial or described.
The number may be written in any of these systems (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): with --parse, only what number it is.</source>
        <translation>Affiche un nombre dans les %1 systèmes de numération des cinq pages de Tallyra sous forme de texte,
une ligne par rangée : caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind valant unicode, partial ou described.
Le nombre peut être écrit dans n&apos;importe lequel de ces systèmes (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...) : avec --parse, seulement quel nombre c&apos;est.</translation>
    </message>
    <message>
        <source>Print the signs of the row with this caption, text&lt;TAB&gt;value, one a line
(a mark&apos;s role in place of a value), and no number.</source>
        <translation>Afficher les signes de la rangée de ce libellé, text&lt;TAB&gt;value, un par ligne
(le rôle d&apos;une marque à la place d&apos;une valeur), et aucun nombre.</translation>
    </message>
</context>
</TS>
