<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BottomBar</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>BreakdownView</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>The system has no form for this number</source>
        <translation>El sistema no puede escribir este número</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Number signs of other cultures: a whole number from 0 to 79999 written in %1 numeral systems on five pages.</source>
        <translation>Cifras de otras culturas: un número entero de 0 a 79999 escrito en %1 sistemas de numeración en cinco páginas.</translation>
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
        <translation>Numeración (%1): %2</translation>
    </message>
    <message>
        <source>; also %1: %2</source>
        <translation>; también %1: %2</translation>
    </message>
    <message>
        <source>, %1: %2</source>
        <translation>, %1: %2</translation>
    </message>
    <message>
        <source>%1 digits: %2</source>
        <translation>Cifras (%1): %2</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Greek acrophonic numerals: the signs are the first letters of the number words. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, each repeated, with five-signs for 5 and 50.</source>
        <translation>Numerales acrofónicos griegos: los signos son las iniciales de los nombres de los números. Ι 1, Δ 10, Η 100, Χ 1000, Μ 10000, cada uno repetido, con signos de cinco para 5 y 50.</translation>
    </message>
    <message>
        <source>Egyptian hieroglyphic numerals: a stroke for 1, a heel bone for 10, a coil of rope for 100, a lotus for 1000, a finger for 10000. Each sign is repeated as often as its digit says.</source>
        <translation>Numerales jeroglíficos egipcios: un trazo para 1, un hueso del talón para 10, una cuerda enrollada para 100, un loto para 1000, un dedo para 10000. Cada signo se repite tantas veces como dice su cifra.</translation>
    </message>
    <message>
        <source>Ethiopic numerals, used with Ge&apos;ez, Amharic and Tigrinya: signs for 1–9, 10–90, 100 and 10000. This row writes the thousands as tens of hundreds.</source>
        <translation>Numerales etíopes, usados con el ge&apos;ez, el amárico y el tigriña: signos para 1–9, 10–90, 100 y 10000. Esta fila escribe los millares como decenas de centenas.</translation>
    </message>
    <message>
        <source>Eastern Arabic digits, used in much of the Arab world. Base 10 with a zero; the number is written most significant digit first, left to right.</source>
        <translation>Cifras arábigas orientales, usadas en gran parte del mundo árabe. Base 10 con un cero; el número se escribe con la cifra de mayor valor primero, de izquierda a derecha.</translation>
    </message>
    <message>
        <source>Armenian letters used as numbers: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. This row leaves out the line that multiplies ten-thousands by 10000.</source>
        <translation>Letras armenias usadas como números: Ա–Թ 1–9, Ժ–Ղ 10–90, Ճ–Ջ 100–900, Ռ–Ք 1000–9000. Esta fila omite la raya que multiplica las decenas de millar por 10000.</translation>
    </message>
    <message>
        <source>Mesopotamian cuneiform numbers: an upright wedge for 1, a corner wedge for 10. Base 60, each place built from up to five tens and nine ones.</source>
        <translation>Números cuneiformes de Mesopotamia: una cuña vertical para 1, una cuña angular para 10. Base 60, cada posición formada por hasta cinco decenas y nueve unidades.</translation>
    </message>
    <message>
        <source>The acrophonic numerals of Athens: Ι Δ Η Χ Μ for 1 to 10000 and a pente sign that makes 5, 50, 500 and 5000. Additive, largest first.</source>
        <translation>Los numerales acrofónicos de Atenas: Ι Δ Η Χ Μ para 1 a 10000 y un signo pente que forma 5, 50, 500 y 5000. Aditivos, el mayor primero.</translation>
    </message>
    <message>
        <source>Digits of the Bengali–Assamese script (Bangladesh, West Bengal, Assam). Base 10, one digit per digit, like 0–9.</source>
        <translation>Cifras de la escritura bengalí-asamesa (Bangladés, Bengala Occidental, Assam). Base 10, una cifra por cada cifra, como 0–9.</translation>
    </message>
    <message>
        <source>Louis Braille&apos;s raised dots (1829). The digits 1–9 and 0 are the cells of the letters a–j. The row leaves out the number sign ⠼; the text puts it in front so that a reader reads digits.</source>
        <translation>Los puntos en relieve de Louis Braille (1829). Las cifras 1–9 y 0 son las celdas de las letras a–j. La fila omite el signo de número ⠼; el texto lo antepone para que un lector lea cifras.</translation>
    </message>
    <message>
        <source>The Persian form of the Eastern Arabic digits, used in Iran and Afghanistan; 4, 5 and 6 have their own shapes. Base 10, written left to right.</source>
        <translation>La forma persa de las cifras arábigas orientales, usada en Irán y Afganistán; 4, 5 y 6 tienen formas propias. Base 10, escritas de izquierda a derecha.</translation>
    </message>
    <message>
        <source>Counting on the fingers: one hand shows 1 to 5, six to nine need a second hand. One hand figure per decimal digit.</source>
        <translation>Contar con los dedos: una mano muestra de 1 a 5, de seis a nueve hace falta una segunda mano. Una figura de mano por cifra decimal.</translation>
    </message>
    <message>
        <source>Gothic letters used as numbers on the Greek model (4th century, Wulfila&apos;s Bible). The row&apos;s thousands are its own extension: 1000 looks like 1.</source>
        <translation>Letras góticas usadas como números según el modelo griego (siglo IV, Biblia de Wulfila). Los millares de la fila son una extensión propia: 1000 se parece a 1.</translation>
    </message>
    <message>
        <source>Hebrew letters used as numbers, still used for Jewish calendar dates: א–ט 1–9, י–צ 10–90, ק–ת 100–400; a geresh marks the thousands. Read right to left.</source>
        <translation>Letras hebreas usadas como números, aún empleadas en las fechas del calendario judío: א–ט 1–9, י–צ 10–90, ק–ת 100–400; un géresh marca los millares. Se lee de derecha a izquierda.</translation>
    </message>
    <message>
        <source>An additive tally between two delimiters, from the units upward, with signs for one and five units and tens and one sign for each higher power. Origin unknown.</source>
        <translation>Un recuento aditivo entre dos delimitadores, de las unidades hacia arriba, con signos para una y cinco unidades y decenas y un signo para cada potencia superior. Origen desconocido.</translation>
    </message>
    <message>
        <source>Devanagari digits, used with Hindi, Marathi, Nepali and Sanskrit. Base 10; like all Indian digits they go back to Brahmi.</source>
        <translation>Cifras devanagari, usadas con el hindi, el maratí, el nepalí y el sánscrito. Base 10; como todas las cifras indias, proceden del brahmi.</translation>
    </message>
    <message>
        <source>Greek alphabetic numerals: 24 letters and ϛ, ϙ, ϡ for 1–900. ͵ before a letter multiplies it by 1000; Μ stands for 10000.</source>
        <translation>Numerales alfabéticos griegos: 24 letras y ϛ, ϙ, ϡ para 1–900. ͵ delante de una letra la multiplica por 1000; Μ vale 10000.</translation>
    </message>
    <message>
        <source>Chinese numerals as used in Japanese: 一 to 九 and 十, 百, 千, 万. A digit before a power sign multiplies it; 1 is left out before a power.</source>
        <translation>Numerales chinos tal como se usan en japonés: 一 a 九 y 十, 百, 千, 万. Una cifra delante de un signo de potencia lo multiplica; el 1 se omite delante de una potencia.</translation>
    </message>
    <message>
        <source>Sino-Korean number words in Hangul: 일 to 구 and 십, 백, 천, 만, built like the Kanji numerals (천구백구십사 = 1994).</source>
        <translation>Números sinocoreanos en hangul: 일 a 구 y 십, 백, 천, 만, formados como los numerales kanji (천구백구십사 = 1994).</translation>
    </message>
    <message>
        <source>Manchu number words in the Manchu script (Qing dynasty, written vertically): emu minggan uyun tanggū uyunju duin = 1994.</source>
        <translation>Números manchúes en escritura manchú (dinastía Qing, escrita en vertical): emu minggan uyun tanggū uyunju duin = 1994.</translation>
    </message>
    <message>
        <source>Maya dot-and-bar numerals: a dot for 1, a bar for 5, a shell for 0. Places from the top down, counted as in the Long Count: 1, 20, 360, 7200.</source>
        <translation>Numerales mayas de puntos y barras: un punto para 1, una barra para 5, una concha para 0. Posiciones de arriba abajo, contadas como en la Cuenta Larga: 1, 20, 360, 7200.</translation>
    </message>
    <message>
        <source>Maya head-variant numerals: deity heads for 0–19 in carved inscriptions. The row counts in pure base 20 (1, 20, 400, 8000).</source>
        <translation>Numerales mayas de cabezas: cabezas de deidades para 0–19 en inscripciones talladas. La fila cuenta en base 20 pura (1, 20, 400, 8000).</translation>
    </message>
    <message>
        <source>International Morse code: each decimal digit is five dots and dashes (1 is ·−−−−, 0 is −−−−−).</source>
        <translation>Código Morse internacional: cada cifra decimal son cinco puntos y rayas (1 es ·−−−−, 0 es −−−−−).</translation>
    </message>
    <message>
        <source>N&apos;Ko digits (1949, Solomana Kanté, West Africa). Base 10, written right to left, so the units stand at the left.</source>
        <translation>Cifras n&apos;ko (1949, Solomana Kanté, África occidental). Base 10, escritas de derecha a izquierda, de modo que las unidades quedan a la izquierda.</translation>
    </message>
    <message>
        <source>Roman numerals I V X L C D M: additive with subtraction (IV = 4, XC = 90). From 5000 the row counts thousands with the mark &apos;M.</source>
        <translation>Numerales romanos I V X L C D M: aditivos con resta (IV = 4, XC = 90). Desde 5000 la fila cuenta los millares con la marca &apos;M.</translation>
    </message>
    <message>
        <source>Āryabhaṭa&apos;s letter numerals (499 CE): consonants count 1–25 and 30–100, the vowel i multiplies by 100, u by 10000. Lowest place first.</source>
        <translation>Los numerales de letras de Āryabhaṭa (499 d. C.): las consonantes cuentan 1–25 y 30–100, la vocal i multiplica por 100, u por 10000. La posición más baja primero.</translation>
    </message>
    <message>
        <source>Flag semaphore: two flags held at clock positions. After the numeral sign the letters A–I mean 1–9 and K means 0; one figure per digit.</source>
        <translation>Semáforo de banderas: dos banderas sostenidas en posiciones de reloj. Tras el signo numérico, las letras A–I significan 1–9 y K significa 0; una figura por cifra.</translation>
    </message>
    <message>
        <source>Tibetan digits, used in Tibet, Bhutan and among Tibetan communities. Base 10.</source>
        <translation>Cifras tibetanas, usadas en el Tíbet, en Bután y en las comunidades tibetanas. Base 10.</translation>
    </message>
    <message>
        <source>Old Hungarian (Székely) numbers, written right to left: signs for 1, 5, 10, 50, 100 and 1000. The count of thousands comes before the thousand sign.</source>
        <translation>Números del húngaro antiguo (székely), escritos de derecha a izquierda: signos para 1, 5, 10, 50, 100 y 1000. La cantidad de millares va delante del signo del millar.</translation>
    </message>
    <message>
        <source>One sign per decimal digit, marked on a staff. The shapes resemble the Cistercian monks&apos; numerals, but the system itself is not identified.</source>
        <translation>Un signo por cifra decimal, marcado sobre un asta. Las formas recuerdan los numerales de los monjes cistercienses, pero el sistema en sí no está identificado.</translation>
    </message>
    <message>
        <source>Probably the Ath script of the Seikai novels. Each decimal digit is replaced by a sign.</source>
        <translation>Probablemente la escritura ath de las novelas Seikai. Cada cifra decimal se sustituye por un signo.</translation>
    </message>
    <message>
        <source>Brahmi digits, from the script of Ashoka&apos;s inscriptions. These positional digits belong to later use; early Brahmi had separate signs for tens.</source>
        <translation>Cifras brahmi, de la escritura de las inscripciones de Ashoka. Estas cifras posicionales pertenecen a un uso posterior; el brahmi temprano tenía signos propios para las decenas.</translation>
    </message>
    <message>
        <source>The stick figures of the Sherlock Holmes story &quot;The Adventure of the Dancing Men&quot; (1903). The story has no digits: these figures are invented.</source>
        <translation>Las figuras de palotes del relato de Sherlock Holmes «La aventura de los hombres danzantes» (1903). El relato no tiene cifras: estas figuras son inventadas.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs, most significant first. Origin unknown.</source>
        <translation>Base 16 con signos de cifra inventados, la de mayor valor primero. Origen desconocido.</translation>
    </message>
    <message>
        <source>D&apos;ni numerals from the Myst games: base 25, each digit a box of strokes.</source>
        <translation>Numerales d&apos;ni de los juegos Myst: base 25, cada cifra una caja de trazos.</translation>
    </message>
    <message>
        <source>Binary: base 2 with the digits 0 and 1, drawn as short and long bars.</source>
        <translation>Binario: base 2 con las cifras 0 y 1, dibujadas como barras cortas y largas.</translation>
    </message>
    <message>
        <source>Base 16 with invented digit signs. Origin unknown.</source>
        <translation>Base 16 con signos de cifra inventados. Origen desconocido.</translation>
    </message>
    <message>
        <source>Digit signs in the style of the alien alphabets of Futurama; each decimal digit is replaced by an invented sign.</source>
        <translation>Signos de cifra al estilo de los alfabetos alienígenas de Futurama; cada cifra decimal se sustituye por un signo inventado.</translation>
    </message>
    <message>
        <source>Gorwelion, a constructed alphabet: the decimal digits between two frame signs.</source>
        <translation>Gorwelion, un alfabeto construido: las cifras decimales entre dos signos de marco.</translation>
    </message>
    <message>
        <source>Hieratic, the cursive script of ancient Egypt: one sign for each of 1–9, 10–90, 100–900 and 1000–9000, at most one sign per decimal place.</source>
        <translation>El hierático, la escritura cursiva del antiguo Egipto: un signo para cada uno de 1–9, 10–90, 100–900 y 1000–9000, como mucho un signo por posición decimal.</translation>
    </message>
    <message>
        <source>Digits of the Kannada script of Karnataka, India. Base 10.</source>
        <translation>Cifras de la escritura canaresa de Karnataka, India. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Kayah Li script of Myanmar and Thailand. Base 10.</source>
        <translation>Cifras de la escritura kayah li de Birmania y Tailandia. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Klingons of Star Trek, who count in base 10; the shapes are invented.</source>
        <translation>Signos de cifra para los klingon de Star Trek, que cuentan en base 10; las formas son inventadas.</translation>
    </message>
    <message>
        <source>Khmer digits of Cambodia. Base 10; a Khmer inscription of 683 CE has one of the oldest dated zeros.</source>
        <translation>Cifras jemeres de Camboya. Base 10; una inscripción jemer del año 683 d. C. tiene uno de los ceros fechados más antiguos.</translation>
    </message>
    <message>
        <source>Digits of the Lao script of Laos. Base 10.</source>
        <translation>Cifras de la escritura lao de Laos. Base 10.</translation>
    </message>
    <message>
        <source>Mongolian digits of the traditional vertical script. Base 10.</source>
        <translation>Cifras mongolas de la escritura vertical tradicional. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Narn of Babylon 5; invented, one per decimal digit.</source>
        <translation>Signos de cifra para los narn de Babylon 5; inventados, uno por cifra decimal.</translation>
    </message>
    <message>
        <source>Osmanya digits, created for Somali around 1920. Base 10.</source>
        <translation>Cifras osmanya, creadas para el somalí hacia 1920. Base 10.</translation>
    </message>
    <message>
        <source>A constructed script: signs for 0–5, and 6–9 as 1–4 followed by the sign for 5.</source>
        <translation>Una escritura construida: signos para 0–5, y 6–9 como 1–4 seguidos del signo de 5.</translation>
    </message>
    <message>
        <source>A constructed script counting in twelves: digits 0–11, the number in round brackets.</source>
        <translation>Una escritura construida que cuenta de doce en doce: cifras 0–11, el número entre paréntesis.</translation>
    </message>
    <message>
        <source>A postal bar code: five cells per digit, bar or gap; the US POSTNET patterns with tall and short bars swapped and the order reversed.</source>
        <translation>Un código de barras postal: cinco celdas por cifra, barra o hueco; los patrones del POSTNET estadounidense con las barras altas y cortas intercambiadas y el orden invertido.</translation>
    </message>
    <message>
        <source>Base 4 with the digits 0–3 drawn as invented signs. Origin unknown.</source>
        <translation>Base 4 con las cifras 0–3 dibujadas como signos inventados. Origen desconocido.</translation>
    </message>
    <message>
        <source>Invented signs, one per decimal digit. Origin unknown.</source>
        <translation>Signos inventados, uno por cifra decimal. Origen desconocido.</translation>
    </message>
    <message>
        <source>Signs in the style of the Stargate gate symbols; invented, one per decimal digit.</source>
        <translation>Signos al estilo de los símbolos de la puerta de Stargate; inventados, uno por cifra decimal.</translation>
    </message>
    <message>
        <source>Suzhou numerals, a Chinese merchants&apos; script from counting rods. The row writes them with power signs like Kanji; 百 stands in for the cursive hundred.</source>
        <translation>Numerales de Suzhou, una escritura de los comerciantes chinos surgida de las varillas de cálculo. La fila los escribe con signos de potencia como el kanji; 百 sustituye a la centena cursiva.</translation>
    </message>
    <message>
        <source>Tamil digits of Tamil Nadu and Sri Lanka. Base 10 with ௦ for zero.</source>
        <translation>Cifras tamiles de Tamil Nadu y Sri Lanka. Base 10 con ௦ para el cero.</translation>
    </message>
    <message>
        <source>Digit signs for the Newcomers of Alien Nation; invented, one per decimal digit.</source>
        <translation>Signos de cifra para los recién llegados de Alien Nation; inventados, uno por cifra decimal.</translation>
    </message>
    <message>
        <source>Thai digits, used beside 0–9 in Thailand. Base 10.</source>
        <translation>Cifras tailandesas, usadas junto a 0–9 en Tailandia. Base 10.</translation>
    </message>
    <message>
        <source>Digit signs for the Zentradi of Macross; invented, one per decimal digit.</source>
        <translation>Signos de cifra para los zentradi de Macross; inventados, uno por cifra decimal.</translation>
    </message>
    <message>
        <source>Adlam digits, from the alphabet the brothers Ibrahima and Abdoulaye Barry created for Fula in Guinea in 1989. Base 10, written right to left, so the units stand at the left.</source>
        <translation>Cifras adlam, del alfabeto que los hermanos Ibrahima y Abdoulaye Barry crearon para el fula en Guinea en 1989. Base 10, escritas de derecha a izquierda, de modo que las unidades quedan a la izquierda.</translation>
    </message>
    <message>
        <source>Balinese digits of Bali, Indonesia, found in palm-leaf manuscripts (lontar) and calendars. Base 10.</source>
        <translation>Cifras balinesas de Bali, Indonesia, presentes en los manuscritos en hojas de palma (lontar) y en los calendarios. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Chakma script, used in the Chittagong Hill Tracts of Bangladesh and in Mizoram and Tripura, India. Base 10.</source>
        <translation>Cifras de la escritura chakma, usada en las Chittagong Hill Tracts de Bangladés y en Mizoram y Tripura, India. Base 10.</translation>
    </message>
    <message>
        <source>Gujarati digits of the Indian state of Gujarat. They descend from the Nagari digits and are still printed beside 0–9. Base 10.</source>
        <translation>Cifras guyaratíes del estado indio de Guyarat. Descienden de las cifras nagari y aún se imprimen junto a 0–9. Base 10.</translation>
    </message>
    <message>
        <source>Gurmukhi digits, written with Punjabi in the script that took its standard form under the second Sikh Guru, Angad, in the 16th century. Base 10.</source>
        <translation>Cifras gurmují, escritas con el panyabí en la escritura que tomó su forma normalizada con el segundo gurú sij, Angad, en el siglo XVI. Base 10.</translation>
    </message>
    <message>
        <source>Javanese digits (aksara Jawa), still taught in schools in Central and East Java. Several look like letters, so running text sets a number off with marks. Base 10.</source>
        <translation>Cifras javanesas (aksara Jawa), aún enseñadas en las escuelas de Java Central y Oriental. Varias se parecen a letras, por lo que el texto corrido separa un número con marcas. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Lepcha (Róng) script of Sikkim and Darjeeling in the eastern Himalaya, a script thought to date from the 17th or 18th century. Base 10.</source>
        <translation>Cifras de la escritura lepcha (róng) de Sikkim y Darjeeling, en el Himalaya oriental, una escritura que dataría del siglo XVII o XVIII. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Limbu (Sirijanga) script of eastern Nepal, Sikkim and Darjeeling. Base 10.</source>
        <translation>Cifras de la escritura limbu (sirijanga) del este de Nepal, Sikkim y Darjeeling. Base 10.</translation>
    </message>
    <message>
        <source>Malayalam digits of Kerala. Base 10; the positional digits are modern, older texts wrote separate signs for 10, 100 and 1000.</source>
        <translation>Cifras malayalam de Kerala. Base 10; las cifras posicionales son modernas, los textos antiguos escribían signos propios para 10, 100 y 1000.</translation>
    </message>
    <message>
        <source>Digits of Meetei Mayek, the script of Manipuri, revived and officially adopted in Manipur in the late 20th century. Base 10.</source>
        <translation>Cifras del meetei mayek, la escritura del manipurí, recuperada y adoptada oficialmente en Manipur a finales del siglo XX. Base 10.</translation>
    </message>
    <message>
        <source>Burmese digits, in everyday use in Myanmar on prices, calendars, bank notes and number plates. Base 10.</source>
        <translation>Cifras birmanas, de uso diario en Myanmar en precios, calendarios, billetes y matrículas. Base 10.</translation>
    </message>
    <message>
        <source>Odia digits of the Indian state of Odisha; Unicode still names them Oriya. Base 10.</source>
        <translation>Cifras odia del estado indio de Odisha; Unicode aún las llama oriya. Base 10.</translation>
    </message>
    <message>
        <source>Digits of Ol Chiki, the script Raghunath Murmu created in 1925 for Santali in eastern India. Base 10.</source>
        <translation>Cifras del ol chiki, la escritura que Raghunath Murmu creó en 1925 para el santalí en el este de la India. Base 10.</translation>
    </message>
    <message>
        <source>Hanifi Rohingya digits, from the script Mohammad Hanif developed in the 1980s for Rohingya. The script runs right to left, but a number reads left to right, as Arabic digits do.</source>
        <translation>Cifras hanifi rohinyá, de la escritura que Mohammad Hanif desarrolló en los años ochenta para el rohinyá. La escritura va de derecha a izquierda, pero un número se lee de izquierda a derecha, como las cifras arábigas.</translation>
    </message>
    <message>
        <source>Sinhala Lith digits, the historical digits of Sinhala almanacs and horoscopes (lith: almanac); Sri Lanka writes 0–9 today. Base 10.</source>
        <translation>Cifras lith del cingalés, las cifras históricas de los almanaques y horóscopos cingaleses (lith: almanaque); Sri Lanka escribe hoy 0–9. Base 10.</translation>
    </message>
    <message>
        <source>Sundanese digits of West Java, Indonesia. In running text a number stands between two bar-like marks, which a number on its own does not need. Base 10.</source>
        <translation>Cifras sundanesas de Java Occidental, Indonesia. En el texto corrido un número va entre dos marcas en forma de barra, que un número aislado no necesita. Base 10.</translation>
    </message>
    <message>
        <source>The Hora digits of Tai Tham (Lanna), the script of Northern Thai, Tai Lü and Khün, kept for secular and astrological writing; religious texts use a second set. Base 10.</source>
        <translation>Las cifras hora del tai tham (lanna), la escritura del tailandés del norte, el tai lü y el khün, conservadas para textos seculares y astrológicos; los textos religiosos usan una segunda serie. Base 10.</translation>
    </message>
    <message>
        <source>Telugu digits of Andhra Pradesh and Telangana, South India, still seen in print and on traditional documents. Base 10.</source>
        <translation>Cifras telugu de Andhra Pradesh y Telangana, en el sur de la India, aún visibles en impresos y documentos tradicionales. Base 10.</translation>
    </message>
    <message>
        <source>Digits of the Vai syllabary of Liberia, which Momolu Duwalu Bukele created in the 1830s; the digits came later. Base 10.</source>
        <translation>Cifras del silabario vai de Liberia, que Momolu Duwalu Bukele creó en la década de 1830; las cifras llegaron más tarde. Base 10.</translation>
    </message>
    <message>
        <source>Numbers of Linear A and Linear B (Crete and Mycenaean Greece, about 1800–1200 BC), mostly counts of goods on clay tablets: strokes, bars, circles and rayed circles for 1 to 10000, repeated. Unicode has one sign for each digit of each place.</source>
        <translation>Números del lineal A y el lineal B (Creta y la Grecia micénica, hacia 1800–1200 a. C.), sobre todo recuentos de bienes en tablillas de arcilla: trazos, barras, círculos y círculos con rayos para 1 a 10000, repetidos. Unicode tiene un signo para cada cifra de cada posición.</translation>
    </message>
    <message>
        <source>Brahmi numerals of Indian inscriptions from the 3rd century BC: signs for 1–9 and 10–90 add up, and 100 and 1000 are joined to the sign that multiplies them. No zero, no place value; the later Indian digits grew out of the unit signs.</source>
        <translation>Numerales brahmi de las inscripciones indias desde el siglo III a. C.: los signos para 1–9 y 10–90 se suman, y 100 y 1000 se unen al signo que los multiplica. Sin cero ni valor posicional; las cifras indias posteriores surgieron de los signos de las unidades.</translation>
    </message>
    <message>
        <source>Chinese financial numerals (大写), required on cheques and receipts: characters that are hard to alter into another number. Built like the Kanji numerals, with 壹 before 拾 and 零 for empty places.</source>
        <translation>Numerales financieros chinos (大写), obligatorios en cheques y recibos: caracteres difíciles de alterar para convertirlos en otro número. Formados como los numerales kanji, con 壹 delante de 拾 y 零 para las posiciones vacías.</translation>
    </message>
    <message>
        <source>Coptic letters used as numbers on the Greek model, with sou for 6, fei for 90 and sampi for 900. A line over the letters marks a number; a double line, one of the old forms, marks thousands.</source>
        <translation>Letras coptas usadas como números según el modelo griego, con sou para 6, fei para 90 y sampi para 900. Una raya sobre las letras marca un número; una raya doble, una de las formas antiguas, marca los millares.</translation>
    </message>
    <message>
        <source>Church Slavonic letter numerals on the Greek model, used from the 10th century until Peter the Great and still in liturgical books. A titlo ҃ marks the number, ҂ a thousand.</source>
        <translation>Numerales de letras del eslavo eclesiástico según el modelo griego, usados desde el siglo X hasta Pedro el Grande y todavía en los libros litúrgicos. Un titlo ҃ marca el número, ҂ un millar.</translation>
    </message>
    <message>
        <source>Georgian letters as numbers, on the Greek model with letters of their own for the thousands; still seen in church books and chapter numbers. The last letter stands for 10000, so only 1–19999 can be written.</source>
        <translation>Letras georgianas como números, según el modelo griego con letras propias para los millares; aún se ven en libros eclesiásticos y números de capítulo. La última letra vale 10000, así que solo pueden escribirse 1–19999.</translation>
    </message>
    <message>
        <source>Kharoshthi numbers of ancient Gandhara (3rd century BC to 3rd century AD), written right to left: 1, 2, 3, 4, 10 and 20 add up, and a count before 100 or 1000 multiplies it. Thousands above the attested ones follow the pattern of the hundreds.</source>
        <translation>Números kharoshthi de la antigua Gandhara (siglo III a. C. a siglo III d. C.), escritos de derecha a izquierda: 1, 2, 3, 4, 10 y 20 se suman, y una cantidad delante de 100 o 1000 lo multiplica. Los millares por encima de los atestiguados siguen el patrón de las centenas.</translation>
    </message>
    <message>
        <source>Traditional Tamil numerals, in use until the 19th and 20th centuries: digits and the signs ௰ ௱ ௲ for 10, 100 and 1000; a digit before a sign multiplies it (௩௱ = 300).</source>
        <translation>Numerales tamiles tradicionales, en uso hasta los siglos XIX y XX: cifras y los signos ௰ ௱ ௲ para 10, 100 y 1000; una cifra delante de un signo lo multiplica (௩௱ = 300).</translation>
    </message>
    <message>
        <source>Chinese counting rods, the arithmetic of the counting board, as written from the Song dynasty on: lying rods for units, hundreds and ten-thousands, upright rods for tens and thousands, so that neighbouring places differ. The older Han board had it the other way round. An empty place is 〇, as written from the 13th century on.</source>
        <translation>Varillas de cálculo chinas, la aritmética del tablero de cálculo, tal como se escriben desde la dinastía Song: varillas tumbadas para unidades, centenas y decenas de millar, de pie para decenas y millares, para que las posiciones vecinas se distingan. El tablero más antiguo de los Han lo hacía al revés. Una posición vacía es 〇, como se escribe desde el siglo XIII.</translation>
    </message>
    <message>
        <source>Digits of the Ahom script of the Tai Ahom kingdom in the Brahmaputra valley of Assam (13th–19th century), whose chronicles (buranji) are read again today. Base 10.</source>
        <translation>Dígitos de la escritura ahom del reino tai ahom en el valle del Brahmaputra, en Assam (siglos XIII–XIX), cuyas crónicas (buranji) vuelven a leerse hoy. Base 10.</translation>
    </message>
    <message>
        <source>Bhaiksuki digits, from a script of Buddhist manuscripts and inscriptions of eastern India in the 11th and 12th centuries, known from only a few documents; its name refers to monks (bhikṣu). Base 10.</source>
        <translation>Dígitos bhaiksuki, de una escritura de manuscritos e inscripciones budistas del este de la India en los siglos XI y XII, conocida solo por unos pocos documentos; su nombre alude a los monjes (bhikṣu). Base 10.</translation>
    </message>
    <message>
        <source>Cham digits, from the script of the Cham people of Vietnam and Cambodia, which descends from the Indian-derived scripts of ancient Champa. Base 10.</source>
        <translation>Dígitos cham, de la escritura del pueblo cham de Vietnam y Camboya, que desciende de las escrituras de origen indio del antiguo Champa. Base 10.</translation>
    </message>
    <message>
        <source>Chinese digits written place by place, 〇 for zero and no 十 百 千 (2026 = 二〇二六), as in China and Japan for years, addresses and telephone numbers, and in vertical text.</source>
        <translation>Dígitos chinos escritos posición por posición, 〇 para el cero y sin 十 百 千 (2026 = 二〇二六), como en China y Japón para años, direcciones y números de teléfono, y en el texto vertical.</translation>
    </message>
    <message>
        <source>Gunjala Gondi digits, from a script for the Gondi language known from manuscripts of Gunjala village in Telangana, India, studied again since the 2000s. Base 10.</source>
        <translation>Dígitos gunjala gondi, de una escritura de la lengua gondi conocida por manuscritos de la aldea de Gunjala, en Telangana (India), estudiada de nuevo desde la década de 2000. Base 10.</translation>
    </message>
    <message>
        <source>Khudawadi digits, from a merchant script of the Landa family used for Sindhi, especially by Hindu Sindhi traders. Base 10.</source>
        <translation>Dígitos khudawadi, de una escritura mercantil de la familia landa usada para el sindhi, sobre todo por comerciantes sindhis hindúes. Base 10.</translation>
    </message>
    <message>
        <source>Masaram Gondi digits, from the script Munshi Mangal Singh Masaram devised in 1918 for the Gondi language of central India. Base 10.</source>
        <translation>Dígitos masaram gondi, de la escritura que Munshi Mangal Singh Masaram ideó en 1918 para la lengua gondi de la India central. Base 10.</translation>
    </message>
    <message>
        <source>Modi digits, from the cursive script of Marathi in administration and trade from the 17th century until Devanagari replaced it in the mid-20th century. Base 10.</source>
        <translation>Dígitos modi, de la escritura cursiva del maratí en la administración y el comercio desde el siglo XVII hasta que la devanagari la sustituyó a mediados del siglo XX. Base 10.</translation>
    </message>
    <message>
        <source>Mro digits, from the script Manlay created in the 1980s for the Mro language of Bangladesh&apos;s Chittagong Hill Tracts and western Myanmar. Base 10.</source>
        <translation>Dígitos mro, de la escritura que Manlay creó en la década de 1980 para la lengua mro de las Chittagong Hill Tracts de Bangladés y del oeste de Birmania. Base 10.</translation>
    </message>
    <message>
        <source>New Tai Lue digits, from the simplified Tai Tham script introduced in the 1950s in Xishuangbanna, Yunnan, China, for the Tai Lü language. Base 10.</source>
        <translation>Dígitos nuevo tai lue, de la escritura tai tham simplificada que se introdujo en la década de 1950 en Xishuangbanna, Yunnan (China), para la lengua tai lü. Base 10.</translation>
    </message>
    <message>
        <source>Newa digits, from the script of Nepal Bhasa, the language of the Newars of the Kathmandu valley, with a long manuscript tradition now being revived. Base 10.</source>
        <translation>Dígitos newa, de la escritura del nepal bhasa, la lengua de los newar del valle de Katmandú, con una larga tradición manuscrita que hoy se recupera. Base 10.</translation>
    </message>
    <message>
        <source>Nyiakeng Puachue Hmong digits, from the alphabet the Reverend Chervang Kong Vang created in the 1980s for Hmong, used mainly by a church community in the United States. Base 10.</source>
        <translation>Dígitos nyiakeng puachue hmong, del alfabeto que el reverendo Chervang Kong Vang creó en la década de 1980 para el hmong, usado sobre todo por una comunidad religiosa de los Estados Unidos. Base 10.</translation>
    </message>
    <message>
        <source>Pahawh Hmong digits, from the semi-syllabary Shong Lue Yang created in Laos in 1959 for Hmong. Base 10; the script also has signs for tens and hundreds, not used here.</source>
        <translation>Dígitos pahawh hmong, del semisilabario que Shong Lue Yang creó en Laos en 1959 para el hmong. Base 10; la escritura también tiene signos para decenas y centenas, no usados aquí.</translation>
    </message>
    <message>
        <source>Saurashtra digits, from the script of the Saurashtra language spoken around Madurai in Tamil Nadu by a community whose ancestors came from Gujarat. Base 10.</source>
        <translation>Dígitos saurashtra, de la escritura de la lengua saurashtra, hablada en torno a Madurai, en Tamil Nadu, por una comunidad cuyos antepasados vinieron de Guyarat. Base 10.</translation>
    </message>
    <message>
        <source>The digits of seven-segment displays in clocks, meters and calculators: each digit lights some of seven bars. Not a numeral system but a display code for 0–9, as Braille and Morse code are.</source>
        <translation>Los dígitos de los visores de siete segmentos de relojes, contadores y calculadoras: cada dígito enciende algunos de los siete segmentos. No es un sistema de numeración sino un código de visualización para 0–9, como el braille y el código Morse.</translation>
    </message>
    <message>
        <source>Shan digits, written by the Shan of Shan State, Myanmar, with their form of the Myanmar script; they differ from the Burmese digits of the third page. Base 10.</source>
        <translation>Dígitos shan, escritos por los shan del estado Shan, en Birmania, con su forma de la escritura birmana; difieren de los dígitos birmanos de la tercera página. Base 10.</translation>
    </message>
    <message>
        <source>Sharada digits, from the script of Kashmir from about the 8th century, used for Sanskrit and Kashmiri and kept today mainly in ritual use. Base 10.</source>
        <translation>Dígitos sharada, de la escritura de Cachemira desde el siglo VIII aproximadamente, usada para el sánscrito y el cachemir y conservada hoy sobre todo en el uso ritual. Base 10.</translation>
    </message>
    <message>
        <source>Sora Sompeng digits, from the script Mangei Gomango created in 1936 for the Sora language of Odisha and Andhra Pradesh, India. Base 10.</source>
        <translation>Dígitos sora sompeng, de la escritura que Mangei Gomango creó en 1936 para la lengua sora de Odisha y Andhra Pradesh (India). Base 10.</translation>
    </message>
    <message>
        <source>Suzhou numerals, the commercial digits of Chinese markets and account books, written place by place: 〡 〢 〣 after an upright 〡 〢 〣 lie as 一 二 三 (21 = 〢一), so that 〢〡 is not read as 〣. Real use adds a line for the unit, left out here.</source>
        <translation>Cifras de Suzhou, los dígitos comerciales de los mercados y libros de cuentas chinos, escritos posición por posición: 〡 〢 〣 tras un 〡 〢 〣 de pie se tumban como 一 二 三 (21 = 〢一), para que 〢〡 no se lea como 〣. El uso real añade una línea para la unidad, omitida aquí.</translation>
    </message>
    <message>
        <source>Tai Laing digits, from the Myanmar script as extended for Tai Laing, a Tai language of Kachin and Sagaing in Myanmar. Base 10.</source>
        <translation>Dígitos tai laing, de la escritura birmana ampliada para el tai laing, una lengua tai de Kachin y Sagaing, en Birmania. Base 10.</translation>
    </message>
    <message>
        <source>Takri digits, from a family of scripts of the western Himalaya used for Dogri, Chambeali and other languages from the 16th to the early 20th century. Base 10.</source>
        <translation>Dígitos takri, de una familia de escrituras del Himalaya occidental usadas para el dogri, el chambeali y otras lenguas desde el siglo XVI hasta comienzos del XX. Base 10.</translation>
    </message>
    <message>
        <source>The Tham digits of Tai Tham (Lanna), used in Buddhist religious texts of northern Thailand and its neighbours; secular writing uses the Hora digits of the third page. Base 10.</source>
        <translation>Los dígitos tham del tai tham (lanna), usados en los textos religiosos budistas del norte de Tailandia y sus vecinos; la escritura profana usa los dígitos hora de la tercera página. Base 10.</translation>
    </message>
    <message>
        <source>Tirhuta (Mithilakshar) digits, from the traditional script of Maithili in Bihar, India, and south-eastern Nepal, now being revived. Base 10.</source>
        <translation>Dígitos tirhuta (mithilakshar), de la escritura tradicional del maithili en Bihar (India) y el sureste de Nepal, que hoy se recupera. Base 10.</translation>
    </message>
    <message>
        <source>Wancho digits, from the alphabet the teacher Banwang Losu created between 2001 and 2012 for the Wancho language of Arunachal Pradesh, India. Base 10.</source>
        <translation>Dígitos wancho, del alfabeto que el maestro Banwang Losu creó entre 2001 y 2012 para la lengua wancho de Arunachal Pradesh (India). Base 10.</translation>
    </message>
    <message>
        <source>Warang Citi digits, from the script Lako Bodra created in the mid-20th century for the Ho language of Jharkhand and Odisha, India. Base 10.</source>
        <translation>Dígitos warang citi, de la escritura que Lako Bodra creó a mediados del siglo XX para la lengua ho de Jharkhand y Odisha (India). Base 10.</translation>
    </message>
    <message>
        <source>Abjad numerals: the Arabic letters with the values of the old Semitic alphabet order (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 and ghayn for 1000, added up. Used before the Indian digits spread and still for numbering and in chronograms, where a verse adds up to a year. Written right to left; shown for 1–1999.</source>
        <translation>Numerales abjad: las letras árabes con los valores del antiguo orden alfabético semítico (alif, bā&apos;, jīm, dāl), 1–9, 10–90, 100–900 y ghayn para 1000, sumadas. Se usaban antes de que se difundieran los dígitos indios y aún para numerar y en cronogramas, donde un verso suma un año. Se escriben de derecha a izquierda; se muestran para 1–1999.</translation>
    </message>
    <message>
        <source>Imperial Aramaic numbers of the Persian Empire&apos;s papyri (6th–4th century BC), written right to left: strokes in threes for units, a sign for 10 and one for 20, and a count of strokes before the signs for 100, 1000 and 10000.</source>
        <translation>Números del arameo imperial de los papiros del Imperio persa (siglos VI–IV a. C.), escritos de derecha a izquierda: trazos de tres en tres para las unidades, un signo para 10 y otro para 20, y una cuenta de trazos delante de los signos de 100, 1000 y 10000.</translation>
    </message>
    <message>
        <source>Everyday Chinese numerals, written as the numbers are spoken: a digit multiplies the sign of its power (千 百 十, 万 for ten thousand) and the products add up; 零 marks skipped places, and 十 stands alone at the start of 10–19.</source>
        <translation>Numerales chinos cotidianos, escritos como se dicen los números: un dígito multiplica el signo de su potencia (千 百 十, 万 para diez mil) y los productos se suman; 零 marca las posiciones omitidas, y 十 va solo al principio de 10–19.</translation>
    </message>
    <message>
        <source>Coptic epact numbers, cursive figures from Egyptian accounts and the Easter tables (epacts), descended from Greek letter numerals written fast. One sign for each multiple of 1, 10 and 100; a mark below a sign multiplies it by a thousand.</source>
        <translation>Números epactos coptos, figuras cursivas de las cuentas egipcias y las tablas de Pascua (epactas), descendientes de los numerales griegos de letras escritos con rapidez. Un signo para cada múltiplo de 1, 10 y 100; una marca bajo un signo lo multiplica por mil.</translation>
    </message>
    <message>
        <source>Japanese financial numerals (大字), written on documents where a number must not be altered: 壱 弐 参 拾 cannot be turned into another number with a stroke. 壱 stands before every power, 拾 included; nothing marks an empty place.</source>
        <translation>Numerales financieros japoneses (大字), escritos en documentos donde un número no debe alterarse: 壱 弐 参 拾 no pueden convertirse en otro número con un trazo. 壱 va delante de cada potencia, 拾 incluida; nada marca una posición vacía.</translation>
    </message>
    <message>
        <source>Glagolitic letters as numbers, in the order of the oldest Slavic alphabet (9th century), used in Croatian church books for centuries. 11–19 put the units first, as the Slavic words do; Ⱍ is 1000, so 1–1999 are shown.</source>
        <translation>Letras glagolíticas como números, en el orden del alfabeto eslavo más antiguo (siglo IX), usadas durante siglos en los libros eclesiásticos croatas. 11–19 ponen primero las unidades, como las palabras eslavas; Ⱍ es 1000, así que se muestran 1–1999.</translation>
    </message>
    <message>
        <source>Kaktovik numerals, invented in 1994 by Iñupiaq pupils in Kaktovik, Alaska, for their language&apos;s counting in twenties. Base 20; in each digit the strokes across count fives and the strokes hanging below count ones.</source>
        <translation>Numerales kaktovik, inventados en 1994 por alumnos iñupiaq de Kaktovik (Alaska) para el conteo por veintenas de su lengua. Base 20; en cada dígito los trazos transversales cuentan cincos y los trazos que cuelgan debajo cuentan unidades.</translation>
    </message>
    <message>
        <source>Traditional Malayalam numerals of Kerala, written as they are spoken before positional digits took over in the 19th century: digits and signs for 10, 100 and 1000 (൰ ൱ ൲), a digit before a sign multiplies it. No zero.</source>
        <translation>Numerales malayalam tradicionales de Kerala, escritos como se dicen, antes de que los dígitos posicionales se impusieran en el siglo XIX: dígitos y signos para 10, 100 y 1000 (൰ ൱ ൲); un dígito delante de un signo lo multiplica. Sin cero.</translation>
    </message>
    <message>
        <source>Medefaidrin numerals of the Oberi Okaime church in south-eastern Nigeria (1930s). Base 20 with a zero, like the Ibibio counting in twenties, with twenty digit signs.</source>
        <translation>Numerales medefaidrin de la iglesia Oberi Okaime del sureste de Nigeria (década de 1930). Base 20 con cero, como el conteo por veintenas del ibibio, con veinte signos de dígito.</translation>
    </message>
    <message>
        <source>Mende Kikakui numerals of Sierra Leone (about 1917), written right to left: each digit carries a small mark for its power, tens, hundreds, thousands or ten-thousands, and one for 11–19.</source>
        <translation>Numerales mende kikakui de Sierra Leona (hacia 1917), escritos de derecha a izquierda: cada dígito lleva una pequeña marca de su potencia, decenas, centenas, millares o decenas de millar, y otra para 11–19.</translation>
    </message>
    <message>
        <source>Meroitic cursive numbers of the kingdom of Kush on the Nile (3rd century BC – 4th century AD), right to left: one sign for each multiple of each power of ten, as in Egyptian Demotic. Unicode has no signs for 80 and 90, so numbers with those tens have no form.</source>
        <translation>Números meroíticos cursivos del reino de Kush en el Nilo (siglo III a. C. – siglo IV d. C.), de derecha a izquierda: un signo para cada múltiplo de cada potencia de diez, como en el demótico egipcio. Unicode no tiene signos para 80 y 90, así que los números con esas decenas no tienen forma.</translation>
    </message>
    <message>
        <source>Inscriptional Parthian numbers of the Arsacid empire (3rd century BC – 3rd century AD), right to left: strokes in fours, signs for 10 and 20, and a count before 100 and 1000. Shown for 1–9999.</source>
        <translation>Números del parto de las inscripciones del Imperio arsácida (siglo III a. C. – siglo III d. C.), de derecha a izquierda: trazos de cuatro en cuatro, signos para 10 y 20, y una cuenta delante de 100 y 1000. Se muestran para 1–9999.</translation>
    </message>
    <message>
        <source>Phoenician numbers of Tyre, Sidon and Carthage, right to left: strokes in threes, a stroke for 10, a sign for 20, and a count of strokes before the sign for 100. No sign for a thousand, so 1–999.</source>
        <translation>Números fenicios de Tiro, Sidón y Cartago, de derecha a izquierda: trazos de tres en tres, un trazo para 10, un signo para 20 y una cuenta de trazos delante del signo de 100. Sin signo para mil, así que 1–999.</translation>
    </message>
    <message>
        <source>Roman numerals with the old signs for the thousands: ↀ (CIↃ) for 1000, ↁ for 5000, ↂ for 10000 and ↇ for 50000, the forms the Romans and early printers used before M.</source>
        <translation>Números romanos con los antiguos signos de los millares: ↀ (CIↃ) para 1000, ↁ para 5000, ↂ para 10000 y ↇ para 50000, las formas que usaban los romanos y los primeros impresores antes de M.</translation>
    </message>
    <message>
        <source>Rumi (Fez) numerals of North Africa and al-Andalus (10th–17th century): one sign for each multiple of 1, 10 and 100, not positional. Historically the units stood at the left; Unicode lays them out with the hundreds at the left. 1–999.</source>
        <translation>Numerales rumi (de Fez) del norte de África y al-Ándalus (siglos X–XVII): un signo para cada múltiplo de 1, 10 y 100, no posicional. Históricamente las unidades iban a la izquierda; Unicode los dispone con las centenas a la izquierda. 1–999.</translation>
    </message>
    <message>
        <source>Sinhala archaic numerals (illakkam), the numerals of Sri Lanka until the early 19th century: signs of their own for 1–9 and 10–90, and a digit before the signs for 100 and 1000. No zero.</source>
        <translation>Numerales cingaleses arcaicos (illakkam), los numerales de Sri Lanka hasta comienzos del siglo XIX: signos propios para 1–9 y 10–90, y un dígito delante de los signos de 100 y 1000. Sin cero.</translation>
    </message>
    <message>
        <source>Sumerian counting signs (3rd millennium BC): units of 1, 10, 60, 600, 3600 and 36000, bases 10 and 6 in turn, one grouped sign for each count of a unit. The later Babylonian place value grew out of them.</source>
        <translation>Signos de cuenta sumerios (III milenio a. C.): unidades de 1, 10, 60, 600, 3600 y 36000, bases 10 y 6 alternadas, un signo agrupado para cada cuenta de una unidad. El valor posicional babilonio posterior surgió de ellos.</translation>
    </message>
    <message>
        <source>Syriac letters as numbers, on the Greek and Hebrew model: the 22 letters count to 400, higher hundreds add letters (900 = ܬܬܩ), and a stroke below a letter makes it thousands. Right to left; 1–9999.</source>
        <translation>Letras siríacas como números, según el modelo griego y hebreo: las 22 letras cuentan hasta 400, las centenas mayores añaden letras (900 = ܬܬܩ) y un trazo bajo una letra la convierte en millares. De derecha a izquierda; 1–9999.</translation>
    </message>
    <message>
        <source>Tally marks, strokes bundled in fives, four crossed by the fifth: the five-bar gate of scores and votes. Shown up to 50.</source>
        <translation>Palotes, trazos agrupados de cinco en cinco, cuatro tachados por el quinto: el recuento de tanteos y votos. Se muestran hasta 50.</translation>
    </message>
    <message>
        <source>Chinese tally marks: votes and scores are counted by writing the five strokes of 正 one at a time, so each finished character is five. Shown up to 50.</source>
        <translation>Palotes chinos: los votos y tanteos se cuentan escribiendo uno a uno los cinco trazos de 正, de modo que cada carácter terminado vale cinco. Se muestran hasta 50.</translation>
    </message>
    <message>
        <source>Tangut numerals of the Western Xia state in north-western China (1038–1227), built like Chinese numbers with Tangut characters: a digit before the signs for 10, 100, 1000 and 10000, with no digit before a ten. No zero.</source>
        <translation>Numerales tangut del estado de Xia Occidental, en el noroeste de China (1038–1227), construidos como los números chinos con caracteres tangut: un dígito delante de los signos de 10, 100, 1000 y 10000, sin dígito delante de una decena. Sin cero.</translation>
    </message>
    <message>
        <source>Traditional Chinese financial numerals (大寫) of cheques and receipts in Taiwan and Hong Kong, hard to alter into another number; 壹 stands before 拾 too, as banks require, and 零 marks empty places.</source>
        <translation>Numerales financieros chinos tradicionales (大寫) de cheques y recibos de Taiwán y Hong Kong, difíciles de alterar en otro número; 壹 va también delante de 拾, como exigen los bancos, y 零 marca las posiciones vacías.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Find a system</source>
        <translation>Buscar un sistema</translation>
    </message>
    <message>
        <source>script, language, place</source>
        <translation>escritura, lengua, lugar</translation>
    </message>
    <message>
        <source>Systems found</source>
        <translation>Sistemas encontrados</translation>
    </message>
    <message>
        <source>No system found</source>
        <translation>Ningún sistema encontrado</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Number signs of other cultures</source>
        <translation>Cifras de otras culturas</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>NumberParser</name>
    <message>
        <source>Number must be greater than 0 and less than %1</source>
        <translation>El número debe ser mayor que 0 y menor que %1</translation>
    </message>
    <message>
        <source>Number must be greater than 0 und less than %1</source>
        <translation>El número debe ser mayor que 0 y menor que %1</translation>
    </message>
</context>
<context>
    <name>NumeralPages</name>
    <message>
        <source>Number signs 1</source>
        <translation>Cifras 1</translation>
    </message>
    <message>
        <source>Number signs 2</source>
        <translation>Cifras 2</translation>
    </message>
    <message>
        <source>Number signs 3</source>
        <translation>Cifras 3</translation>
    </message>
    <message>
        <source>Number signs 4</source>
        <translation>Cifras 4</translation>
    </message>
    <message>
        <source>Number signs 5</source>
        <translation>Cifras 5</translation>
    </message>
</context>
<context>
    <name>ProgramResources</name>
    <message>
        <source>Resource %1 not found</source>
        <translation>No se encontró el recurso %1</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>RecognisedNumbers</name>
    <message>
        <source>No number this program can read</source>
        <translation>Ningún número que este programa sepa leer</translation>
    </message>
</context>
<context>
    <name>RowCaption</name>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Decimal digits</source>
        <translation>Cifras decimales</translation>
    </message>
    <message>
        <source>Ancient Greek</source>
        <translation>Griego antiguo</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>Egipcio</translation>
    </message>
    <message>
        <source>Amharic</source>
        <translation>Amárico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenio</translation>
    </message>
    <message>
        <source>Assyrian</source>
        <translation>Asirio</translation>
    </message>
    <message>
        <source>Attic</source>
        <translation>Ático</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalí</translation>
    </message>
    <message>
        <source>Braille</source>
        <translation>Braille</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>Fingernumbers</source>
        <translation>Dedos</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>Gótico</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
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
        <translation>Jónico</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Manchu</source>
        <translation>Manchú</translation>
    </message>
    <message>
        <source>Maya</source>
        <translation>Maya</translation>
    </message>
    <message>
        <source>Maya-Hierogl.</source>
        <translation>Maya-jerogl.</translation>
    </message>
    <message>
        <source>Morse code</source>
        <translation>Código Morse</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Romano</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sánscrito</translation>
    </message>
    <message>
        <source>Semaphore</source>
        <translation>Semáforo</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetano</translation>
    </message>
    <message>
        <source>Hungar.Runes</source>
        <translation>Runas húng.</translation>
    </message>
    <message>
        <source>Staff numbers</source>
        <translation>Cifras de asta</translation>
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
        <translation>Código binario</translation>
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
        <translation>Hierático</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Canarés</translation>
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
        <translation>Jemer</translation>
    </message>
    <message>
        <source>Laotian</source>
        <translation>Laosiano</translation>
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
        <translation>Código postal</translation>
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
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Tenctonese</source>
        <translation>Tenctonese</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
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
        <translation>Balinés</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>Chakma</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Guyaratí</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmují</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>Javanés</translation>
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
        <translation>Birmano</translation>
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
        <translation>Rohinyá</translation>
    </message>
    <message>
        <source>Sinhala Lith</source>
        <translation>Cingalés Lith</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>Sundanés</translation>
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
        <translation>Egeo</translation>
    </message>
    <message>
        <source>Brahmi old</source>
        <translation>Brahmi antiguo</translation>
    </message>
    <message>
        <source>Chinese fin.</source>
        <translation>Chino fin.</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>Copto</translation>
    </message>
    <message>
        <source>Counting rods</source>
        <translation>Varillas</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiano</translation>
    </message>
    <message>
        <source>Kharoshthi</source>
        <translation>Kharoshthi</translation>
    </message>
    <message>
        <source>Tamil old</source>
        <translation>Tamil antiguo</translation>
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
        <translation>Chino dec.</translation>
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
        <translation>Nuevo tai lue</translation>
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
        <translation>7 segmentos</translation>
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
        <translation>Cifras suzhou</translation>
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
        <translation>Cifras tham</translation>
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
        <translation>Arameo</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Coptic epact</source>
        <translation>Epactas coptas</translation>
    </message>
    <message>
        <source>Daiji</source>
        <translation>Daiji</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>Glagolítico</translation>
    </message>
    <message>
        <source>Kaktovik</source>
        <translation>Kaktovik</translation>
    </message>
    <message>
        <source>Malayalam old</source>
        <translation>Malayalam ant.</translation>
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
        <translation>Meroítico</translation>
    </message>
    <message>
        <source>Parthian</source>
        <translation>Parto</translation>
    </message>
    <message>
        <source>Phoenician</source>
        <translation>Fenicio</translation>
    </message>
    <message>
        <source>Roman ↀↁↂ</source>
        <translation>Romano ↀↁↂ</translation>
    </message>
    <message>
        <source>Rumi</source>
        <translation>Rumi</translation>
    </message>
    <message>
        <source>Sinhala old</source>
        <translation>Cingalés ant.</translation>
    </message>
    <message>
        <source>Sumerian</source>
        <translation>Sumerio</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Siríaco</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Palotes</translation>
    </message>
    <message>
        <source>Tally 正</source>
        <translation>Palotes 正</translation>
    </message>
    <message>
        <source>Tangut</source>
        <translation>Tangut</translation>
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
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Copiar como imagen</translation>
    </message>
    <message>
        <source>Copy All Rows</source>
        <translation>Copiar todas las filas</translation>
    </message>
    <message>
        <source>Sign by Sign</source>
        <translation>Signo a signo</translation>
    </message>
</context>
<context>
    <name>RowText</name>
    <message>
        <source>decimal</source>
        <translation>decimal</translation>
    </message>
    <message>
        <source>hieratic signs %1</source>
        <translation>signos hieráticos %1</translation>
    </message>
    <message>
        <source>staff numerals</source>
        <translation>cifras de asta</translation>
    </message>
    <message>
        <source>Ath digits</source>
        <translation>dígitos ath</translation>
    </message>
    <message>
        <source>dancing-men figures</source>
        <translation>figuras de los hombres danzantes</translation>
    </message>
    <message>
        <source>Futurama digits</source>
        <translation>dígitos de Futurama</translation>
    </message>
    <message>
        <source>Klingon digits</source>
        <translation>dígitos klingon</translation>
    </message>
    <message>
        <source>Narn digits</source>
        <translation>dígitos narn</translation>
    </message>
    <message>
        <source>SpaceKees digits</source>
        <translation>dígitos SpaceKees</translation>
    </message>
    <message>
        <source>Stargate digits</source>
        <translation>dígitos Stargate</translation>
    </message>
    <message>
        <source>Tenctonese digits</source>
        <translation>dígitos tenctoneses</translation>
    </message>
    <message>
        <source>Zentlardy digits</source>
        <translation>dígitos zentradi</translation>
    </message>
    <message>
        <source>no sign for zero</source>
        <translation>ningún signo para el cero</translation>
    </message>
    <message>
        <source>the system has no form for this number</source>
        <translation>el sistema no puede escribir este número</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unidades</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>decena</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>decenas</translation>
    </message>
    <message>
        <source>hundred</source>
        <translation>centena</translation>
    </message>
    <message>
        <source>hundreds</source>
        <translation>centenas</translation>
    </message>
    <message>
        <source>thousand</source>
        <translation>millar</translation>
    </message>
    <message>
        <source>thousands</source>
        <translation>millares</translation>
    </message>
    <message>
        <source>ten thousand</source>
        <translation>decena de millar</translation>
    </message>
    <message>
        <source>ten thousands</source>
        <translation>decenas de millar</translation>
    </message>
    <message>
        <source>%1 (base %2)</source>
        <translation>%1 (base %2)</translation>
    </message>
    <message>
        <source>%1 as counting hands: %2 fingers</source>
        <translation>%1 en manos que cuentan: %2 dedos</translation>
    </message>
    <message>
        <source>tally marks are shown up to 50</source>
        <translation>los palotes se muestran hasta 50</translation>
    </message>
    <message>
        <source>counting hand</source>
        <translation>mano que cuenta</translation>
    </message>
    <message>
        <source>Heyarian tally mark</source>
        <translation>palote heyarian</translation>
    </message>
    <message>
        <source>Maya head glyph</source>
        <translation>glifo de cabeza maya</translation>
    </message>
    <message>
        <source>Semaphore flag</source>
        <translation>bandera de semáforo</translation>
    </message>
    <message>
        <source>staff numeral</source>
        <translation>cifra de asta</translation>
    </message>
    <message>
        <source>Ath digit</source>
        <translation>dígito ath</translation>
    </message>
    <message>
        <source>dancing-men figure</source>
        <translation>figura de los hombres danzantes</translation>
    </message>
    <message>
        <source>Diamond digit</source>
        <translation>dígito Diamond</translation>
    </message>
    <message>
        <source>D&apos;Ni digit</source>
        <translation>dígito D&apos;Ni</translation>
    </message>
    <message>
        <source>Dual code digit</source>
        <translation>dígito del código binario</translation>
    </message>
    <message>
        <source>Ecclemony digit</source>
        <translation>dígito Ecclemony</translation>
    </message>
    <message>
        <source>Four Line digit</source>
        <translation>dígito Four Line</translation>
    </message>
    <message>
        <source>Futurama digit</source>
        <translation>dígito de Futurama</translation>
    </message>
    <message>
        <source>Gorwelion digit</source>
        <translation>dígito Gorwelion</translation>
    </message>
    <message>
        <source>hieratic sign</source>
        <translation>signo hierático</translation>
    </message>
    <message>
        <source>Klingon digit</source>
        <translation>dígito klingon</translation>
    </message>
    <message>
        <source>Narn digit</source>
        <translation>dígito narn</translation>
    </message>
    <message>
        <source>Oxidilogi digit</source>
        <translation>dígito oxidilogi</translation>
    </message>
    <message>
        <source>Pékrif digit</source>
        <translation>dígito pékrif</translation>
    </message>
    <message>
        <source>Post code bars</source>
        <translation>barras del código postal</translation>
    </message>
    <message>
        <source>Quadnary digit</source>
        <translation>dígito quadnary</translation>
    </message>
    <message>
        <source>SpaceKees digit</source>
        <translation>dígito SpaceKees</translation>
    </message>
    <message>
        <source>Stargate digit</source>
        <translation>dígito Stargate</translation>
    </message>
    <message>
        <source>Tenctonese digit</source>
        <translation>dígito tenctonés</translation>
    </message>
    <message>
        <source>Zentlardy digit</source>
        <translation>dígito zentradi</translation>
    </message>
    <message>
        <source>mark that %1 (%2s)</source>
        <translation>signo (%2): %1</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>signo de número</translation>
    </message>
    <message>
        <source>marks thousands</source>
        <translation>marca los millares</translation>
    </message>
    <message>
        <source>marks a numeral</source>
        <translation>marca un número</translation>
    </message>
    <message>
        <source>joins a count to its multiple</source>
        <translation>une una cuenta a su múltiplo</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>separates places</source>
        <translation>separa las posiciones</translation>
    </message>
    <message>
        <source>begins and ends the number</source>
        <translation>empieza y termina el número</translation>
    </message>
    <message>
        <source>begins the number</source>
        <translation>empieza el número</translation>
    </message>
    <message>
        <source>ends the number</source>
        <translation>termina el número</translation>
    </message>
</context>
<context>
    <name>SignBySignView</name>
    <message>
        <source>%1 — Sign by Sign</source>
        <translation>%1 — Signo a signo</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Componer</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Show This Number</source>
        <translation>Mostrar este número</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy as Picture</source>
        <translation>Copiar como imagen</translation>
    </message>
    <message>
        <source>Press the signs to compose a numeral</source>
        <translation>Pulse los signos para componer un número</translation>
    </message>
    <message>
        <source>Reads %1</source>
        <translation>Se lee %1</translation>
    </message>
    <message>
        <source>No numeral of this system</source>
        <translation>Ningún número de este sistema</translation>
    </message>
    <message>
        <source>Composed numeral %1</source>
        <translation>Número compuesto %1</translation>
    </message>
</context>
<context>
    <name>SpinButtonAccessible</name>
    <message>
        <source>Step number</source>
        <translation>Avanzar el número</translation>
    </message>
</context>
<context>
    <name>TextFonts</name>
    <message>
        <source>Font %1 could not be registered</source>
        <translation>No se pudo registrar la fuente %1</translation>
    </message>
</context>
<context>
    <name>TextMain</name>
    <message>
        <source>no row with the caption %1</source>
        <translation>ninguna fila con el rótulo %1</translation>
    </message>
    <message>
        <source>Add how the signs build the number as a fourth column.</source>
        <translation>Añadir como cuarta columna cómo forman los signos el número.</translation>
    </message>
    <message>
        <source>Print only the row with this caption.</source>
        <translation>Imprimir solo la fila con este rótulo (rótulo en inglés).</translation>
    </message>
    <message>
        <source>CAPTION</source>
        <translation>RÓTULO</translation>
    </message>
    <message>
        <source>Print only the numbers the text stands for, number&lt;TAB&gt;caption, one a line,
the one the rows would show first; a text read several ways gives several.</source>
        <translation>Imprimir solo los números que representa el texto, number&lt;TAB&gt;caption, uno por línea,
primero el que mostrarían las filas; un texto que se lee de varias maneras da varios.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The number, read as the number field reads it (0 to 79999), or a numeral of a row.</source>
        <translation>El número, leído como lo lee el campo del número (0 a 79999), o un numeral de una fila.</translation>
    </message>
    <message>
        <source>Prints a number in the %1 numeral systems on Tallyra&apos;s five pages as text, one row
a line: caption&lt;TAB&gt;kind&lt;TAB&gt;text, kind being unicode, partial or described.
The number may be written in any of these systems (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): with --parse, only what number it is.</source>
        <translation>Imprime un número en los %1 sistemas de numeración de las cinco páginas de Tallyra como texto,
una fila por línea: caption&lt;TAB&gt;kind&lt;TAB&gt;text, siendo kind unicode, partial o described.
El número puede escribirse en cualquiera de estos sistemas (MCMXCIV, mcmxciv, א׳תתקצ״ד,
一千九百九十四, ١٩٩٤, ...): con --parse, solo qué número es.</translation>
    </message>
    <message>
        <source>Print the signs of the row with this caption, text&lt;TAB&gt;value, one a line
(a mark&apos;s role in place of a value), and no number.</source>
        <translation>Imprimir los signos de la fila con este rótulo, text&lt;TAB&gt;value, uno por línea
(el papel de una marca en lugar de un valor), y ningún número.</translation>
    </message>
</context>
</TS>
