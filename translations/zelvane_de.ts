<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Classes</name>
    <message>
        <source>Inert Gas</source>
        <translation>Edelgas</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halogen</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>Semimetallic</source>
        <translation>Halbmetall</translation>
    </message>
    <message>
        <source>Transition Metal</source>
        <translation>Übergangsmetall</translation>
    </message>
    <message>
        <source>Alkali Metal</source>
        <translation>Alkalimetall</translation>
    </message>
    <message>
        <source>Alkaline-earth Metal</source>
        <translation>Erdalkalimetall</translation>
    </message>
    <message>
        <source>Other Metal</source>
        <translation>Anderes Metall</translation>
    </message>
    <message>
        <source>Rare Earth Element (Lanthanide Series)</source>
        <translation>Seltenerdelement (Lanthanoide)</translation>
    </message>
    <message>
        <source>Radioactive Rare Earth Element (Actinide Series)</source>
        <translation>Radioaktives Seltenerdelement (Actinoide)</translation>
    </message>
    <message>
        <source>Non Metals</source>
        <extracomment>The class legend: at most 105 pixels in the left column (Non Metals, Halogens, Inert Gases, Semimetallics, Transition Metals), 118 in the right.</extracomment>
        <translation>Nichtmetalle</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Alkalimetalle</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogene</translation>
    </message>
    <message>
        <source>Alkaline Earth Metals</source>
        <translation>Erdalkalimetalle</translation>
    </message>
    <message>
        <source>Inert Gases</source>
        <translation>Edelgase</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Andere Metalle</translation>
    </message>
    <message>
        <source>Semimetallics</source>
        <translation>Halbmetalle</translation>
    </message>
    <message>
        <source>Rare Earth Elements</source>
        <translation>Seltene Erden</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Übergangsmetalle</translation>
    </message>
    <message>
        <source>Radioactive RE Elements</source>
        <translation>Radioakt. Seltene Erden</translation>
    </message>
</context>
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
    <name>States</name>
    <message>
        <source>State</source>
        <extracomment>The key&apos;s heading of the state symbols: at most 25 pixels, then a line.</extracomment>
        <translation>Zust.</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>The key&apos;s state names: Gas and Solid at most 33 pixels, Liquid and Man Made 53.</extracomment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Man Made</source>
        <translation>Künstlich</translation>
    </message>
    <message>
        <source>State at %1</source>
        <extracomment>The state key&apos;s heading with a temperature (&quot;State at 298 K&quot;): at most 248 pixels.</extracomment>
        <translation>Zustand bei %1</translation>
    </message>
    <message>
        <source>Unknown: the points known do not decide</source>
        <extracomment>Under the state key: at most 248 pixels.</extracomment>
        <translation>Unbekannt: die bekannten Punkte genügen nicht</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gasförmig</translation>
    </message>
    <message>
        <source>state unknown</source>
        <translation>Zustand unbekannt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 at %2 (%3, %4)</source>
        <extracomment>The state at the chosen temperature (solid, liquid, gas or state unknown), the temperature, then the melting and boiling points.</extracomment>
        <translation>%1 bei %2 (%3, %4)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>PERIOD</source>
        <extracomment>Written downwards, one letter a line: at most 12 letters.</extracomment>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <extracomment>A banner&apos;s label, in bold: at most 106 pixels.</extracomment>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GRUPPE</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>What the key cell&apos;s parts are: at most 140 pixels.</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Atommasse</translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>Block: the subshell being filled</source>
        <extracomment>The block key&apos;s heading: at most 248 pixels.</extracomment>
        <translation>Block: die Unterschale, die sich füllt</translation>
    </message>
    <message>
        <source>%1, log scale</source>
        <extracomment>The colour bar&apos;s heading: a view&apos;s title and unit, on a logarithmic scale. At most 248 pixels with the longest title.</extracomment>
        <translation>%1, log. Skala</translation>
    </message>
    <message>
        <source>No element has a value</source>
        <translation>Kein Element hat einen Wert</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>State at a temperature</source>
        <translation>Zustand bei einer Temperatur</translation>
    </message>
    <message>
        <source>state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>atomic weight</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>melting point</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>boiling point</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Atomradius</translation>
    </message>
    <message>
        <source>atomic radius</source>
        <translation>Atomradius</translation>
    </message>
    <message>
        <source>Covalent radius</source>
        <translation>Kovalenzradius</translation>
    </message>
    <message>
        <source>covalent radius</source>
        <translation>Kovalenzradius</translation>
    </message>
    <message>
        <source>Atomic volume</source>
        <translation>Atomvolumen</translation>
    </message>
    <message>
        <source>atomic volume</source>
        <translation>Atomvolumen</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektronegativität</translation>
    </message>
    <message>
        <source>electronegativity</source>
        <translation>Elektronegativität</translation>
    </message>
    <message>
        <source>Ionization energy</source>
        <translation>Ionisierungsenergie</translation>
    </message>
    <message>
        <source>ionization energy</source>
        <translation>Ionisierungsenergie</translation>
    </message>
    <message>
        <source>Specific heat</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>specific heat</source>
        <translation>spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Fusion heat</source>
        <translation>Schmelzwärme</translation>
    </message>
    <message>
        <source>fusion heat</source>
        <translation>Schmelzwärme</translation>
    </message>
    <message>
        <source>Evaporation heat</source>
        <translation>Verdampfungswärme</translation>
    </message>
    <message>
        <source>evaporation heat</source>
        <translation>Verdampfungswärme</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <translation>Debye-Temperatur</translation>
    </message>
    <message>
        <source>s block</source>
        <translation>s-Block</translation>
    </message>
    <message>
        <source>p block</source>
        <translation>p-Block</translation>
    </message>
    <message>
        <source>d block</source>
        <translation>d-Block</translation>
    </message>
    <message>
        <source>f block</source>
        <translation>f-Block</translation>
    </message>
    <message>
        <source>block unknown</source>
        <translation>Block unbekannt</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>A key entry: at most 105 pixels.</extracomment>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A cell&apos;s tooltip: the element&apos;s name, its atomic number, then what the view shows.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>class unknown</source>
        <translation>Klasse unbekannt</translation>
    </message>
    <message>
        <source>melting point %1</source>
        <translation>Schmelzpunkt %1</translation>
    </message>
    <message>
        <source>no melting point known</source>
        <translation>Schmelzpunkt unbekannt</translation>
    </message>
    <message>
        <source>boiling point %1</source>
        <translation>Siedepunkt %1</translation>
    </message>
    <message>
        <source>no boiling point known</source>
        <translation>Siedepunkt unbekannt</translation>
    </message>
    <message>
        <source>no %1 known</source>
        <extracomment>A property without a value: its words (&quot;density&quot;).</extracomment>
        <translation>%1 unbekannt</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <comment>in a sentence</comment>
        <translation>Debye-Temperatur</translation>
    </message>
</context>
</TS>
