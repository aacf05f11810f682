"""Which packaged Noto font each text family is cut from.

The families are the ones the program's row table names for its text rows
(rows.tsv, kind "text"). A family may take single glyphs from a second
font: the counting rods of Noto Sans Symbols 2 have no zero, so the
ideographic zero 〇 comes from Noto Sans CJK.
"""

from dataclasses import dataclass

CJK = "NotoSansCJK-Regular.ttc"
CJK_SIMPLIFIED = 2  # Noto Sans CJK SC in the collection


@dataclass(frozen=True)
class Source:
    file: str
    face: int = -1  # the font's number in a collection (.ttc); -1 for a single font
    borrowed: tuple = ()  # (file, face, code point) of glyphs taken from another font


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
}


def file_name(family, source):
    """The committed file: the family without blanks, .otf for PostScript outlines."""
    extension = ".otf" if source.file.endswith((".ttc", ".otf")) else ".ttf"
    return family.replace(" ", "") + extension
