<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Classes</name>
    <message>
        <source>Inert Gas</source>
        <translation>Gaz noble</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halogène</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>Non-métal</translation>
    </message>
    <message>
        <source>Semimetallic</source>
        <translation>Métalloïde</translation>
    </message>
    <message>
        <source>Transition Metal</source>
        <translation>Métal de transition</translation>
    </message>
    <message>
        <source>Alkali Metal</source>
        <translation>Métal alcalin</translation>
    </message>
    <message>
        <source>Alkaline-earth Metal</source>
        <translation>Métal alcalino-terreux</translation>
    </message>
    <message>
        <source>Other Metal</source>
        <translation>Autre métal</translation>
    </message>
    <message>
        <source>Rare Earth Element (Lanthanide Series)</source>
        <translation>Terre rare (lanthanides)</translation>
    </message>
    <message>
        <source>Radioactive Rare Earth Element (Actinide Series)</source>
        <translation>Terre rare radioactive (actinides)</translation>
    </message>
    <message>
        <source>Non Metals</source>
        <extracomment>The class legend: at most 105 pixels in the left column (Non Metals, Halogens, Inert Gases, Semimetallics, Transition Metals), 118 in the right.</extracomment>
        <translation>Non-métaux</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Métaux alcalins</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogènes</translation>
    </message>
    <message>
        <source>Alkaline Earth Metals</source>
        <translation>Alcalino-terreux</translation>
    </message>
    <message>
        <source>Inert Gases</source>
        <translation>Gaz nobles</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Autres métaux</translation>
    </message>
    <message>
        <source>Semimetallics</source>
        <translation>Métalloïdes</translation>
    </message>
    <message>
        <source>Rare Earth Elements</source>
        <translation>Terres rares</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Métaux de transition</translation>
    </message>
    <message>
        <source>Radioactive RE Elements</source>
        <translation>Terres rares radioact.</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
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
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassium</translation>
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
        <translation>Titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
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
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
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
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brome</translation>
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
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technétium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthénium</translation>
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
        <translation>Argent</translation>
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
        <translation>Étain</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellure</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prométhium</translation>
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
        <translation>Lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantale</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhénium</translation>
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
        <translation>Platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astate</translation>
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
        <translation>Uranium</translation>
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
        <translation>Américium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkélium</translation>
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
        <translation>Mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélium</translation>
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
        <translation>Meitnérium</translation>
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
        <translation>Flérovium</translation>
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
        <translation>Tennesse</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>The key&apos;s state names: Gas and Solid at most 33 pixels, Liquid and Man Made 53.</extracomment>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solide</translation>
    </message>
    <message>
        <source>Man Made</source>
        <translation>Artificiel</translation>
    </message>
    <message>
        <source>State at %1</source>
        <extracomment>The state key&apos;s heading with a temperature (&quot;State at 298 K&quot;): at most 248 pixels.</extracomment>
        <translation>État à %1</translation>
    </message>
    <message>
        <source>Unknown: the points known do not decide</source>
        <extracomment>Under the state key: at most 248 pixels.</extracomment>
        <translation>Inconnu : les points connus ne suffisent pas</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>solide</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquide</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gazeux</translation>
    </message>
    <message>
        <source>state unknown</source>
        <translation>état inconnu</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 at %2 (%3, %4)</source>
        <extracomment>The state at the chosen temperature (solid, liquid, gas or state unknown), the temperature, then the melting and boiling points.</extracomment>
        <translation>%1 à %2 (%3, %4)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>PERIOD</source>
        <extracomment>Written downwards, one letter a line: at most 12 letters.</extracomment>
        <translation>PÉRIODE</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <extracomment>A banner&apos;s label, in bold: at most 106 pixels.</extracomment>
        <translation>Lanthanides</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actinides</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GROUPE</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>What the key cell&apos;s parts are: at most 140 pixels.</extracomment>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numéro atomique</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masse atomique</translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>Block: the subshell being filled</source>
        <extracomment>The block key&apos;s heading: at most 248 pixels.</extracomment>
        <translation>Bloc : la sous-couche en remplissage</translation>
    </message>
    <message>
        <source>%1, log scale</source>
        <extracomment>The colour bar&apos;s heading: a view&apos;s title and unit, on a logarithmic scale. At most 248 pixels with the longest title.</extracomment>
        <translation>%1, échelle log.</translation>
    </message>
    <message>
        <source>No element has a value</source>
        <translation>Aucun élément n&apos;a de valeur</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloc</translation>
    </message>
    <message>
        <source>State at a temperature</source>
        <translation>État à une température</translation>
    </message>
    <message>
        <source>state</source>
        <translation>état</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>atomic weight</source>
        <translation>masse atomique</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>density</source>
        <translation>masse volumique</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Point de fusion</translation>
    </message>
    <message>
        <source>melting point</source>
        <translation>point de fusion</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Point d&apos;ébullition</translation>
    </message>
    <message>
        <source>boiling point</source>
        <translation>point d&apos;ébullition</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Rayon atomique</translation>
    </message>
    <message>
        <source>atomic radius</source>
        <translation>rayon atomique</translation>
    </message>
    <message>
        <source>Covalent radius</source>
        <translation>Rayon de covalence</translation>
    </message>
    <message>
        <source>covalent radius</source>
        <translation>rayon de covalence</translation>
    </message>
    <message>
        <source>Atomic volume</source>
        <translation>Volume atomique</translation>
    </message>
    <message>
        <source>atomic volume</source>
        <translation>volume atomique</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Électronégativité</translation>
    </message>
    <message>
        <source>electronegativity</source>
        <translation>électronégativité</translation>
    </message>
    <message>
        <source>Ionization energy</source>
        <translation>Énergie d&apos;ionisation</translation>
    </message>
    <message>
        <source>ionization energy</source>
        <translation>énergie d&apos;ionisation</translation>
    </message>
    <message>
        <source>Specific heat</source>
        <translation>Capacité thermique massique</translation>
    </message>
    <message>
        <source>specific heat</source>
        <translation>capacité thermique massique</translation>
    </message>
    <message>
        <source>Fusion heat</source>
        <translation>Chaleur de fusion</translation>
    </message>
    <message>
        <source>fusion heat</source>
        <translation>chaleur de fusion</translation>
    </message>
    <message>
        <source>Evaporation heat</source>
        <translation>Chaleur de vaporisation</translation>
    </message>
    <message>
        <source>evaporation heat</source>
        <translation>chaleur de vaporisation</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>conductivité thermique</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <translation>Température de Debye</translation>
    </message>
    <message>
        <source>s block</source>
        <translation>bloc s</translation>
    </message>
    <message>
        <source>p block</source>
        <translation>bloc p</translation>
    </message>
    <message>
        <source>d block</source>
        <translation>bloc d</translation>
    </message>
    <message>
        <source>f block</source>
        <translation>bloc f</translation>
    </message>
    <message>
        <source>block unknown</source>
        <translation>bloc inconnu</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>A key entry: at most 105 pixels.</extracomment>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A cell&apos;s tooltip: the element&apos;s name, its atomic number, then what the view shows.</extracomment>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>class unknown</source>
        <translation>classe inconnue</translation>
    </message>
    <message>
        <source>melting point %1</source>
        <translation>point de fusion %1</translation>
    </message>
    <message>
        <source>no melting point known</source>
        <translation>point de fusion inconnu</translation>
    </message>
    <message>
        <source>boiling point %1</source>
        <translation>point d&apos;ébullition %1</translation>
    </message>
    <message>
        <source>no boiling point known</source>
        <translation>point d&apos;ébullition inconnu</translation>
    </message>
    <message>
        <source>no %1 known</source>
        <extracomment>A property without a value: its words (&quot;density&quot;).</extracomment>
        <translation>%1 : valeur inconnue</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <comment>in a sentence</comment>
        <translation>température de Debye</translation>
    </message>
</context>
</TS>
