<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element its data sheet beside a model of its atom.</source>
        <translation>Una obra de consulta sobre los elementos químicos: la tabla periódica y, para cada elemento, su ficha de datos junto a un modelo de su átomo.</translation>
    </message>
    <message>
        <source>Where the figures come from</source>
        <translation>De dónde vienen los valores</translation>
    </message>
    <message>
        <source>Point at a line of the data sheet, or press F2 on the line that has the focus, to see where its value comes from; %1 lists them all. Each value names one of these sources by its code:</source>
        <extracomment>%1 is the command, shown in italics; keep it as it is</extracomment>
        <translation>Señale una línea de la ficha de datos, o pulse F2 en la línea que tiene el foco, para ver de dónde viene su valor; %1 los enumera todos. Cada valor nombra una de estas fuentes por su código:</translation>
    </message>
    <message>
        <source>Report a wrong value</source>
        <translation>Informar de un valor erróneo</translation>
    </message>
    <message>
        <source>Please report it at %1, with the element, the line, its value and its source as the data sheet shows them.</source>
        <extracomment>%1 is the address where wrong values are reported</extracomment>
        <translation>Infórmelo en %1, con el elemento, la línea, su valor y su fuente tal como los muestra la ficha de datos.</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>Acerca de Zelvane</translation>
    </message>
    <message>
        <source>The data sheet shows the appearance, the discoverer and the origin of the name in English, as the data set gives them; the notes on the sources and licences below are in English too.</source>
        <extracomment>Said in every language but English</extracomment>
        <translation>La ficha de datos muestra el aspecto, el descubridor y el origen del nombre en inglés, tal como los da el conjunto de datos; las notas sobre las fuentes y las licencias que siguen también están en inglés.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Periodic table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Ficha de datos</translation>
    </message>
    <message>
        <source>Atom model</source>
        <translation>Modelo del átomo</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Velocidad de la animación</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chooser&apos;s name and its choice: &quot;View: Density&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Zelvane  v1.0, by Zelvane Works</source>
        <extracomment>The banner&apos;s product line: the name, two blanks, the version, the maker</extracomment>
        <translation>Zelvane  v1.0, de Zelvane Works</translation>
    </message>
    <message>
        <source>Visit the Zelvane Works web site for our other titles.</source>
        <extracomment>The banner&apos;s last line, at most 540 pixels wide in the banner&apos;s 19-pixel bold face</extracomment>
        <translation>Más títulos en la web de Zelvane Works.</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element
its data sheet beside a model of its atom. X is an atomic number, a symbol or the
start of a name, in any case. In the window, a line of the data sheet tells where
its value comes from when pointed at, or with F2 when it has the focus; F1 shows
the About page.</source>
        <extracomment>--help&apos;s description, in lines of at most 80 characters. X stands for the value of --element and --sheet; F1 and F2 are keys.</extracomment>
        <translation>Una obra de consulta sobre los elementos químicos: la tabla periódica y, para
cada elemento, su ficha de datos junto a un modelo de su átomo. X es un número
atómico, un símbolo o el comienzo de un nombre, en mayúsculas o minúsculas. En
la ventana, una línea de la ficha indica de dónde viene su valor al señalarla, o
con F2 cuando tiene el foco; F1 muestra la página «Acerca de».</translation>
    </message>
    <message>
        <source>Open at element X once the banner has gone; with --pdf, write its page.</source>
        <translation>Abre el elemento X cuando desaparece el cartel de inicio; con --pdf, escribe su página.</translation>
    </message>
    <message>
        <source>Write the table page (landscape), or with --element the element&apos;s page (portrait), to FILE as PDF (- for standard output), and show no window.</source>
        <translation>Escribe la página de la tabla (horizontal), o con --element la página del elemento (vertical), en FILE como PDF (- para la salida estándar), sin mostrar ninguna ventana.</translation>
    </message>
    <message>
        <source>Write the page --pdf would write to FILE as SVG instead.</source>
        <translation>Escribe en FILE como SVG la página que escribiría --pdf.</translation>
    </message>
    <message>
        <source>Write the table picture as the screen shows it, or with --element the Element page, to FILE as PNG.</source>
        <translation>Escribe la imagen de la tabla tal como la muestra la pantalla, o con --element la página Elemento, en FILE como PNG.</translation>
    </message>
    <message>
        <source>With --png: the picture&apos;s scale, 1 (the default) or more, such as 1.5.</source>
        <translation>Con --png: la escala de la imagen, 1 (por omisión) o más, por ejemplo 1.5.</translation>
    </message>
    <message>
        <source>Write element X&apos;s data sheet to standard output as text.</source>
        <translation>Escribe la ficha de datos del elemento X en la salida estándar como texto.</translation>
    </message>
    <message>
        <source>With --sheet, follow each line with where its value comes from.</source>
        <translation>Con --sheet, cada línea va seguida de la procedencia de su valor.</translation>
    </message>
    <message>
        <source>Read FILE instead of elementDat.edb beside the program.</source>
        <translation>Lee FILE en lugar de elementDat.edb junto al programa.</translation>
    </message>
    <message>
        <source>Speak the language CODE: de (German), fr (French), es (Spanish) or en (English). Without it the language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.</source>
        <translation>Habla el idioma CODE: de (alemán), fr (francés), es (español) o en (inglés). Sin esta opción, el idioma sigue LANGUAGE, LC_ALL, LC_MESSAGES y LANG.</translation>
    </message>
    <message>
        <source>warning: %1 holds no elements</source>
        <translation>aviso: %1 no contiene ningún elemento</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--sheet goes alone</source>
        <extracomment>A fault in the command line. Options such as --sheet are written as they are in every language.</extracomment>
        <translation>--sheet va solo</translation>
    </message>
    <message>
        <source>--pdf, --svg and --png go one at a time</source>
        <translation>--pdf, --svg y --png van de uno en uno</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <extracomment>%1 is pdf, svg or png.</extracomment>
        <translation>--%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--scale goes with --png</source>
        <translation>--scale va con --png</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8, not %1</source>
        <translation>--scale admite un número de 1 a 8, no %1</translation>
    </message>
    <message>
        <source>--%1 needs an element: a number, a symbol or a name</source>
        <translation>--%1 necesita un elemento: un número atómico, un símbolo o un nombre</translation>
    </message>
    <message>
        <source>--sources goes with --sheet</source>
        <translation>--sources va con --sheet</translation>
    </message>
    <message>
        <source>no element %1 in %2</source>
        <translation>no hay ningún elemento %1 en %2</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;. DISPLAY is a variable&apos;s name.</extracomment>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>nothing answers at %1 or %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %1 and %2 are such as DISPLAY=:0.</extracomment>
        <translation>nada responde en %1 ni en %2</translation>
    </message>
    <message>
        <source>nothing answers at %1</source>
        <translation>nada responde en %1</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed, and %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %2 is one of the other reasons.</extracomment>
        <translation>el complemento de plataforma de Qt «%1» no está instalado, y %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1); --pdf and --sheet work without one</source>
        <translation>no se puede abrir una pantalla (%1); --pdf y --sheet funcionan sin ella</translation>
    </message>
    <message>
        <source>Colour the table by NAME (--list-views names them), in the window and in --pdf; by the classes when not given.</source>
        <translation>Colorea la tabla según NAME (--list-views los nombra), en la ventana y en --pdf; sin esta opción, según las clases.</translation>
    </message>
    <message>
        <source>The state view&apos;s temperature T, a number and its unit: 300K, 25C or 77F; 298K when not given.</source>
        <translation>La temperatura T de la vista de estados, un número y su unidad: 300K, 25C o 77F; 298K sin esta opción.</translation>
    </message>
    <message>
        <source>List the views&apos; names, one a line.</source>
        <translation>Enumera los nombres de las vistas, uno por línea.</translation>
    </message>
    <message>
        <source>no view %1 (zelvane --list-views names them)</source>
        <translation>no hay ninguna vista %1 (zelvane --list-views las nombra)</translation>
    </message>
    <message>
        <source>bad temperature %1: give a number and its unit, K, C or F, from %2 to %3</source>
        <translation>temperatura no válida %1: indique un número y su unidad, K, C o F, de %2 a %3</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la versión.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>PT</source>
        <extracomment>The Periodic Table tab&apos;s face, 51 x 28 pixels: an abbreviation of two or three letters</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Protons:</source>
        <extracomment>The legend&apos;s caption, at most 46 pixels wide (bold)</extracomment>
        <translation>Prot.:</translation>
    </message>
    <message>
        <source>Neutrons:</source>
        <extracomment>The legend&apos;s caption, at most 54 pixels wide (bold)</extracomment>
        <translation>Neutr.:</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <extracomment>The legend&apos;s caption, at most 59 pixels wide (bold)</extracomment>
        <translation>Electr.:</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The caption of the row of electrons by level, at most 38 pixels wide (bold)</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Level Colors On/Off</source>
        <translation>Colores de las capas sí/no</translation>
    </message>
    <message>
        <source>Level On/Off</source>
        <translation>Capas sí/no</translation>
    </message>
    <message>
        <source>Level Circular/Eliptic</source>
        <translation>Capas circulares/elípticas</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Velocidad de la animación</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Classification %1 is outside 0 to 10</source>
        <extracomment>Classification, State, LevelCount and LevelElectrons name fields of the data file&apos;s records; they stay as they are.</extracomment>
        <translation>Classification %1 está fuera de 0 a 10</translation>
    </message>
    <message>
        <source>State %1 is outside 0 to 3</source>
        <translation>State %1 está fuera de 0 a 3</translation>
    </message>
    <message>
        <source>LevelCount %1 is outside 0 to 7</source>
        <translation>LevelCount %1 está fuera de 0 a 7</translation>
    </message>
    <message>
        <source>LevelElectrons of level %1 is %2; an occupied level holds 1 to 118 electrons</source>
        <translation>LevelElectrons del nivel %1 es %2; un nivel ocupado tiene de 1 a 118 electrones</translation>
    </message>
    <message>
        <source>LevelElectrons add up to %1, more than 118</source>
        <translation>la suma de LevelElectrons es %1, más de 118</translation>
    </message>
    <message>
        <source>%1 is too short to hold its record count</source>
        <extracomment>%1 is the data file&apos;s name.</extracomment>
        <translation>%1 es demasiado corto para contener su número de registros</translation>
    </message>
    <message>
        <source>%1 says it holds %2 records, more than 118</source>
        <translation>%1 dice contener %2 registros, más de 118</translation>
    </message>
    <message>
        <source>%1 holds %2 whole records, but its header promises %3</source>
        <translation>%1 contiene %2 registros completos, pero su cabecera promete %3</translation>
    </message>
    <message>
        <source>%1, record %2: %3</source>
        <extracomment>%1 is the data file&apos;s name, %3 what is wrong with record %2.</extracomment>
        <translation>%1, registro %2: %3</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <extracomment>%1 is the data file&apos;s name, %2 the folder it was looked for in.</extracomment>
        <translation>no se encontró %1 en %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
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
    <name>FileWrite</name>
    <message>
        <source>cannot write standard output: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Periodic Table</source>
        <translation>Imprimir la tabla periódica</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Element</source>
        <translation>Imprimir el elemento</translation>
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
    <name>ViewPanel</name>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>Temperature in kelvin</source>
        <translation>Temperatura en kelvin</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Resaltar</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The highlight chooser&apos;s first entry: no group of the key is highlighted</extracomment>
        <translation>Ninguno</translation>
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
<context>
    <name>Window</name>
    <message>
        <source>Click an Element for more Information.</source>
        <extracomment>The table page&apos;s hint in the header, at most 238 pixels wide</extracomment>
        <translation>Haga clic en un elemento para ver más.</translation>
    </message>
    <message>
        <source>About Zelvane (F1)</source>
        <translation>Acerca de Zelvane (F1)</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>Acerca de Zelvane</translation>
    </message>
    <message>
        <source>Find: %1 - %2</source>
        <extracomment>What was typed to find an element, and the element found; at most 260 pixels wide</extracomment>
        <translation>Buscar: %1 - %2</translation>
    </message>
    <message>
        <source>Find: %1 - no element</source>
        <extracomment>What was typed, when no element matches; at most 260 pixels wide</extracomment>
        <translation>Buscar: %1 - ningún elemento</translation>
    </message>
</context>
</TS>
