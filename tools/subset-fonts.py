#!/usr/bin/python3
"""Makes the carried faces in gfx/fonts from Liberation Sans and Liberation Mono.

    tools/subset-fonts.py SOURCE_DIR [OUT_DIR, default gfx/fonts]

SOURCE_DIR holds LiberationSans-{Regular,Bold}.ttf and LiberationMono-{Regular,
Bold}.ttf, release 2.1.5 (Debian's fonts-liberation2 installs them in
/usr/share/fonts/truetype/liberation2). Needs fontTools (python3-fonttools).

The program draws only Windows-1252 text (the data file's code page and its own
texts), so each face keeps those characters; that takes a quarter of the
memory the whole faces took. The phonetic extensions block (U+1D00 to U+1DFF)
stays: without it FreeType hints the remaining glyphs differently, so pictures
would change. Hinting, kerning (both the kern table and GPOS) and every other
layout feature are kept. As the SIL Open Font License asks of a modified
version, the faces are renamed: Liberation is a reserved font name.
"""
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

CP1252_HIGH = [0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
               0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178]
UNICODES = (list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + CP1252_HIGH
            + list(range(0x1D00, 0x1E00)))

FACES = {"LiberationSans-Regular": "ZelvaneSans-Regular",
         "LiberationSans-Bold": "ZelvaneSans-Bold",
         "LiberationMono-Regular": "ZelvaneMono-Regular",
         "LiberationMono-Bold": "ZelvaneMono-Bold"}
# Name records that carry the font's name: family, unique id, full name,
# PostScript name, typographic family and subfamily.
NAME_IDS = (1, 3, 4, 6, 16, 17)


def make(source: Path, target: Path) -> None:
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.legacy_kern = True
    options.hinting = True
    # The source's own time stamp stays, so that the same source gives the
    # same bytes.
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=UNICODES)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in NAME_IDS:
            record.string = record.toUnicode().replace("Liberation", "Zelvane")
        elif record.nameID == 5:
            record.string = record.toUnicode() + "; Zelvane subset"
    font.save(target)


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    source = Path(sys.argv[1])
    out = Path(sys.argv[2]) if len(sys.argv) == 3 else Path(__file__).parent.parent / "gfx/fonts"
    for name, carried in FACES.items():
        make(source / f"{name}.ttf", out / f"{carried}.ttf")
        print(f"{carried}.ttf", (out / f"{carried}.ttf").stat().st_size, "bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
