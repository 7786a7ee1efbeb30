#!/usr/bin/python3
"""Builds data/elements.tsv, the element table, from the installed open sources.

Sources (install them first, outside the repository):
  apt-get install -y --no-install-recommends bodr python3-periodictable \\
      python3-qcelemental python3-pymatgen
  npm install --prefix /tmp/elsrc periodic-table node-periodic-table matterviz chemical-elements

Run with Debian's Python, which sees the Debian packages:
  /usr/bin/python3 tools/assemble_elements.py [--npm /tmp/elsrc/node_modules] [--report]

Every value is written with the code of the source it came from; derived fields
follow fixed rules; hand corrections come from data/overrides.tsv, each with its
reason. The script refuses to write a table that breaks the invariants checked in
check().
"""

import argparse
import importlib
import importlib.util
import json
import math
import os
import re
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ET

if "/usr/lib/python3/dist-packages" not in sys.path:
    sys.path.append("/usr/lib/python3/dist-packages")
# Short texts written for this program: where each name comes from, and what the
# element looks like in its usual form. NameOrigin at most 100 characters,
# Appearance at most 60.
NAME_ORIGIN = {
    1: "Greek hydro (water) and genes (forming): it forms water when burned",
    2: "Greek helios, the sun, where its spectral lines were first seen",
    3: "Greek lithos, stone: it was first found in a mineral",
    4: "From the mineral beryl, in which it was found",
    5: "From borax, the mineral it was first obtained from",
    6: "Latin carbo, charcoal",
    7: "Greek nitron and genes: a part of saltpetre (nitre)",
    8: "Greek oxys (acid) and genes: it was once thought to be in every acid",
    9: "Latin fluere, to flow: from fluorspar, used as a flux",
    10: "Greek neos, new",
    11: "English soda; the symbol Na is from Latin natrium",
    12: "From Magnesia, a district in Thessaly, Greece",
    13: "Latin alumen, alum",
    14: "Latin silex or silicis, flint",
    15: "Greek phosphoros, light-bearer: the white form glows in air",
    16: "Latin sulphur, the old name of the yellow mineral",
    17: "Greek chloros, pale green, for the colour of the gas",
    18: "Greek argos, idle or lazy, for its lack of reactivity",
    19: "English potash; the symbol K is from Latin kalium",
    20: "Latin calx, lime",
    21: "Latin Scandia, Scandinavia",
    22: "The Titans, sons of the Earth in Greek myth",
    23: "Vanadis, a name of the Norse goddess Freyja, for its colourful compounds",
    24: "Greek chroma, colour, for its many coloured compounds",
    25: "Latin magnes, magnet, through the black mineral magnesia",
    26: "Anglo-Saxon iren; the symbol Fe is from Latin ferrum",
    27: "German Kobold, a goblin blamed by miners for troublesome ores",
    28: "German Kupfernickel, 'devil's copper', an ore that yielded no copper",
    29: "Latin cuprum, from Cyprus, an ancient source of the metal",
    30: "German Zink, perhaps from Zinke, a prong, for its crystals",
    31: "Latin Gallia, France, the discoverer's home country",
    32: "Latin Germania, Germany, the discoverer's home country",
    33: "Greek arsenikon, the yellow pigment orpiment",
    34: "Greek selene, the moon, as a partner to tellurium (earth)",
    35: "Greek bromos, stench, for its sharp smell",
    36: "Greek kryptos, hidden",
    37: "Latin rubidus, deep red, for the lines in its spectrum",
    38: "Strontian, a village in Scotland where its ore was found",
    39: "Ytterby, a village in Sweden with a famous mineral quarry",
    40: "Persian zargun, gold-coloured, through the mineral zircon",
    41: "Niobe, daughter of Tantalus in Greek myth",
    42: "Greek molybdos, lead, with whose ores it was confused",
    43: "Greek technetos, artificial: the first element made by man",
    44: "Latin Ruthenia, Russia",
    45: "Greek rhodon, rose, for the colour of its salts",
    46: "The asteroid Pallas, discovered shortly before it",
    47: "Anglo-Saxon seolfor; the symbol Ag is from Latin argentum",
    48: "Latin cadmia, old name of the zinc ore calamine",
    49: "The indigo-blue line in its spectrum",
    50: "Anglo-Saxon tin; the symbol Sn is from Latin stannum",
    51: "Origin uncertain; the symbol Sb is from Latin stibium",
    52: "Latin tellus, earth",
    53: "Greek iodes, violet, for the colour of its vapour",
    54: "Greek xenos, stranger",
    55: "Latin caesius, sky blue, for the lines in its spectrum",
    56: "Greek barys, heavy, for the weight of its minerals",
    57: "Greek lanthanein, to lie hidden",
    58: "The asteroid Ceres, discovered two years before it",
    59: "Greek prasios didymos, green twin",
    60: "Greek neos didymos, new twin",
    61: "Prometheus, who stole fire from the gods in Greek myth",
    62: "The mineral samarskite, named after the mine official Samarsky",
    63: "The continent of Europe",
    64: "The mineral gadolinite, named after chemist Johan Gadolin",
    65: "Ytterby, a village in Sweden",
    66: "Greek dysprositos, hard to get at",
    67: "Latin Holmia, Stockholm",
    68: "Ytterby, a village in Sweden",
    69: "Thule, an old name for the far north of Europe",
    70: "Ytterby, a village in Sweden",
    71: "Latin Lutetia, Paris",
    72: "Latin Hafnia, Copenhagen",
    73: "Tantalus of Greek myth, for its inability to take up acid",
    74: "Swedish tung sten, heavy stone; symbol W from German Wolfram",
    75: "Latin Rhenus, the river Rhine",
    76: "Greek osme, smell, for the odour of its oxide",
    77: "Iris, Greek goddess of the rainbow, for its colourful salts",
    78: "Spanish platina, little silver",
    79: "Anglo-Saxon gold; the symbol Au is from Latin aurum",
    80: "The planet Mercury; symbol Hg from Latin hydrargyrum, liquid silver",
    81: "Greek thallos, green shoot, for the green line in its spectrum",
    82: "Anglo-Saxon lead; the symbol Pb is from Latin plumbum",
    83: "German weisse Masse, white mass, later Wismut",
    84: "Poland, the home country of Marie Curie",
    85: "Greek astatos, unstable",
    86: "From radium, of which it is a decay product",
    87: "France, the discoverer's home country",
    88: "Latin radius, ray, for its radioactivity",
    89: "Greek aktinos, ray",
    90: "Thor, the Norse god of thunder",
    91: "Greek protos, first: it decays to actinium",
    92: "The planet Uranus, discovered a few years before",
    93: "The planet Neptune, next after Uranus",
    94: "The dwarf planet Pluto, next after Neptune",
    95: "The Americas, as europium was named after Europe",
    96: "Marie and Pierre Curie",
    97: "Berkeley, California, where it was first made",
    98: "The state and university of California",
    99: "Albert Einstein",
    100: "Enrico Fermi",
    101: "Dmitri Mendeleev, who devised the periodic table",
    102: "Alfred Nobel",
    103: "Ernest Lawrence, inventor of the cyclotron",
    104: "Ernest Rutherford",
    105: "Dubna, Russia, home of the laboratory where it was made",
    106: "Glenn T. Seaborg",
    107: "Niels Bohr",
    108: "Latin Hassia, the German state of Hesse",
    109: "Lise Meitner",
    110: "Darmstadt, Germany, where it was first made",
    111: "Wilhelm Conrad Roentgen, discoverer of X-rays",
    112: "Nicolaus Copernicus",
    113: "Nihon, the Japanese name for Japan",
    114: "The Flerov Laboratory of Nuclear Reactions in Dubna",
    115: "The Moscow region, where Dubna lies",
    116: "Lawrence Livermore National Laboratory, California",
    117: "The state of Tennessee, USA",
    118: "Yuri Oganessian, a pioneer of superheavy element research",
}

APPEARANCE = {
    1: "Colourless, odourless gas",
    2: "Colourless, odourless gas",
    3: "Soft, silvery-white metal",
    4: "Hard, steel-grey metal",
    5: "Black-brown semimetal; brown powder when amorphous",
    6: "Black graphite; diamond is clear and colourless",
    7: "Colourless, odourless gas",
    8: "Colourless gas; pale blue as a liquid",
    9: "Pale yellow gas",
    10: "Colourless gas; glows red-orange in a discharge tube",
    11: "Soft, silvery-white metal",
    12: "Light, silvery-white metal",
    13: "Light, silvery metal",
    14: "Hard, dark grey crystals with a bluish lustre",
    15: "White, red or black solid, depending on the form",
    16: "Pale yellow, brittle solid",
    17: "Yellow-green gas",
    18: "Colourless, odourless gas",
    19: "Soft, silvery-white metal",
    20: "Silvery-white metal",
    21: "Silvery-white metal",
    22: "Silvery-grey metal",
    23: "Grey-white metal",
    24: "Hard, bright steel-grey metal",
    25: "Hard, brittle, silvery-grey metal",
    26: "Lustrous grey metal",
    27: "Hard, bluish-grey metal",
    28: "Hard, silvery-white metal",
    29: "Reddish-orange metal",
    30: "Bluish-silver metal",
    31: "Silvery metal that melts in the hand",
    32: "Grey-white, brittle semimetal",
    33: "Grey, metallic-looking semimetal",
    34: "Grey solid; also red forms",
    35: "Dark red-brown liquid",
    36: "Colourless, odourless gas",
    37: "Soft, silvery-white metal",
    38: "Silvery-white metal, yellowish in air",
    39: "Silvery-white metal",
    40: "Silvery-grey metal",
    41: "Grey, lustrous metal",
    42: "Silvery-grey metal",
    43: "Silvery-grey metal",
    44: "Hard, silvery-white metal",
    45: "Silvery-white metal",
    46: "Silvery-white metal",
    47: "Lustrous white metal",
    48: "Soft, bluish-white metal",
    49: "Soft, silvery-white metal",
    50: "Silvery-white metal",
    51: "Silvery, lustrous grey semimetal",
    52: "Silvery-white, brittle semimetal",
    53: "Shiny violet-black solid; violet vapour",
    54: "Colourless, odourless gas",
    55: "Soft, pale golden metal",
    56: "Silvery-grey metal",
    57: "Silvery-white metal",
    58: "Iron-grey metal",
    59: "Silvery-white metal",
    60: "Silvery-white metal",
    61: "Metallic; not seen in bulk",
    62: "Silvery-white metal",
    63: "Silvery-white metal",
    64: "Silvery-white metal",
    65: "Silvery-white metal",
    66: "Silvery-white metal",
    67: "Silvery-white metal",
    68: "Silvery-white metal",
    69: "Silvery-grey metal",
    70: "Silvery-white metal",
    71: "Silvery-white metal",
    72: "Grey, steel-like metal",
    73: "Grey-blue metal",
    74: "Greyish-white, lustrous metal",
    75: "Silvery-grey metal",
    76: "Silvery, bluish-white metal",
    77: "Silvery-white metal",
    78: "Silvery-white metal",
    79: "Yellow metal",
    80: "Silvery liquid metal",
    81: "Soft, silvery-white metal",
    82: "Bluish-grey metal",
    83: "Silvery-white metal with a pink tinge",
    84: "Silvery metal",
    85: "Unknown; never seen in bulk",
    86: "Colourless gas",
    87: "Unknown; never seen in bulk",
    88: "Silvery-white metal",
    89: "Silvery-white metal",
    90: "Silvery-white metal",
    91: "Silvery metal",
    92: "Silvery-grey metal",
    93: "Silvery metal",
    94: "Silvery-white metal",
    95: "Silvery-white metal",
    96: "Silvery metal",
    97: "Silvery metal",
    98: "Silvery metal",
    99: "Silvery metal",
    100: "Unknown; made only in tiny amounts",
    101: "Unknown; made only a few atoms at a time",
    102: "Unknown; made only a few atoms at a time",
    103: "Unknown; made only a few atoms at a time",
    104: "Unknown; made only a few atoms at a time",
    105: "Unknown; made only a few atoms at a time",
    106: "Unknown; made only a few atoms at a time",
    107: "Unknown; made only a few atoms at a time",
    108: "Unknown; made only a few atoms at a time",
    109: "Unknown; made only a few atoms at a time",
    110: "Unknown; made only a few atoms at a time",
    111: "Unknown; made only a few atoms at a time",
    112: "Unknown; made only a few atoms at a time",
    113: "Unknown; made only a few atoms at a time",
    114: "Unknown; made only a few atoms at a time",
    115: "Unknown; made only a few atoms at a time",
    116: "Unknown; made only a few atoms at a time",
    117: "Unknown; made only a few atoms at a time",
    118: "Unknown; made only a few atoms at a time",
}


# Standard handbook figures for fields no packaged source covers. Only figures we
# are sure of are listed; every other element keeps 0 ("no value").
# Debye temperatures in K (the classic solid-state table, as reproduced in the
# CRC Handbook).
DEBYE_TEMP = {
    "Li": 344, "Na": 158, "K": 91, "Rb": 56, "Cs": 38, "Be": 1440, "Mg": 400,
    "Ca": 230, "Sr": 147, "Ba": 110, "Sc": 360, "Ti": 420, "V": 380, "Cr": 630,
    "Mn": 410, "Fe": 470, "Co": 445, "Ni": 450, "Cu": 343, "Zn": 327, "Ga": 320,
    "Ge": 374, "Si": 645, "Al": 428, "As": 282, "Se": 90, "Y": 280, "Zr": 291,
    "Nb": 275, "Mo": 450, "Ru": 600, "Rh": 480, "Pd": 274, "Ag": 225, "Cd": 209,
    "In": 108, "Sn": 200, "Sb": 211, "Te": 153, "La": 142, "Gd": 200, "Hf": 252,
    "Ta": 240, "W": 400, "Re": 430, "Os": 500, "Ir": 420, "Pt": 240, "Au": 165,
    "Hg": 71.9, "Tl": 78.5, "Pb": 105, "Bi": 119, "Th": 163, "U": 207, "Ne": 75,
    "Ar": 92, "Kr": 72, "Xe": 64,
}
# Enthalpy of fusion at the melting point, kJ/mol (CRC Handbook). Diatomic
# elements are left out: their figures are per mole of molecules.
FUSION_HEAT = {
    "Li": 3.00, "Na": 2.60, "K": 2.33, "Rb": 2.19, "Cs": 2.09, "Be": 7.895,
    "Mg": 8.48, "Ca": 8.54, "Sr": 7.43, "Ba": 7.12, "Al": 10.71, "Si": 50.21,
    "Ti": 14.15, "Cr": 21.0, "Mn": 12.91, "Fe": 13.81, "Co": 16.06, "Ni": 17.48,
    "Cu": 13.26, "Zn": 7.068, "Ga": 5.585, "Ge": 36.94, "Mo": 37.48, "Ag": 11.28,
    "Cd": 6.21, "In": 3.281, "Sn": 7.173, "Sb": 19.79, "Te": 17.49, "Ta": 36.57,
    "W": 52.31, "Pt": 22.17, "Au": 12.55, "Hg": 2.29, "Tl": 4.14, "Pb": 4.774,
    "Ne": 0.335, "Ar": 1.18, "Kr": 1.64, "Xe": 2.27,
}
# Enthalpy of vaporization at the boiling point, kJ/mol (CRC Handbook).
EVAPORATION_HEAT = {
    "He": 0.0829, "Ne": 1.71, "Ar": 6.43, "Kr": 9.08, "Xe": 12.57, "Rn": 18.10,
    "Li": 147.1, "Na": 97.42, "Mg": 128, "Ca": 154.7, "Al": 294.0, "Fe": 340,
    "Cu": 300.4, "Zn": 115.3, "Cd": 99.87, "Hg": 59.11, "Sn": 296.1, "Pb": 179.5,
}
HANDBOOK_DEBYE = "handbook:CRC"
HANDBOOK_HEAT = "handbook:CRC"


FIELDS = [
    "AtomicNumber", "Period", "Group", "Symbol", "Spare", "ElementName", "Neutrons",
    "LevelCount", "LevelElectrons", "AtomicWeight", "Classification", "Discovered",
    "Discoverer", "NameOrigin", "Appearance", "Density", "DensityUnit", "MeltingPoint",
    "BoilingPoint", "AtomicRadius", "AtomicVolume", "CovalentRadius", "IonicRadius",
    "SpecificHeat", "FusionHeat", "EvaporationHeat", "ElectroConduct", "ThermalConduct",
    "DebyeTemp", "ElectroNegativity", "IonizingEnergy", "OxidationStates",
    "ElectronicConfig", "CrystalStructure", "CrystalConstant", "CrystalCARatio", "State",
    "GroupLabel", "TableRow", "TableColumn",
]
INT_FIELDS = {"AtomicNumber", "Period", "Group", "Neutrons", "LevelCount",
              "Classification", "State", "TableRow", "TableColumn"}
TEXT_WIDTHS = {
    "Symbol": 3, "Spare": 1, "ElementName": 15, "Discovered": 4, "Discoverer": 30,
    "NameOrigin": 100, "Appearance": 60, "DensityUnit": 20, "IonicRadius": 20,
    "ElectroConduct": 20, "OxidationStates": 10, "ElectronicConfig": 20,
    "CrystalStructure": 20, "GroupLabel": 5,
}
DOUBLE_FIELDS = [f for f in FIELDS if f not in INT_FIELDS and f not in TEXT_WIDTHS
                 and f != "LevelElectrons"]

ANCIENT = "Anc."
KNOWN_SINCE_ANTIQUITY = "Known since antiquity"
EV_TO_KJ_PER_MOL = 96.485332  # 1 eV per atom in kJ/mol
ROOM_TEMPERATURE = 298.0

MAN_MADE = {43, 61} | set(range(93, 119))
NON_METALS = {1, 6, 7, 8, 15, 16, 34}
SEMIMETALS = {5, 14, 32, 33, 51, 52, 84}
GROUP_LABELS = ["", "IA", "IIA", "IIIB", "IVB", "VB", "VIB", "VIIB", "VIIIB", "VIIIB",
                "VIIIB", "IB", "IIB", "IIIA", "IVA", "VA", "VIA", "VIIA", "VIIIA"]
PERIOD_ENDS = [2, 10, 18, 36, 54, 86, 118]

CML = "{http://www.xml-cml.org/schema}"


# ---------------------------------------------------------------- rules

def period_of(z):
    for p, end in enumerate(PERIOD_ENDS, start=1):
        if z <= end:
            return p
    raise ValueError(z)


def is_lanthanide(z):
    return 57 <= z <= 71


def is_actinide(z):
    return 89 <= z <= 103


def group_of(z):
    """Group 1..18; the f-block (La-Lu, Ac-Lr) counts as group 3."""
    if z == 1:
        return 1
    if z == 2:
        return 18
    p = period_of(z)
    pos = z - PERIOD_ENDS[p - 2]  # 1-based position within the period
    if p in (2, 3):
        return pos if pos <= 2 else pos + 10
    if p in (4, 5):
        return pos
    if pos <= 2:
        return pos
    if pos <= 17:
        return 3
    return pos - 14


def table_cell(z):
    """Grid row and column of the element's cell: periods in rows 1-7, the
    lanthanides in row 8 and the actinides in row 9, columns 4-18."""
    if is_lanthanide(z):
        return 8, 4 + z - 57
    if is_actinide(z):
        return 9, 4 + z - 89
    return period_of(z), group_of(z)


def classification_of(z):
    if is_lanthanide(z):
        return 9
    if is_actinide(z):
        return 10
    if z in NON_METALS:
        return 3
    if z in SEMIMETALS:
        return 4
    g = group_of(z)
    if g == 18:
        return 1
    if g == 17:
        return 2
    if g == 1:
        return 6
    if g == 2:
        return 7
    if 3 <= g <= 12:
        return 5
    return 8


def state_of(z, melting, boiling):
    """0 solid, 1 liquid, 2 gas at 298 K, 3 man made; None when the points
    do not decide it."""
    if z in MAN_MADE:
        return 3
    if boiling and boiling <= ROOM_TEMPERATURE:
        return 2
    if melting and melting > ROOM_TEMPERATURE:
        return 0
    if melting and boiling and melting <= ROOM_TEMPERATURE < boiling:
        return 1
    return None


CORES = {
    "He": "1s2",
    "Ne": "[He] 2s2 2p6",
    "Ar": "[Ne] 3s2 3p6",
    "Kr": "[Ar] 3d10 4s2 4p6",
    "Xe": "[Kr] 4d10 5s2 5p6",
    "Rn": "[Xe] 4f14 5d10 6s2 6p6",
}


def subshells(config):
    """Expands a configuration such as "[Ar] 3d6 4s2" into (n, l, count) triples."""
    out = []
    for token in config.split():
        m = re.fullmatch(r"\[(\w+)\]", token)
        if m:
            out.extend(subshells(CORES[m.group(1)]))
            continue
        m = re.fullmatch(r"(\d)([spdf])(\d+)", token)
        if not m:
            raise ValueError(f"cannot read configuration token {token!r} in {config!r}")
        out.append((int(m.group(1)), m.group(2), int(m.group(3))))
    return out


def levels_of(config):
    """Electrons per level K..Q (1..7) from a configuration; trailing empty levels dropped."""
    levels = [0] * 8
    for n, _, count in subshells(config):
        levels[n] += count
    occupied = levels[1:]
    while occupied and occupied[-1] == 0:
        occupied.pop()
    return occupied


def compact_config(config):
    """The configuration in at most 20 characters: as written when it fits,
    otherwise with every space dropped ("[Xe]4f145d106s26p1")."""
    config = " ".join(config.split())
    if len(config) <= 20:
        return config
    return config.replace(" ", "")


# ---------------------------------------------------------------- number text

def fmt_number(v):
    """Plain decimal text: no exponent, no thousands separator, no float noise."""
    if isinstance(v, int):
        return str(v)
    if v == 0:
        return "0"
    s = f"{v:.12g}"
    if "e" in s or "E" in s:
        s = f"{v:.12f}".rstrip("0").rstrip(".")
    return s


def sig(v, digits):
    """v rounded to the given number of significant digits."""
    if v == 0:
        return 0.0
    return round(v, digits - 1 - int(math.floor(math.log10(abs(v)))))


def mantissa_exponent(v, digits=3):
    """ "5.96 10^7" style text for a positive value."""
    e = int(math.floor(math.log10(v)))
    m = v / 10 ** e
    m = round(m, digits - 1)
    if m >= 10:
        m /= 10
        e += 1
    return f"{m:.{digits - 1}f} 10^{e}"


# ---------------------------------------------------------------- sources

def load_bodr(bodr_dir):
    """elements.xml as {Z: {dictRef: text}} and crystalstructures.xml as {symbol: cell}."""
    elements = {}
    root = ET.parse(os.path.join(bodr_dir, "elements.xml")).getroot()
    for atom in root.findall(CML + "atom"):
        d = {}
        for ch in atom:
            key = ch.get("dictRef", "").replace("bo:", "")
            d[key] = ch.get("value") if ch.tag == CML + "label" else ch.text
        z = int(d["atomicNumber"])
        if z > 0:
            elements[z] = d
    crystals = {}
    root = ET.parse(os.path.join(bodr_dir, "crystalstructures.xml")).getroot()
    for mol in root.findall(CML + "molecule"):
        cell = {s.get("title"): float(s.text) for s in mol.iter(CML + "scalar")}
        sym = mol.find(f".//{CML}symmetry")
        cell["spaceGroup"] = int(sym.get("spaceGroup"))
        symbol = re.match(r"[A-Z][a-z]?", mol.get("id")).group(0)
        crystals[symbol] = cell
    return elements, crystals


def node_json(module_path, export):
    """Loads a JavaScript data module with node and returns its export as JSON data."""
    script = (
        "const p = process.argv[1], name = process.argv[2];"
        "import(require('url').pathToFileURL(p).href).then(m => {"
        " let v = name === 'default' ? m.default : (m[name] ?? (m.default && m.default[name]));"
        " process.stdout.write(JSON.stringify(v)); });"
    )
    out = subprocess.run(["node", "-e", script, module_path, export],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def load_sources(args):
    src = {}
    src["BODR"], src["BODR_crystal"] = load_bodr(args.bodr)

    pt = importlib.import_module("periodictable")
    importlib.import_module("periodictable.crystal_structure")
    importlib.import_module("periodictable.covalent_radius")
    src["PT"] = pt
    src["QC"] = importlib.import_module("qcelemental")

    pmg_json = args.pymatgen_json or os.path.join(
        os.path.dirname(importlib.util.find_spec("pymatgen").submodule_search_locations[0]),
        "pymatgen", "core", "periodic_table.json")
    with open(pmg_json, encoding="utf-8") as f:
        pmg = json.load(f)
    src["PMG"] = {e["Atomic no"]: e for e in pmg.values()}

    npm = args.npm
    with open(os.path.join(npm, "periodic-table", "data.json"), encoding="utf-8") as f:
        src["PTN"] = {e["atomicNumber"]: e for e in json.load(f)}
    with open(os.path.join(npm, "node-periodic-table", "elements.json"), encoding="utf-8") as f:
        src["NPT"] = {e["number"]: e for e in json.load(f)}
    src["MVZ"] = {e["number"]: e for e in
                  node_json(os.path.join(npm, "matterviz", "dist", "element", "data.js"), "default")}
    ce = node_json(os.path.join(npm, "chemical-elements", "lib", "src", "elementsAndIsotopes.js"),
                   "elementsAndIsotopes")
    src["CE"] = {e["number"]: e for e in ce}
    return src


# ---------------------------------------------------------------- source values

UNTRUSTED_MARKS = ("about", "maybe", "estimate", "high")


def pmg_quantity(entry, key):
    """(value, note) for a pymatgen text quantity such as "1811 K"; value None
    when missing, and note says why a present text was not used."""
    raw = entry.get(key)
    if raw is None or str(raw).startswith("no data"):
        return None, "missing"
    text = str(raw)
    if any(mark in text for mark in UNTRUSTED_MARKS):
        return None, f"untrusted: {text}"
    text = re.sub(r"^\([^)]*\)\s*", "", text)  # "(white P) 317.3 K"
    m = re.match(r"\s*([0-9]+(?:\.[0-9]+)?)", text)
    if not m:
        return None, f"unreadable: {text}"
    return float(m.group(1)), ""


def pmg_resistivity(entry):
    """Resistivity in ohm metre as (value, is_lower_bound); None when unknown.
    pymatgen gives it in 10^-8 ohm m, sometimes as "about N" or "> 10^k"."""
    raw = entry.get("Electrical resistivity")
    if raw is None or raw.startswith("no data") or raw.startswith("high"):
        return None
    m = re.match(r"&gt; 10<sup>(\d+)</sup>", raw)
    if m:
        return 10.0 ** int(m.group(1)) * 1e-8, True
    m = re.match(r"(?:about\s+)?([0-9]+(?:\.[0-9]+)?)", raw)
    if not m:
        return None
    return float(m.group(1)) * 1e-8, False


def electro_conduct_text(entry):
    r = pmg_resistivity(entry)
    if r is None:
        return ""
    rho, bound = r
    sigma = 1.0 / rho
    if bound:
        e = int(round(math.log10(sigma)))
        return f"< 1 10^{e} S/m"
    return mantissa_exponent(sigma) + " S/m"


def shannon_text(entry):
    """Shannon ionic radius, six-fold coordination, for the first common oxidation
    state that has one (high spin where both are given): "0.78 (+2)"."""
    radii = entry.get("Shannon radii") or {}
    for state in entry.get("Common oxidation states") or []:
        vi = radii.get(str(state), {}).get("VI")
        if not vi:
            continue
        spin = vi.get("High Spin") or vi.get("") or next(iter(vi.values()))
        r = spin.get("ionic_radius")
        if r is None or r <= 0:
            continue
        sign = "+" if state > 0 else "-"
        text = f"{r:.2f}" if round(r, 2) == round(r, 3) else f"{r:.3f}"
        return f"{text} ({sign}{abs(state)})"
    return ""


def oxidation_text(states):
    """Common oxidation states as "+2,+3", signs dropped when that does not fit."""
    if not states:
        return ""
    with_signs = ",".join(f"{s:+d}" if s else "0" for s in states)
    if len(with_signs) <= 10:
        return with_signs
    return ",".join(str(s) for s in states)


def space_group_name(sg):
    if sg == 225:
        return "Face-centered cubic"
    if sg == 229:
        return "Body-centered cubic"
    if sg == 227:
        return "Diamond cubic"
    if sg == 221:
        return "Simple cubic"
    if sg >= 195:
        return "Cubic"
    if sg >= 168 or sg in (143, 144, 145, 147, 149, 150, 151, 152, 153, 154, 156, 157, 158,
                           159, 162, 163, 164, 165):
        return "Hexagonal"
    if sg >= 143:
        return "Rhombohedral"
    if sg >= 75:
        return "Tetragonal"
    if sg >= 16:
        return "Orthorhombic"
    if sg >= 3:
        return "Monoclinic"
    return "Triclinic"


PT_SYMMETRY_NAMES = {
    "BCC": "Body-centered cubic", "fcc": "Face-centered cubic", "hcp": "Hexagonal",
    "Tetragonal": "Tetragonal", "Cubic": "Cubic", "Diamond": "Diamond cubic",
    "Orthorhombic": "Orthorhombic", "Rhombohedral": "Rhombohedral", "SC": "Simple cubic",
    "Monoclinic": "Monoclinic",
}


# ---------------------------------------------------------------- assembly

def to_cp1252(text):
    """Keeps characters Windows-1252 can hold; others become their closest plain
    letter (a name such as Sklodowska may carry letters outside the code page)."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1252")
            out.append(ch)
        except UnicodeEncodeError:
            plain = unicodedata.normalize("NFKD", ch).encode("ascii", "ignore").decode()
            out.append(plain)
    return "".join(out)


class Row:
    def __init__(self, z):
        self.z = z
        self.values = {}
        self.sources = {}
        self.notes = []

    def set(self, field, value, source):
        self.values[field] = value
        self.sources[field] = source

    def none(self, field, zero, why=""):
        self.values[field] = zero
        self.sources[field] = "none"
        if why:
            self.notes.append(f"{field}: {why}")


def assemble(src, log):
    bodr, crystals, pt, qc, pmg = src["BODR"], src["BODR_crystal"], src["PT"], src["QC"], src["PMG"]
    ptn, npt, mvz, ce = src["PTN"], src["NPT"], src["MVZ"], src["CE"]
    rows = []
    for z in range(1, 119):
        r = Row(z)
        b = bodr.get(z, {})
        p = pmg.get(z, {})
        el = pt.elements[z]
        sym = el.symbol

        r.set("AtomicNumber", z, "rule")
        r.set("Period", period_of(z), "rule")
        r.set("Group", group_of(z), "rule")
        r.set("Symbol", sym, "PT")
        r.set("Spare", "", "rule")
        r.set("ElementName", el.name[:1].upper() + el.name[1:], "PT")

        # Neutrons: the most abundant natural isotope, else the mass number of the
        # longest-lived one.
        natural = [(el[a].abundance, a) for a in el.isotopes if el[a].abundance > 0]
        if natural:
            a = max(natural)[1]
            r.set("Neutrons", a - z, "PT")
        elif z <= 117:
            r.set("Neutrons", int(qc.periodictable.to_A(z)) - z, "QC")
        else:
            r.set("Neutrons", int(round(float(b["mass"]))) - z, "rule")
        isotopes = [i for i in ce.get(z, {}).get("isotopes", []) if i.get("abundance")]
        if isotopes:
            top = max(isotopes, key=lambda i: i["abundance"])["nominal"] - z
            if top != r.values["Neutrons"]:
                log.append(f"{sym}: Neutrons {r.values['Neutrons']} differs from CE {top}")

        config = ptn[z]["electronicConfiguration"]
        levels = levels_of(config)
        r.set("LevelCount", len(levels), "PTN")
        r.set("LevelElectrons", levels, "PTN")
        shells = npt[z].get("shells")
        if shells and list(shells) != levels:
            log.append(f"{sym}: PTN levels {levels} differ from NPT {shells}; PTN kept")
        r.set("ElectronicConfig", compact_config(config), "PTN")

        r.set("AtomicWeight", float(b["mass"]), "BODR")
        r.set("Classification", classification_of(z), "rule")

        # Discovery year: BODR gives 0 for elements known since antiquity.
        year = (b.get("discoveryDate") or "0").strip()
        if year != "0":
            r.set("Discovered", year, "BODR")
        elif z <= 92:
            r.set("Discovered", ANCIENT, "rule")
        elif str(ptn[z].get("yearDiscovered", "")).isdigit():
            r.set("Discovered", str(ptn[z]["yearDiscovered"]), "PTN")
        else:
            r.none("Discovered", "", "no year in any source")

        who = b.get("discoverers")
        if who and who != "None":
            r.set("Discoverer", to_cp1252(", ".join(s.strip() for s in who.split(";"))), "BODR")
        elif r.values["Discovered"] == ANCIENT:
            r.set("Discoverer", KNOWN_SINCE_ANTIQUITY, "ours")
        elif npt[z].get("discovered_by"):
            r.set("Discoverer", to_cp1252(npt[z]["discovered_by"]), "NPT")
        else:
            r.none("Discoverer", "", "no discoverer in any source")

        r.set("NameOrigin", NAME_ORIGIN[z], "ours")
        r.set("Appearance", APPEARANCE[z], "ours")

        # Melting and boiling points: pymatgen, then BODR; estimates are not used.
        for field, pkey, bkey in (("MeltingPoint", "Melting point", "meltingpoint"),
                                  ("BoilingPoint", "Boiling point", "boilingpoint")):
            v, note = pmg_quantity(p, pkey)
            if v:
                r.set(field, v, "PMG")
            elif note.startswith("untrusted"):
                r.none(field, 0.0, f"PMG {note}")
            elif b.get(bkey) not in (None, "None"):
                r.set(field, float(b[bkey]), "BODR")
            else:
                r.none(field, 0.0, "no figure")
        mp, bp = r.values["MeltingPoint"], r.values["BoilingPoint"]
        if mp and bp and bp <= mp and sym != "As":
            log.append(f"{sym}: boiling point {bp} ({r.sources['BoilingPoint']}) not above "
                       f"melting point {mp}; boiling point dropped")
            r.none("BoilingPoint", 0.0, f"source gave {bp}, not above melting point {mp}")

        state = state_of(z, r.values["MeltingPoint"], r.values["BoilingPoint"])
        if state is not None:
            r.set("State", state, "rule")
        else:
            # The points are unknown or only estimated: take the standard state
            # that PTN records.
            standard = {"solid": 0, "liquid": 1, "gas": 2}.get(ptn[z].get("standardState"))
            if standard is None:
                raise SystemExit(f"{sym}: no state from the points nor from PTN")
            state = standard
            r.set("State", state, "PTN")

        # Density: g/cm3 for solids and liquids (PT, then pymatgen's solid density),
        # g/L for gases at standard conditions (PTN gives g/cm3).
        if state == 2:
            d = ptn[z].get("density")
            if isinstance(d, (int, float)) and d > 0:
                r.set("Density", sig(d * 1000.0, 4), "PTN")
                r.set("DensityUnit", "g/L", "rule")
            else:
                r.none("Density", 0.0, "no gas density")
                r.set("DensityUnit", "", "rule")
        else:
            caveat = getattr(el, "density_caveat", "") or ""
            v, note = pmg_quantity(p, "Density of solid")
            if el.density and "estimated" not in caveat:
                r.set("Density", float(el.density), "PT")
            elif v:
                r.set("Density", round(v / 1000.0, 4), "PMG")
            else:
                r.none("Density", 0.0, f"PT: {caveat or 'none'}; PMG: {note}")
            r.set("DensityUnit", "g/cm³" if r.values["Density"] else "", "rule")

        v = p.get("Atomic radius")
        if isinstance(v, (int, float)) and v > 0:
            r.set("AtomicRadius", float(v), "PMG")
        else:
            r.none("AtomicRadius", 0.0, "no empirical radius")
        v, note = pmg_quantity(p, "Molar volume")
        if v:
            r.set("AtomicVolume", v, "PMG")
        else:
            r.none("AtomicVolume", 0.0, note)

        cov = getattr(el, "covalent_radius", None)
        if cov:
            r.set("CovalentRadius", float(cov), "PT")
        else:
            r.none("CovalentRadius", 0.0, "not in the 2008 set")

        t = shannon_text(p)
        if t:
            r.set("IonicRadius", t, "PMG")
        else:
            r.none("IonicRadius", "", "no six-fold Shannon radius for a common state")

        sh = mvz.get(z, {}).get("specific_heat")
        if isinstance(sh, (int, float)) and sh > 0:
            r.set("SpecificHeat", float(sh), "MVZ")
        else:
            r.none("SpecificHeat", 0.0)

        for field, table, source in (("FusionHeat", FUSION_HEAT, HANDBOOK_HEAT),
                                     ("EvaporationHeat", EVAPORATION_HEAT, HANDBOOK_HEAT),
                                     ("DebyeTemp", DEBYE_TEMP, HANDBOOK_DEBYE)):
            if sym in table:
                r.set(field, float(table[sym]), source)
            else:
                r.none(field, 0.0)

        t = electro_conduct_text(p)
        if t:
            r.set("ElectroConduct", t, "PMG")
        else:
            r.none("ElectroConduct", "")
        v, note = pmg_quantity(p, "Thermal conductivity")
        if v:
            r.set("ThermalConduct", v, "PMG")
        else:
            r.none("ThermalConduct", 0.0, note)

        x = p.get("X")
        if isinstance(x, (int, float)) and x == x and x > 0:
            r.set("ElectroNegativity", float(x), "PMG")
        elif b.get("electronegativityPauling"):
            r.set("ElectroNegativity", float(b["electronegativityPauling"]), "BODR")
        else:
            r.none("ElectroNegativity", 0.0)

        # Ionization energies beyond Lr are calculated, not measured (and pymatgen's
        # figures for Mt and Ds are an order of magnitude off): none are used.
        ies = p.get("Ionization energies") or []
        if z > 103:
            r.none("IonizingEnergy", 0.0, "no measured value")
        elif ies:
            r.set("IonizingEnergy", round(ies[0] * EV_TO_KJ_PER_MOL, 1), "PMG")
        elif b.get("ionization"):
            r.set("IonizingEnergy", round(float(b["ionization"]) * EV_TO_KJ_PER_MOL, 1), "BODR")
        else:
            r.none("IonizingEnergy", 0.0)

        t = oxidation_text(p.get("Common oxidation states"))
        if t:
            r.set("OxidationStates", t, "PMG")
        else:
            r.none("OxidationStates", "")

        # Crystal data: BODR's cell, cross-checked with PT. Carbon is graphite.
        cell = crystals.get(sym)
        ptc = getattr(el, "crystal_structure", None) or {}
        if cell:
            name = space_group_name(cell["spaceGroup"])
            r.set("CrystalStructure", name, "BODR")
            r.set("CrystalConstant", round(cell["a"] / 100.0, 4), "BODR")
            if name in ("Hexagonal", "Tetragonal"):
                r.set("CrystalCARatio", round(cell["c"] / cell["a"], 3), "BODR")
            else:
                r.none("CrystalCARatio", 0.0)
            ptname = PT_SYMMETRY_NAMES.get(ptc.get("symmetry"))
            if ptname and ptname != name and sym != "C":
                log.append(f"{sym}: BODR structure {name} (space group {cell['spaceGroup']}) "
                           f"differs from PT {ptname}")
            if ptc.get("a") and abs(ptc["a"] - cell["a"] / 100.0) > 0.05 * ptc["a"] and sym != "C":
                log.append(f"{sym}: BODR a={cell['a'] / 100.0} differs from PT a={ptc['a']}")
        elif ptc.get("symmetry") in PT_SYMMETRY_NAMES:
            name = PT_SYMMETRY_NAMES[ptc["symmetry"]]
            r.set("CrystalStructure", name, "PT")
            if ptc.get("a"):
                r.set("CrystalConstant", float(ptc["a"]), "PT")
            else:
                r.none("CrystalConstant", 0.0)
            if ptc.get("c/a") and name in ("Hexagonal", "Tetragonal"):
                r.set("CrystalCARatio", float(ptc["c/a"]), "PT")
            else:
                r.none("CrystalCARatio", 0.0)
        else:
            r.none("CrystalStructure", "")
            r.none("CrystalConstant", 0.0)
            r.none("CrystalCARatio", 0.0)

        g = r.values["Group"]
        r.set("GroupLabel", GROUP_LABELS[g], "rule")
        row, col = table_cell(z)
        r.set("TableRow", row, "rule")
        r.set("TableColumn", col, "rule")
        rows.append(r)
    return rows


# ---------------------------------------------------------------- overrides

def parse_value(field, text):
    if field in INT_FIELDS:
        return int(text)
    if field == "LevelElectrons":
        return [int(x) for x in text.split("/")]
    if field in TEXT_WIDTHS:
        return text
    return float(text)


def apply_overrides(rows, path, log):
    by_symbol = {r.values["Symbol"]: r for r in rows}
    with open(path, encoding="utf-8") as f:
        lines = [ln.rstrip("\n") for ln in f if ln.strip() and not ln.startswith("#")]
    header = lines[0].split("\t")
    if header != ["element", "field", "value", "source", "reason"]:
        raise SystemExit(f"{path}: unexpected header {header}")
    for n, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != 5 or not cells[4].strip():
            raise SystemExit(f"{path}: line {n} needs element, field, value, source and reason")
        symbol, field, value, source, reason = cells
        if symbol not in by_symbol or field not in FIELDS:
            raise SystemExit(f"{path}: line {n}: unknown element or field {symbol} {field}")
        row = by_symbol[symbol]
        row.set(field, parse_value(field, value), "override")
        log.append(f"override {symbol} {field} = {value!r} ({source}): {reason}")


# ---------------------------------------------------------------- checks

def check(rows):
    """The table's invariants; returns a list of faults (empty when sound)."""
    faults = []
    if len(rows) != 118:
        faults.append(f"{len(rows)} rows, expected 118")
    cells = {}
    for i, r in enumerate(rows, start=1):
        v, s = r.values, r.sources
        sym = v.get("Symbol", "?")

        def fault(msg):
            faults.append(f"{i} {sym}: {msg}")

        for field in FIELDS:
            if field not in v or v[field] is None:
                fault(f"{field} has no value")
            if not s.get(field):
                fault(f"{field} has no source")
        if any(field not in v or v[field] is None for field in FIELDS):
            continue
        if v["AtomicNumber"] != i:
            fault("AtomicNumber is not the row's position")
        for field, width in TEXT_WIDTHS.items():
            text = v[field]
            if "\t" in text or "\n" in text:
                fault(f"{field} holds a tab or newline")
            try:
                encoded = text.encode("cp1252")
            except UnicodeEncodeError:
                fault(f"{field} {text!r} is not Windows-1252")
                continue
            if len(encoded) > width:
                fault(f"{field} {text!r} is longer than {width}")
        levels = v["LevelElectrons"]
        if sum(levels) != i:
            fault(f"level electrons {levels} add up to {sum(levels)}")
        if len(levels) != v["LevelCount"] or any(n < 1 for n in levels):
            fault(f"LevelCount {v['LevelCount']} does not match {levels}")
        if v["LevelCount"] != v["Period"] and sym != "Pd":
            fault(f"LevelCount {v['LevelCount']} differs from Period {v['Period']}")
        if v["Group"] != group_of(i) or v["Period"] != period_of(i):
            fault("Period or Group disagrees with Z")
        if v["GroupLabel"] != GROUP_LABELS[v["Group"]]:
            fault(f"GroupLabel {v['GroupLabel']} does not fit group {v['Group']}")
        cell = (v["TableRow"], v["TableColumn"])
        if cell in cells:
            fault(f"shares cell {cell} with {cells[cell]}")
        cells[cell] = sym
        if not (1 <= cell[0] <= 9 and 1 <= cell[1] <= 18) or cell in ((6, 3), (7, 3)):
            fault(f"cell {cell} is outside the grid or on the connector")
        if v["Classification"] != classification_of(i):
            fault("Classification disagrees with the rule")
        mp, bp, st = v["MeltingPoint"], v["BoilingPoint"], v["State"]
        expected = state_of(i, mp, bp)
        if st not in (0, 1, 2, 3):
            fault(f"State {st}")
        elif expected is not None and st != expected:
            fault(f"State {st}, melting/boiling points say {expected}")
        if mp and bp and mp >= bp and sym != "As":
            fault(f"melting point {mp} not below boiling point {bp}")
        if abs(v["AtomicWeight"] - (i + v["Neutrons"])) > 2.5:
            fault(f"weight {v['AtomicWeight']} far from Z + N = {i + v['Neutrons']}")
        if st in (0, 3) and v["Density"] and v["AtomicVolume"]:
            ratio = v["AtomicWeight"] / v["Density"] / v["AtomicVolume"]
            if not 0.85 <= ratio <= 1.15:
                fault(f"atomic volume {v['AtomicVolume']} vs weight/density "
                      f"{v['AtomicWeight'] / v['Density']:.2f}")
        if v["Density"]:
            unit = v["DensityUnit"]
            if st == 2 and unit != "g/L" or st != 2 and unit != "g/cm³":
                fault(f"density unit {unit!r} for state {st}")
            if unit == "g/cm³" and not 0.1 < v["Density"] < 25:
                fault(f"density {v['Density']} g/cm3 out of range")
            if unit == "g/L" and not 0.05 < v["Density"] < 15:
                fault(f"density {v['Density']} g/L out of range")
        for field in DOUBLE_FIELDS:
            if v[field] < 0:
                fault(f"{field} is negative")
        for field, lo, hi in (("MeltingPoint", 0.5, 4000), ("BoilingPoint", 4, 6300),
                              ("AtomicRadius", 0.2, 3.0), ("CovalentRadius", 0.2, 3.0),
                              ("ElectroNegativity", 0.6, 4.0), ("IonizingEnergy", 300, 2500),
                              ("SpecificHeat", 0.09, 15), ("AtomicVolume", 3, 80),
                              ("ThermalConduct", 0.001, 500), ("CrystalConstant", 2, 13),
                              ("DebyeTemp", 30, 2500)):
            if v[field] and not lo <= v[field] <= hi:
                fault(f"{field} {v[field]} outside {lo}..{hi}")
        if v["State"] == 2 and v["MeltingPoint"] > ROOM_TEMPERATURE:
            fault("gas with a melting point above room temperature")
    return faults


# ---------------------------------------------------------------- output

HEADER_COMMENTS = """\
# Zelvane element table: one row per element, Z = 1..118 in order. Generated by
# tools/assemble_elements.py from the open sources named in each <Field>_src column
# (codes as in data/README.md); hand corrections come from data/overrides.tsv.
# Units: temperatures in K. Density in g/cm³ for solids and liquids, g/L for gases
#   at standard conditions; DensityUnit says which. AtomicVolume cm³/mol.
#   AtomicRadius, CovalentRadius, CrystalConstant in Å. AtomicRadius is the
#   empirical (Slater) atomic radius, the same definition for every element.
#   IonicRadius: Shannon radius in Å for six-fold coordination, "r (+charge)".
#   SpecificHeat J/(g·K) at 300 K; FusionHeat, EvaporationHeat, IonizingEnergy
#   kJ/mol; ThermalConduct W/(m·K); DebyeTemp K; ElectroConduct "m 10^e S/m"
#   (1/resistivity), "< 1 10^e S/m" where only a bound is known.
# Carbon's crystal data are those of graphite (hexagonal), matching its density.
# Discovered is a year, or "Anc." for elements known since antiquity.
# ElectronicConfig: noble-gas core and subshells separated by spaces; a
#   configuration longer than 20 characters is written without any spaces,
#   e.g. [Xe]4f145d106s26p1.
# 0 in a numeric field (and an empty text) means no trustworthy value ("--").
# LevelElectrons lists the electrons of the occupied levels K, L, M, ... as 2/8/1.
"""


def cell_text(field, value):
    if field == "LevelElectrons":
        return "/".join(str(n) for n in value)
    if field in TEXT_WIDTHS:
        return value
    return fmt_number(value)


def write_tsv(rows, path):
    header = []
    for f in FIELDS:
        header += [f, f + "_src"]
    lines = [HEADER_COMMENTS.rstrip("\n"), "\t".join(header)]
    for r in rows:
        cells = []
        for f in FIELDS:
            cells += [cell_text(f, r.values[f]), r.sources[f]]
        lines.append("\t".join(cells))
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def zero_counts(rows):
    counts = {}
    for f in FIELDS:
        zero = sum(1 for r in rows if r.values[f] in (0, 0.0, "", []))
        if zero:
            counts[f] = zero
    return counts


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--bodr", default="/usr/share/bodr", help="folder of BODR's XML files")
    ap.add_argument("--npm", default="/tmp/elsrc/node_modules",
                    help="node_modules folder holding the npm sources")
    ap.add_argument("--pymatgen-json", default=None,
                    help="pymatgen's core/periodic_table.json (found from the package by default)")
    ap.add_argument("--overrides", default=os.path.join(repo, "data", "overrides.tsv"))
    ap.add_argument("--out", default=os.path.join(repo, "data", "elements.tsv"))
    ap.add_argument("--report", action="store_true", help="print cross-checks and zero counts")
    args = ap.parse_args(argv)

    log = []
    rows = assemble(load_sources(args), log)
    apply_overrides(rows, args.overrides, log)
    faults = check(rows)
    if args.report or faults:
        for line in log:
            print(line)
        for r in rows:
            for note in r.notes:
                print(f"{r.values['Symbol']}: {note}")
        for f, n in zero_counts(rows).items():
            print(f"zero/empty {f}: {n}")
    if faults:
        for f in faults:
            print("FAULT", f, file=sys.stderr)
        return 1
    write_tsv(rows, args.out)
    print(f"wrote {args.out}: {len(rows)} elements")
    return 0


if __name__ == "__main__":
    sys.exit(main())
