<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element its data sheet beside a model of its atom.</source>
        <translation>Ein Nachschlagewerk zu den chemischen Elementen: das Periodensystem und zu jedem Element sein Datenblatt neben einem Modell seines Atoms.</translation>
    </message>
    <message>
        <source>Where the figures come from</source>
        <translation>Woher die Werte stammen</translation>
    </message>
    <message>
        <source>Point at a line of the data sheet, or press F2 on the line that has the focus, to see where its value comes from; %1 lists them all. Each value names one of these sources by its code:</source>
        <extracomment>%1 is the command, shown in italics; keep it as it is</extracomment>
        <translation>Zeigen Sie auf eine Zeile des Datenblatts oder drücken Sie F2 auf der Zeile mit dem Fokus, um zu sehen, woher ihr Wert stammt; %1 listet alle auf. Jeder Wert nennt eine dieser Quellen mit ihrem Kürzel:</translation>
    </message>
    <message>
        <source>Report a wrong value</source>
        <translation>Einen falschen Wert melden</translation>
    </message>
    <message>
        <source>Please report it at %1, with the element, the line, its value and its source as the data sheet shows them.</source>
        <extracomment>%1 is the address where wrong values are reported</extracomment>
        <translation>Bitte melden Sie ihn unter %1, mit dem Element, der Zeile, ihrem Wert und ihrer Quelle, wie das Datenblatt sie zeigt.</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>Über Zelvane</translation>
    </message>
    <message>
        <source>The data sheet shows the appearance, the discoverer and the origin of the name in English, as the data set gives them; the notes on the sources and licences below are in English too.</source>
        <extracomment>Said in every language but English</extracomment>
        <translation>Das Datenblatt zeigt das Aussehen, den Entdecker und die Herkunft des Namens auf Englisch, so wie der Datensatz sie angibt; auch die Angaben zu den Quellen und Lizenzen weiter unten sind englisch.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Periodic table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Atom model</source>
        <translation>Atommodell</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Animationsgeschwindigkeit</translation>
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
        <translation>Zelvane  v1.0, von Zelvane Works</translation>
    </message>
    <message>
        <source>Visit the Zelvane Works web site for our other titles.</source>
        <extracomment>The banner&apos;s last line, at most 540 pixels wide in the banner&apos;s 19-pixel bold face</extracomment>
        <translation>Weitere Titel auf der Website von Zelvane Works.</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element
its data sheet beside a model of its atom. X is an atomic number, a symbol or the
start of a name, in any case. In the window, a line of the data sheet tells where
its value comes from when pointed at, or with F2 when it has the focus; F1 shows
the About page.</source>
        <extracomment>--help&apos;s description, in lines of at most 80 characters. X stands for the value of --element and --sheet; F1 and F2 are keys.</extracomment>
        <translation>Ein Nachschlagewerk zu den chemischen Elementen: das Periodensystem und zu jedem
Element sein Datenblatt neben einem Modell seines Atoms. X ist eine
Ordnungszahl, ein Symbol oder der Anfang eines Namens, in beliebiger
Schreibweise. Im Fenster sagt eine Zeile des Datenblatts, woher ihr Wert stammt,
wenn man auf sie zeigt, oder mit F2, wenn sie den Fokus hat; F1 zeigt die
Info-Seite.</translation>
    </message>
    <message>
        <source>Open at element X once the banner has gone; with --pdf, write its page.</source>
        <translation>Öffnet bei Element X, sobald das Startbanner verschwunden ist; mit --pdf wird dessen Seite geschrieben.</translation>
    </message>
    <message>
        <source>Write the table page (landscape), or with --element the element&apos;s page (portrait), to FILE as PDF (- for standard output), and show no window.</source>
        <translation>Schreibt die Tabellenseite (Querformat) oder mit --element die Seite des Elements (Hochformat) als PDF in FILE (- für die Standardausgabe) und zeigt kein Fenster.</translation>
    </message>
    <message>
        <source>Write the page --pdf would write to FILE as SVG instead.</source>
        <translation>Schreibt die Seite, die --pdf schreiben würde, stattdessen als SVG in FILE.</translation>
    </message>
    <message>
        <source>Write the table picture as the screen shows it, or with --element the Element page, to FILE as PNG.</source>
        <translation>Schreibt das Bild der Tabelle, wie der Bildschirm es zeigt, oder mit --element die Seite „Element“ als PNG in FILE.</translation>
    </message>
    <message>
        <source>With --png: the picture&apos;s scale, 1 (the default) or more, such as 1.5.</source>
        <translation>Mit --png: der Maßstab des Bildes, 1 (die Vorgabe) oder mehr, etwa 1.5.</translation>
    </message>
    <message>
        <source>Write element X&apos;s data sheet to standard output as text.</source>
        <translation>Schreibt das Datenblatt von Element X als Text auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>With --sheet, follow each line with where its value comes from.</source>
        <translation>Mit --sheet folgt jeder Zeile, woher ihr Wert stammt.</translation>
    </message>
    <message>
        <source>Read FILE instead of elementDat.edb beside the program.</source>
        <translation>Liest FILE statt elementDat.edb neben dem Programm.</translation>
    </message>
    <message>
        <source>Speak the language CODE: de (German), fr (French), es (Spanish) or en (English). Without it the language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.</source>
        <translation>Spricht die Sprache CODE: de (Deutsch), fr (Französisch), es (Spanisch) oder en (Englisch). Ohne diese Option folgt die Sprache LANGUAGE, LC_ALL, LC_MESSAGES und LANG.</translation>
    </message>
    <message>
        <source>warning: %1 holds no elements</source>
        <translation>Warnung: %1 enthält keine Elemente</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--sheet goes alone</source>
        <extracomment>A fault in the command line. Options such as --sheet are written as they are in every language.</extracomment>
        <translation>--sheet steht für sich allein</translation>
    </message>
    <message>
        <source>--pdf, --svg and --png go one at a time</source>
        <translation>--pdf, --svg und --png gehen nur einzeln</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <extracomment>%1 is pdf, svg or png.</extracomment>
        <translation>--%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--scale goes with --png</source>
        <translation>--scale gilt nur mit --png</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8, not %1</source>
        <translation>--scale nimmt eine Zahl von 1 bis 8, nicht %1</translation>
    </message>
    <message>
        <source>--%1 needs an element: a number, a symbol or a name</source>
        <translation>--%1 braucht ein Element: eine Ordnungszahl, ein Symbol oder einen Namen</translation>
    </message>
    <message>
        <source>--sources goes with --sheet</source>
        <translation>--sources gilt nur mit --sheet</translation>
    </message>
    <message>
        <source>no element %1 in %2</source>
        <translation>kein Element %1 in %2</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;. DISPLAY is a variable&apos;s name.</extracomment>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>nothing answers at %1 or %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %1 and %2 are such as DISPLAY=:0.</extracomment>
        <translation>unter %1 oder %2 antwortet nichts</translation>
    </message>
    <message>
        <source>nothing answers at %1</source>
        <translation>unter %1 antwortet nichts</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed, and %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %2 is one of the other reasons.</extracomment>
        <translation>das Qt-Plattform-Plugin „%1“ ist nicht installiert, und %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1); --pdf and --sheet work without one</source>
        <translation>kann keine Anzeige öffnen (%1); --pdf und --sheet gehen ohne Anzeige</translation>
    </message>
    <message>
        <source>Colour the table by NAME (--list-views names them), in the window and in --pdf; by the classes when not given.</source>
        <translation>Färbt die Tabelle nach NAME (--list-views nennt die Namen), im Fenster und in --pdf; ohne diese Option nach den Klassen.</translation>
    </message>
    <message>
        <source>The state view&apos;s temperature T, a number and its unit: 300K, 25C or 77F; 298K when not given.</source>
        <translation>Die Temperatur T der Ansicht der Aggregatzustände, eine Zahl und ihre Einheit: 300K, 25C oder 77F; ohne diese Option 298K.</translation>
    </message>
    <message>
        <source>List the views&apos; names, one a line.</source>
        <translation>Nennt die Namen der Ansichten, einen pro Zeile.</translation>
    </message>
    <message>
        <source>no view %1 (zelvane --list-views names them)</source>
        <translation>keine Ansicht %1 (zelvane --list-views nennt sie)</translation>
    </message>
    <message>
        <source>bad temperature %1: give a number and its unit, K, C or F, from %2 to %3</source>
        <translation>ungültige Temperatur %1: eine Zahl und ihre Einheit angeben, K, C oder F, von %2 bis %3</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Optionen der Befehlszeile.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe samt den Qt-eigenen Optionen.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Version.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>PT</source>
        <extracomment>The Periodic Table tab&apos;s face, 51 x 28 pixels: an abbreviation of two or three letters</extracomment>
        <translation>PSE</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
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
        <translation>Elektr.:</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The caption of the row of electrons by level, at most 38 pixels wide (bold)</extracomment>
        <translation>Schale</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animieren</translation>
    </message>
    <message>
        <source>Level Colors On/Off</source>
        <translation>Schalenfarben ein/aus</translation>
    </message>
    <message>
        <source>Level On/Off</source>
        <translation>Schalen ein/aus</translation>
    </message>
    <message>
        <source>Level Circular/Eliptic</source>
        <translation>Schalen kreisförmig/elliptisch</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Classification %1 is outside 0 to 10</source>
        <extracomment>Classification, State, LevelCount and LevelElectrons name fields of the data file&apos;s records; they stay as they are.</extracomment>
        <translation>Classification %1 liegt nicht zwischen 0 und 10</translation>
    </message>
    <message>
        <source>State %1 is outside 0 to 3</source>
        <translation>State %1 liegt nicht zwischen 0 und 3</translation>
    </message>
    <message>
        <source>LevelCount %1 is outside 0 to 7</source>
        <translation>LevelCount %1 liegt nicht zwischen 0 und 7</translation>
    </message>
    <message>
        <source>LevelElectrons of level %1 is %2; an occupied level holds 1 to 118 electrons</source>
        <translation>LevelElectrons von Schale %1 ist %2; eine besetzte Schale hat 1 bis 118 Elektronen</translation>
    </message>
    <message>
        <source>LevelElectrons add up to %1, more than 118</source>
        <translation>LevelElectrons ergeben zusammen %1, mehr als 118</translation>
    </message>
    <message>
        <source>%1 is too short to hold its record count</source>
        <extracomment>%1 is the data file&apos;s name.</extracomment>
        <translation>%1 ist zu kurz für die Anzahl seiner Datensätze</translation>
    </message>
    <message>
        <source>%1 says it holds %2 records, more than 118</source>
        <translation>%1 gibt an, %2 Datensätze zu enthalten, mehr als 118</translation>
    </message>
    <message>
        <source>%1 holds %2 whole records, but its header promises %3</source>
        <translation>%1 enthält %2 vollständige Datensätze, sein Kopf verspricht aber %3</translation>
    </message>
    <message>
        <source>%1, record %2: %3</source>
        <extracomment>%1 is the data file&apos;s name, %3 what is wrong with record %2.</extracomment>
        <translation>%1, Datensatz %2: %3</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <extracomment>%1 is the data file&apos;s name, %2 the folder it was looked for in.</extracomment>
        <translation>%1 wurde in %2 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
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
    <name>FileWrite</name>
    <message>
        <source>cannot write standard output: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print Periodic Table</source>
        <translation>Periodensystem drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Element</source>
        <translation>Element drucken</translation>
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
    <name>ViewPanel</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>Temperature in kelvin</source>
        <translation>Temperatur in Kelvin</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Hervorheben</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The highlight chooser&apos;s first entry: no group of the key is highlighted</extracomment>
        <translation>Keine</translation>
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
<context>
    <name>Window</name>
    <message>
        <source>Click an Element for more Information.</source>
        <extracomment>The table page&apos;s hint in the header, at most 238 pixels wide</extracomment>
        <translation>Für Details ein Element anklicken.</translation>
    </message>
    <message>
        <source>About Zelvane (F1)</source>
        <translation>Über Zelvane (F1)</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>Über Zelvane</translation>
    </message>
    <message>
        <source>Find: %1 - %2</source>
        <extracomment>What was typed to find an element, and the element found; at most 260 pixels wide</extracomment>
        <translation>Suche: %1 - %2</translation>
    </message>
    <message>
        <source>Find: %1 - no element</source>
        <extracomment>What was typed, when no element matches; at most 260 pixels wide</extracomment>
        <translation>Suche: %1 - kein Element</translation>
    </message>
</context>
</TS>
