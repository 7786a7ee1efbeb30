<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Classes</name>
    <message>
        <source>Inert Gas</source>
        <translation>Gas noble</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halógeno</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>No metal</translation>
    </message>
    <message>
        <source>Semimetallic</source>
        <translation>Metaloide</translation>
    </message>
    <message>
        <source>Transition Metal</source>
        <translation>Metal de transición</translation>
    </message>
    <message>
        <source>Alkali Metal</source>
        <translation>Metal alcalino</translation>
    </message>
    <message>
        <source>Alkaline-earth Metal</source>
        <translation>Metal alcalinotérreo</translation>
    </message>
    <message>
        <source>Other Metal</source>
        <translation>Otro metal</translation>
    </message>
    <message>
        <source>Rare Earth Element (Lanthanide Series)</source>
        <translation>Tierra rara (lantánidos)</translation>
    </message>
    <message>
        <source>Radioactive Rare Earth Element (Actinide Series)</source>
        <translation>Tierra rara radiactiva (actínidos)</translation>
    </message>
    <message>
        <source>Non Metals</source>
        <extracomment>The class legend: at most 105 pixels in the left column (Non Metals, Halogens, Inert Gases, Semimetallics, Transition Metals), 118 in the right.</extracomment>
        <translation>No metales</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Metales alcalinos</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halógenos</translation>
    </message>
    <message>
        <source>Alkaline Earth Metals</source>
        <translation>Alcalinotérreos</translation>
    </message>
    <message>
        <source>Inert Gases</source>
        <translation>Gases nobles</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Otros metales</translation>
    </message>
    <message>
        <source>Semimetallics</source>
        <translation>Metaloides</translation>
    </message>
    <message>
        <source>Rare Earth Elements</source>
        <translation>Tierras raras</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metales de transición</translation>
    </message>
    <message>
        <source>Radioactive RE Elements</source>
        <translation>Tierras raras radiact.</translation>
    </message>
</context>
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
    <name>States</name>
    <message>
        <source>State</source>
        <extracomment>The key&apos;s heading of the state symbols: at most 25 pixels, then a line.</extracomment>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>The key&apos;s state names: Gas and Solid at most 33 pixels, Liquid and Man Made 53.</extracomment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Man Made</source>
        <translation>Artificial</translation>
    </message>
    <message>
        <source>State at %1</source>
        <extracomment>The state key&apos;s heading with a temperature (&quot;State at 298 K&quot;): at most 248 pixels.</extracomment>
        <translation>Estado a %1</translation>
    </message>
    <message>
        <source>Unknown: the points known do not decide</source>
        <extracomment>Under the state key: at most 248 pixels.</extracomment>
        <translation>Desconocido: los puntos conocidos no bastan</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>sólido</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gaseoso</translation>
    </message>
    <message>
        <source>state unknown</source>
        <translation>estado desconocido</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 at %2 (%3, %4)</source>
        <extracomment>The state at the chosen temperature (solid, liquid, gas or state unknown), the temperature, then the melting and boiling points.</extracomment>
        <translation>%1 a %2 (%3, %4)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>PERIOD</source>
        <extracomment>Written downwards, one letter a line: at most 12 letters.</extracomment>
        <translation>PERIODO</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <extracomment>A banner&apos;s label, in bold: at most 106 pixels.</extracomment>
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actínidos</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GRUPO</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>What the key cell&apos;s parts are: at most 140 pixels.</extracomment>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masa atómica</translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>Block: the subshell being filled</source>
        <extracomment>The block key&apos;s heading: at most 248 pixels.</extracomment>
        <translation>Bloque: la subcapa que se llena</translation>
    </message>
    <message>
        <source>%1, log scale</source>
        <extracomment>The colour bar&apos;s heading: a view&apos;s title and unit, on a logarithmic scale. At most 248 pixels with the longest title.</extracomment>
        <translation>%1, escala log.</translation>
    </message>
    <message>
        <source>No element has a value</source>
        <translation>Ningún elemento tiene valor</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clases</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloque</translation>
    </message>
    <message>
        <source>State at a temperature</source>
        <translation>Estado a una temperatura</translation>
    </message>
    <message>
        <source>state</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>atomic weight</source>
        <translation>masa atómica</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidad</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Punto de fusión</translation>
    </message>
    <message>
        <source>melting point</source>
        <translation>punto de fusión</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Punto de ebullición</translation>
    </message>
    <message>
        <source>boiling point</source>
        <translation>punto de ebullición</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Radio atómico</translation>
    </message>
    <message>
        <source>atomic radius</source>
        <translation>radio atómico</translation>
    </message>
    <message>
        <source>Covalent radius</source>
        <translation>Radio covalente</translation>
    </message>
    <message>
        <source>covalent radius</source>
        <translation>radio covalente</translation>
    </message>
    <message>
        <source>Atomic volume</source>
        <translation>Volumen atómico</translation>
    </message>
    <message>
        <source>atomic volume</source>
        <translation>volumen atómico</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Electronegatividad</translation>
    </message>
    <message>
        <source>electronegativity</source>
        <translation>electronegatividad</translation>
    </message>
    <message>
        <source>Ionization energy</source>
        <translation>Energía de ionización</translation>
    </message>
    <message>
        <source>ionization energy</source>
        <translation>energía de ionización</translation>
    </message>
    <message>
        <source>Specific heat</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>specific heat</source>
        <translation>calor específico</translation>
    </message>
    <message>
        <source>Fusion heat</source>
        <translation>Calor de fusión</translation>
    </message>
    <message>
        <source>fusion heat</source>
        <translation>calor de fusión</translation>
    </message>
    <message>
        <source>Evaporation heat</source>
        <translation>Calor de vaporización</translation>
    </message>
    <message>
        <source>evaporation heat</source>
        <translation>calor de vaporización</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>conductividad térmica</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <translation>Temperatura de Debye</translation>
    </message>
    <message>
        <source>s block</source>
        <translation>bloque s</translation>
    </message>
    <message>
        <source>p block</source>
        <translation>bloque p</translation>
    </message>
    <message>
        <source>d block</source>
        <translation>bloque d</translation>
    </message>
    <message>
        <source>f block</source>
        <translation>bloque f</translation>
    </message>
    <message>
        <source>block unknown</source>
        <translation>bloque desconocido</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>A key entry: at most 105 pixels.</extracomment>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A cell&apos;s tooltip: the element&apos;s name, its atomic number, then what the view shows.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>class unknown</source>
        <translation>clase desconocida</translation>
    </message>
    <message>
        <source>melting point %1</source>
        <translation>punto de fusión %1</translation>
    </message>
    <message>
        <source>no melting point known</source>
        <translation>punto de fusión desconocido</translation>
    </message>
    <message>
        <source>boiling point %1</source>
        <translation>punto de ebullición %1</translation>
    </message>
    <message>
        <source>no boiling point known</source>
        <translation>punto de ebullición desconocido</translation>
    </message>
    <message>
        <source>no %1 known</source>
        <extracomment>A property without a value: its words (&quot;density&quot;).</extracomment>
        <translation>%1: valor desconocido</translation>
    </message>
    <message>
        <source>Debye temperature</source>
        <comment>in a sentence</comment>
        <translation>temperatura de Debye</translation>
    </message>
</context>
</TS>
