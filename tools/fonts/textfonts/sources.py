"""Which packaged Noto font each text family is cut from.

The families are the ones the program's row table names for its text rows
(rows.tsv, kind "text"). A family may take single glyphs from a second
font: the counting rods of Noto Sans Symbols 2 have no zero, so the
ideographic zero 〇 comes from Noto Sans CJK, as does the 正 of the caption
"Tally 正" (captions take their signs from the row's family). A family no packaged font
draws is drawn by the program (`drawn`: the module of tools/fonts/drawn/
with its signs), as Kaktovik's digits are.
"""

from dataclasses import dataclass

CJK = "NotoSansCJK-Regular.ttc"
CJK_JAPANESE = 0  # Noto Sans CJK JP in the collection
CJK_SIMPLIFIED = 2  # Noto Sans CJK SC
CJK_TRADITIONAL = 3  # Noto Sans CJK TC


@dataclass(frozen=True)
class Source:
    file: str
    face: int = -1  # the font's number in a collection (.ttc); -1 for a single font
    borrowed: tuple = ()  # (file, face, code point) of glyphs taken from another font
    drawn: str = ""  # the module of tools/fonts/drawn/ that draws the family, for file ""
    # (code point, code point): the first's glyph made from the leftmost shape
    # of the second's, where the source draws the first misleadingly
    left_part_of: tuple = ()


def _noto(script):
    return Source(f"NotoSans{script}-Regular.ttf")


def _noto_serif(script):
    return Source(f"NotoSerif{script}-Regular.ttf")


SOURCES = {
    "Tallyra Adlam": _noto("Adlam"),
    "Tallyra Balinese": _noto("Balinese"),
    "Tallyra Chakma": _noto("Chakma"),
    "Tallyra Gujarati": _noto("Gujarati"),
    "Tallyra Gurmukhi": _noto("Gurmukhi"),
    "Tallyra Javanese": _noto("Javanese"),
    "Tallyra Lepcha": _noto("Lepcha"),
    "Tallyra Limbu": _noto("Limbu"),
    "Tallyra Malayalam": _noto("Malayalam"),
    "Tallyra Meetei Mayek": _noto("MeeteiMayek"),
    "Tallyra Myanmar": _noto("Myanmar"),
    "Tallyra Odia": _noto("Oriya"),
    "Tallyra Ol Chiki": _noto("OlChiki"),
    "Tallyra Rohingya": _noto("HanifiRohingya"),
    "Tallyra Sinhala": _noto("Sinhala"),
    "Tallyra Sundanese": _noto("Sundanese"),
    "Tallyra Tai Tham": _noto("TaiTham"),
    "Tallyra Telugu": _noto("Telugu"),
    "Tallyra Vai": _noto("Vai"),
    "Tallyra Aegean": _noto("LinearB"),
    "Tallyra Brahmi": _noto("Brahmi"),
    "Tallyra Chinese": Source(CJK, CJK_SIMPLIFIED),
    "Tallyra Coptic": _noto("Coptic"),
    "Tallyra Rods": Source("NotoSansSymbols2-Regular.ttf", borrowed=((CJK, CJK_SIMPLIFIED, 0x3007),)),
    "Tallyra Cyrillic": Source("NotoSans-Regular.ttf"),
    "Tallyra Georgian": _noto("Georgian"),
    "Tallyra Kharoshthi": _noto("Kharoshthi"),
    "Tallyra Tamil": _noto("Tamil"),
    # Number signs 4
    "Tallyra Ahom": _noto_serif("Ahom"),
    "Tallyra Bhaiksuki": _noto("Bhaiksuki"),
    "Tallyra Cham": _noto("Cham"),
    "Tallyra Chinese Digits": Source(CJK, CJK_SIMPLIFIED),
    "Tallyra Gunjala Gondi": _noto("GunjalaGondi"),
    "Tallyra Khudawadi": _noto("Khudawadi"),
    "Tallyra Masaram Gondi": _noto("MasaramGondi"),
    "Tallyra Modi": _noto("Modi"),
    "Tallyra Mro": _noto("Mro"),
    "Tallyra New Tai Lue": _noto("NewTaiLue"),
    "Tallyra Newa": _noto("Newa"),
    "Tallyra Nyiakeng Hmong": _noto_serif("NyiakengPuachueHmong"),
    "Tallyra Pahawh Hmong": _noto("PahawhHmong"),
    "Tallyra Saurashtra": _noto("Saurashtra"),
    "Tallyra Segments": _noto("Symbols2"),
    "Tallyra Shan": _noto("Myanmar"),
    "Tallyra Sharada": _noto("Sharada"),
    "Tallyra Sora Sompeng": _noto("SoraSompeng"),
    "Tallyra Suzhou": Source(CJK, CJK_SIMPLIFIED),
    "Tallyra Tai Laing": _noto("Myanmar"),
    "Tallyra Takri": _noto("Takri"),
    "Tallyra Tham": _noto("TaiTham"),
    "Tallyra Tirhuta": _noto("Tirhuta"),
    "Tallyra Wancho": _noto("Wancho"),
    "Tallyra Warang Citi": _noto("WarangCiti"),
    # the fifth page
    "Tallyra Arabic": Source("NotoNaskhArabic-Regular.ttf"),
    "Tallyra Chinese SC": Source(CJK, CJK_SIMPLIFIED),
    "Tallyra Aramaic": _noto("ImperialAramaic"),
    "Tallyra Coptic Epact": _noto("Coptic"),
    "Tallyra Japanese": Source(CJK, CJK_JAPANESE),
    "Tallyra Glagolitic": _noto("Glagolitic"),
    "Tallyra Kaktovik": Source("", drawn="kaktovik"),
    "Tallyra Malayalam Old": _noto("Malayalam"),
    "Tallyra Medefaidrin": _noto("Medefaidrin"),
    "Tallyra Mende": _noto("MendeKikakui"),
    "Tallyra Meroitic": _noto("Meroitic"),
    "Tallyra Parthian": _noto("InscriptionalParthian"),
    "Tallyra Phoenician": _noto("Phoenician"),
    "Tallyra Roman": _noto("Symbols"),
    "Tallyra Rumi": _noto("Symbols2"),
    "Tallyra Sinhala Old": _noto("Sinhala"),
    # Noto draws SHAR2 (3600) as a filled disk, unlike the open diamonds of
    # 2..9 × 3600: it takes one diamond of TWO SHAR2 instead.
    "Tallyra Cuneiform": Source("NotoSansCuneiform-Regular.ttf", left_part_of=((0x122B9, 0x12423),)),
    "Tallyra Syriac": _noto("Syriac"),
    # the caption "Tally 正" takes its 正 from the row's family too
    "Tallyra Tally": Source("NotoSansSymbols2-Regular.ttf", borrowed=((CJK, CJK_SIMPLIFIED, 0x6B63),)),
    "Tallyra Tangut": Source("NotoSerifTangut-Regular.ttf"),
    "Tallyra Chinese TC": Source(CJK, CJK_TRADITIONAL),
}


def file_name(family, source):
    """The committed file: the family without blanks, .otf for PostScript outlines
    (a drawn family has TrueType outlines)."""
    extension = ".otf" if source.file.endswith((".ttc", ".otf")) else ".ttf"
    return family.replace(" ", "") + extension
