<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Criptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Circonio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnecio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenón</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tántalo</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radón</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hasio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerio</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstatio</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenio</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicio</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonio</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovio</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovio</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorio</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Teneso</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesón</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Body-centered cubic</source>
        <translation>Cúbica centrada en el cuerpo</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cúbica</translation>
    </message>
    <message>
        <source>Diamond cubic</source>
        <translation>Cúbica de diamante</translation>
    </message>
    <message>
        <source>Face-centered cubic</source>
        <translation>Cúbica centrada en las caras</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclínica</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorrómbica</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboédrica</translation>
    </message>
    <message>
        <source>Simple cubic</source>
        <translation>Cúbica simple</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Triclinic</source>
        <translation>Triclínica</translation>
    </message>
    <message>
        <source>Period: </source>
        <extracomment>A bold label of the data sheet, keeping its colon and trailing space. The value column starts 21 average widths of Arial 8 to the right (Courier 10: 22 characters before it); abbreviate a longer label.</extracomment>
        <translation>Periodo: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Grupo: </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Categoría: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Estado: </translation>
    </message>
    <message>
        <source>Atomic Weight: </source>
        <translation>Masa atómica: </translation>
    </message>
    <message>
        <source>     g/mol</source>
        <extracomment>A unit after a value; keep its leading spaces.</extracomment>
        <translation>     g/mol</translation>
    </message>
    <message>
        <source>Atomic Volume:</source>
        <translation>Volumen atómico:</translation>
    </message>
    <message>
        <source>     cm³/mol</source>
        <translation>     cm³/mol</translation>
    </message>
    <message>
        <source>Atomic Radius: </source>
        <translation>Radio atómico: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Densidad: </translation>
    </message>
    <message>
        <source>Electro Negativity: </source>
        <translation>Electronegatividad: </translation>
    </message>
    <message>
        <source>Electro Conduct:</source>
        <translation>Cond. eléctrica:</translation>
    </message>
    <message>
        <source>Thermal Conduct:</source>
        <translation>Cond. térmica:</translation>
    </message>
    <message>
        <source>     Wm-¹K-¹ (at 300 K)</source>
        <translation>     Wm-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>Melting Point:</source>
        <translation>Pto. de fusión:</translation>
    </message>
    <message>
        <source>     K</source>
        <translation>     K</translation>
    </message>
    <message>
        <source>Boiling Point:</source>
        <translation>Pto. de ebullición:</translation>
    </message>
    <message>
        <source>Specific Heat:</source>
        <translation>Calor específico:</translation>
    </message>
    <message>
        <source>     Jg-¹K-¹ (at 300 K)</source>
        <translation>     Jg-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>Fusion Heat:</source>
        <translation>Calor de fusión:</translation>
    </message>
    <message>
        <source>     kj/mol</source>
        <translation>     kJ/mol</translation>
    </message>
    <message>
        <source>Evaporation Heat:</source>
        <translation>Calor de vaporiz.:</translation>
    </message>
    <message>
        <source>Debye Temp:</source>
        <translation>Temp. de Debye:</translation>
    </message>
    <message>
        <source>Covalent Radius:</source>
        <translation>Radio covalente:</translation>
    </message>
    <message>
        <source>      Å</source>
        <translation>      Å</translation>
    </message>
    <message>
        <source>Ionic Radius:</source>
        <translation>Radio iónico:</translation>
    </message>
    <message>
        <source>    Å</source>
        <translation>    Å</translation>
    </message>
    <message>
        <source>Ionizing Energy:</source>
        <translation>Energía de ioniz.:</translation>
    </message>
    <message>
        <source>      kj/mol</source>
        <translation>      kJ/mol</translation>
    </message>
    <message>
        <source>Oxidation States:</source>
        <translation>Estados de oxid.:</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Estructura crist.:</translation>
    </message>
    <message>
        <source>Crystal Constant:</source>
        <translation>Constante de red:</translation>
    </message>
    <message>
        <source>     (A)</source>
        <translation>     (Å)</translation>
    </message>
    <message>
        <source>Crystal CA Ratio:</source>
        <translation>Relación c/a:</translation>
    </message>
    <message>
        <source>Electronic Config:</source>
        <translation>Config. electrón.:</translation>
    </message>
    <message>
        <source>Discovered: </source>
        <translation>Descubierto: </translation>
    </message>
    <message>
        <source>Discoverer: </source>
        <translation>Descubridor: </translation>
    </message>
    <message>
        <source>Appearance: </source>
        <translation>Aspecto: </translation>
    </message>
    <message>
        <source>Name Origin: </source>
        <translation>Origen del nombre: </translation>
    </message>
    <message>
        <source>Protons:</source>
        <extracomment>The printed page&apos;s particle legend, right of the atom picture: the particle counts end under the first digit of the level row below.</extracomment>
        <translation>Protones:</translation>
    </message>
    <message>
        <source>Neutrons:</source>
        <translation>Neutrones:</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <translation>Electrones:</translation>
    </message>
    <message>
        <source>    Level:</source>
        <extracomment>The printed page&apos;s row of electron levels (shells), &quot;1&quot; to &quot;7&quot; after it; keep the leading spaces. The particle counts above end under its &quot;1&quot;.</extracomment>
        <translation>    Niveles:</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>Reason: %1</source>
        <extracomment>Why a value was corrected by hand.</extracomment>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The source of a sheet line whose value is not the data set&apos;s own.</extracomment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two sources of one line, or a list and one more.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Sources: %1; see Zelvane&apos;s About page.</source>
        <extracomment>The printed page&apos;s last line; %1 is a list of source codes (&quot;pymatgen, NIST&quot;).</extracomment>
        <translation>Fuentes: %1; véase la página Acerca de Zelvane.</translation>
    </message>
</context>
<context>
    <name>SheetStates</name>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Artificial (Man Made)</source>
        <extracomment>An element made only in laboratories, with no state of its own.</extracomment>
        <translation>Artificial (sintético)</translation>
    </message>
</context>
</TS>
