<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>Sheet</name>
    <message>
        <source>Body-centered cubic</source>
        <translation>Cubique centré</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubique</translation>
    </message>
    <message>
        <source>Diamond cubic</source>
        <translation>Cubique diamant</translation>
    </message>
    <message>
        <source>Face-centered cubic</source>
        <translation>Cubique à faces centrées</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclinique</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombique</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboédrique</translation>
    </message>
    <message>
        <source>Simple cubic</source>
        <translation>Cubique simple</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Quadratique</translation>
    </message>
    <message>
        <source>Triclinic</source>
        <translation>Triclinique</translation>
    </message>
    <message>
        <source>Period: </source>
        <extracomment>A bold label of the data sheet, keeping its colon and trailing space. The value column starts 21 average widths of Arial 8 to the right (Courier 10: 22 characters before it); abbreviate a longer label.</extracomment>
        <translation>Période : </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Groupe : </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Famille : </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>État : </translation>
    </message>
    <message>
        <source>Atomic Weight: </source>
        <translation>Masse atomique : </translation>
    </message>
    <message>
        <source>     g/mol</source>
        <extracomment>A unit after a value; keep its leading spaces.</extracomment>
        <translation>     g/mol</translation>
    </message>
    <message>
        <source>Atomic Volume:</source>
        <translation>Volume atomique :</translation>
    </message>
    <message>
        <source>     cm³/mol</source>
        <translation>     cm³/mol</translation>
    </message>
    <message>
        <source>Atomic Radius: </source>
        <translation>Rayon atomique : </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Masse volumique : </translation>
    </message>
    <message>
        <source>Electro Negativity: </source>
        <translation>Électronégativité : </translation>
    </message>
    <message>
        <source>Electro Conduct:</source>
        <translation>Cond. électrique :</translation>
    </message>
    <message>
        <source>Thermal Conduct:</source>
        <translation>Cond. thermique :</translation>
    </message>
    <message>
        <source>     Wm-¹K-¹ (at 300 K)</source>
        <translation>     Wm-¹K-¹ (à 300 K)</translation>
    </message>
    <message>
        <source>Melting Point:</source>
        <translation>Point de fusion :</translation>
    </message>
    <message>
        <source>     K</source>
        <translation>     K</translation>
    </message>
    <message>
        <source>Boiling Point:</source>
        <translation>Point d&apos;ébullition :</translation>
    </message>
    <message>
        <source>Specific Heat:</source>
        <translation>Chaleur massique :</translation>
    </message>
    <message>
        <source>     Jg-¹K-¹ (at 300 K)</source>
        <translation>     Jg-¹K-¹ (à 300 K)</translation>
    </message>
    <message>
        <source>Fusion Heat:</source>
        <translation>Chaleur de fusion :</translation>
    </message>
    <message>
        <source>     kj/mol</source>
        <translation>     kJ/mol</translation>
    </message>
    <message>
        <source>Evaporation Heat:</source>
        <translation>Chaleur de vap. :</translation>
    </message>
    <message>
        <source>Debye Temp:</source>
        <translation>Temp. de Debye :</translation>
    </message>
    <message>
        <source>Covalent Radius:</source>
        <translation>Rayon covalent :</translation>
    </message>
    <message>
        <source>      Å</source>
        <translation>      Å</translation>
    </message>
    <message>
        <source>Ionic Radius:</source>
        <translation>Rayon ionique :</translation>
    </message>
    <message>
        <source>    Å</source>
        <translation>    Å</translation>
    </message>
    <message>
        <source>Ionizing Energy:</source>
        <translation>Énergie d&apos;ionis. :</translation>
    </message>
    <message>
        <source>      kj/mol</source>
        <translation>      kJ/mol</translation>
    </message>
    <message>
        <source>Oxidation States:</source>
        <translation>États d&apos;oxydation :</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Système cristallin :</translation>
    </message>
    <message>
        <source>Crystal Constant:</source>
        <translation>Param. de maille :</translation>
    </message>
    <message>
        <source>     (A)</source>
        <translation>     (Å)</translation>
    </message>
    <message>
        <source>Crystal CA Ratio:</source>
        <translation>Rapport c/a :</translation>
    </message>
    <message>
        <source>Electronic Config:</source>
        <translation>Config. électr. :</translation>
    </message>
    <message>
        <source>Discovered: </source>
        <translation>Découverte : </translation>
    </message>
    <message>
        <source>Discoverer: </source>
        <translation>Découvreur : </translation>
    </message>
    <message>
        <source>Appearance: </source>
        <translation>Aspect : </translation>
    </message>
    <message>
        <source>Name Origin: </source>
        <translation>Origine du nom : </translation>
    </message>
    <message>
        <source>Protons:</source>
        <extracomment>The printed page&apos;s particle legend, right of the atom picture: the particle counts end under the first digit of the level row below.</extracomment>
        <translation>Protons :</translation>
    </message>
    <message>
        <source>Neutrons:</source>
        <translation>Neutrons :</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <translation>Électrons :</translation>
    </message>
    <message>
        <source>    Level:</source>
        <extracomment>The printed page&apos;s row of electron levels (shells), &quot;1&quot; to &quot;7&quot; after it; keep the leading spaces. The particle counts above end under its &quot;1&quot;.</extracomment>
        <translation>    Couche :</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>Reason: %1</source>
        <extracomment>Why a value was corrected by hand.</extracomment>
        <translation>Motif : %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The source of a sheet line whose value is not the data set&apos;s own.</extracomment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two sources of one line, or a list and one more.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Sources: %1; see Zelvane&apos;s About page.</source>
        <extracomment>The printed page&apos;s last line; %1 is a list of source codes (&quot;pymatgen, NIST&quot;).</extracomment>
        <translation>Sources : %1 ; voir la page À propos de Zelvane.</translation>
    </message>
</context>
<context>
    <name>SheetStates</name>
    <message>
        <source>Solid</source>
        <translation>Solide</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Artificial (Man Made)</source>
        <extracomment>An element made only in laboratories, with no state of its own.</extracomment>
        <translation>Artificiel (synthétique)</translation>
    </message>
</context>
</TS>
