<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicium</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenness</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Body-centered cubic</source>
        <translation>Kubisch raumzentriert</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Diamond cubic</source>
        <translation>Diamantstruktur</translation>
    </message>
    <message>
        <source>Face-centered cubic</source>
        <translation>Kubisch flächenzentriert</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoklin</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombisch</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboedrisch</translation>
    </message>
    <message>
        <source>Simple cubic</source>
        <translation>Kubisch primitiv</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Triclinic</source>
        <translation>Triklin</translation>
    </message>
    <message>
        <source>Period: </source>
        <extracomment>A bold label of the data sheet, keeping its colon and trailing space. The value column starts 21 average widths of Arial 8 to the right (Courier 10: 22 characters before it); abbreviate a longer label.</extracomment>
        <translation>Periode: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Gruppe: </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Kategorie: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Zustand: </translation>
    </message>
    <message>
        <source>Atomic Weight: </source>
        <translation>Atommasse: </translation>
    </message>
    <message>
        <source>     g/mol</source>
        <extracomment>A unit after a value; keep its leading spaces.</extracomment>
        <translation>     g/mol</translation>
    </message>
    <message>
        <source>Atomic Volume:</source>
        <translation>Atomvolumen:</translation>
    </message>
    <message>
        <source>     cm³/mol</source>
        <translation>     cm³/mol</translation>
    </message>
    <message>
        <source>Atomic Radius: </source>
        <translation>Atomradius: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Dichte: </translation>
    </message>
    <message>
        <source>Electro Negativity: </source>
        <translation>Elektronegativität: </translation>
    </message>
    <message>
        <source>Electro Conduct:</source>
        <translation>El. Leitfähigkeit:</translation>
    </message>
    <message>
        <source>Thermal Conduct:</source>
        <translation>Wärmeleitfähigkeit:</translation>
    </message>
    <message>
        <source>     Wm-¹K-¹ (at 300 K)</source>
        <translation>     Wm-¹K-¹ (bei 300 K)</translation>
    </message>
    <message>
        <source>Melting Point:</source>
        <translation>Schmelzpunkt:</translation>
    </message>
    <message>
        <source>     K</source>
        <translation>     K</translation>
    </message>
    <message>
        <source>Boiling Point:</source>
        <translation>Siedepunkt:</translation>
    </message>
    <message>
        <source>Specific Heat:</source>
        <translation>Spez. Wärme:</translation>
    </message>
    <message>
        <source>     Jg-¹K-¹ (at 300 K)</source>
        <translation>     Jg-¹K-¹ (bei 300 K)</translation>
    </message>
    <message>
        <source>Fusion Heat:</source>
        <translation>Schmelzwärme:</translation>
    </message>
    <message>
        <source>     kj/mol</source>
        <translation>     kJ/mol</translation>
    </message>
    <message>
        <source>Evaporation Heat:</source>
        <translation>Verdampf.-Wärme:</translation>
    </message>
    <message>
        <source>Debye Temp:</source>
        <translation>Debye-Temperatur:</translation>
    </message>
    <message>
        <source>Covalent Radius:</source>
        <translation>Kovalenzradius:</translation>
    </message>
    <message>
        <source>      Å</source>
        <translation>      Å</translation>
    </message>
    <message>
        <source>Ionic Radius:</source>
        <translation>Ionenradius:</translation>
    </message>
    <message>
        <source>    Å</source>
        <translation>    Å</translation>
    </message>
    <message>
        <source>Ionizing Energy:</source>
        <translation>Ionis.-Energie:</translation>
    </message>
    <message>
        <source>      kj/mol</source>
        <translation>      kJ/mol</translation>
    </message>
    <message>
        <source>Oxidation States:</source>
        <translation>Oxidationsstufen:</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Kristallstruktur:</translation>
    </message>
    <message>
        <source>Crystal Constant:</source>
        <translation>Gitterkonstante:</translation>
    </message>
    <message>
        <source>     (A)</source>
        <translation>     (Å)</translation>
    </message>
    <message>
        <source>Crystal CA Ratio:</source>
        <translation>c/a-Verhältnis:</translation>
    </message>
    <message>
        <source>Electronic Config:</source>
        <translation>Elektronenkonfig.:</translation>
    </message>
    <message>
        <source>Discovered: </source>
        <translation>Entdeckt: </translation>
    </message>
    <message>
        <source>Discoverer: </source>
        <translation>Entdecker: </translation>
    </message>
    <message>
        <source>Appearance: </source>
        <translation>Aussehen: </translation>
    </message>
    <message>
        <source>Name Origin: </source>
        <translation>Namensherkunft: </translation>
    </message>
    <message>
        <source>Protons:</source>
        <extracomment>The printed page&apos;s particle legend, right of the atom picture: the particle counts end under the first digit of the level row below.</extracomment>
        <translation>Protonen:</translation>
    </message>
    <message>
        <source>Neutrons:</source>
        <translation>Neutronen:</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <translation>Elektronen:</translation>
    </message>
    <message>
        <source>    Level:</source>
        <extracomment>The printed page&apos;s row of electron levels (shells), &quot;1&quot; to &quot;7&quot; after it; keep the leading spaces. The particle counts above end under its &quot;1&quot;.</extracomment>
        <translation>    Schale:</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>Reason: %1</source>
        <extracomment>Why a value was corrected by hand.</extracomment>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The source of a sheet line whose value is not the data set&apos;s own.</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two sources of one line, or a list and one more.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Sources: %1; see Zelvane&apos;s About page.</source>
        <extracomment>The printed page&apos;s last line; %1 is a list of source codes (&quot;pymatgen, NIST&quot;).</extracomment>
        <translation>Quellen: %1; siehe die Info-Seite von Zelvane.</translation>
    </message>
</context>
<context>
    <name>SheetStates</name>
    <message>
        <source>Solid</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gasförmig</translation>
    </message>
    <message>
        <source>Artificial (Man Made)</source>
        <extracomment>An element made only in laboratories, with no state of its own.</extracomment>
        <translation>Künstlich (synthetisch)</translation>
    </message>
</context>
</TS>
