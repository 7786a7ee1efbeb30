<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element
its data sheet beside a model of its atom. X is an atomic number, a symbol or the
start of a name, in any case. In the window, a line of the data sheet tells where
its value comes from when pointed at, or with F2 when it has the focus; F1 shows
the About page.</source>
        <extracomment>--help&apos;s description, in lines of at most 80 characters. X stands for the value of --element and --sheet; F1 and F2 are keys.</extracomment>
        <translation>Un ouvrage de référence sur les éléments chimiques&#xa0;: le tableau périodique et,
pour chaque élément, sa fiche de données à côté d’un modèle de son atome. X est
un numéro atomique, un symbole ou le début d’un nom, en majuscules ou
minuscules. Dans la fenêtre, une ligne de la fiche indique d’où vient sa valeur
quand on la pointe, ou avec F2 quand elle a le focus&#xa0;; F1 affiche la page
«&#xa0;À&#xa0;propos&#xa0;».</translation>
    </message>
    <message>
        <source>Open at element X once the banner has gone; with --pdf, write its page.</source>
        <translation>Ouvre l’élément X une fois la bannière disparue&#xa0;; avec --pdf, écrit sa page.</translation>
    </message>
    <message>
        <source>Write the table page (landscape), or with --element the element&apos;s page (portrait), to FILE as PDF (- for standard output), and show no window.</source>
        <translation>Écrit la page du tableau (paysage), ou avec --element la page de l’élément (portrait), dans FILE au format PDF (- pour la sortie standard), sans afficher de fenêtre.</translation>
    </message>
    <message>
        <source>Write the page --pdf would write to FILE as SVG instead.</source>
        <translation>Écrit plutôt la page que --pdf écrirait dans FILE au format SVG.</translation>
    </message>
    <message>
        <source>Write the table picture as the screen shows it, or with --element the Element page, to FILE as PNG.</source>
        <translation>Écrit l’image du tableau telle que l’écran la montre, ou avec --element la page Élément, dans FILE au format PNG.</translation>
    </message>
    <message>
        <source>With --png: the picture&apos;s scale, 1 (the default) or more, such as 1.5.</source>
        <translation>Avec --png&#xa0;: l’échelle de l’image, 1 (par défaut) ou plus, par exemple 1.5.</translation>
    </message>
    <message>
        <source>Write element X&apos;s data sheet to standard output as text.</source>
        <translation>Écrit la fiche de données de l’élément X sur la sortie standard, en texte.</translation>
    </message>
    <message>
        <source>With --sheet, follow each line with where its value comes from.</source>
        <translation>Avec --sheet, fait suivre chaque ligne de la provenance de sa valeur.</translation>
    </message>
    <message>
        <source>Read FILE instead of elementDat.edb beside the program.</source>
        <translation>Lit FILE au lieu de elementDat.edb à côté du programme.</translation>
    </message>
    <message>
        <source>Speak the language CODE: de (German), fr (French), es (Spanish) or en (English). Without it the language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.</source>
        <translation>Parle la langue CODE&#xa0;: de (allemand), fr (français), es (espagnol) ou en (anglais). Sans cette option, la langue suit LANGUAGE, LC_ALL, LC_MESSAGES et LANG.</translation>
    </message>
    <message>
        <source>warning: %1 holds no elements</source>
        <translation>avertissement&#xa0;: %1 ne contient aucun élément</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--sheet goes alone</source>
        <extracomment>A fault in the command line. Options such as --sheet are written as they are in every language.</extracomment>
        <translation>--sheet s’emploie seul</translation>
    </message>
    <message>
        <source>--pdf, --svg and --png go one at a time</source>
        <translation>--pdf, --svg et --png s’emploient un seul à la fois</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <extracomment>%1 is pdf, svg or png.</extracomment>
        <translation>--%1 demande un nom de fichier</translation>
    </message>
    <message>
        <source>--scale goes with --png</source>
        <translation>--scale s’emploie avec --png</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8, not %1</source>
        <translation>--scale prend un nombre de 1 à 8, pas %1</translation>
    </message>
    <message>
        <source>--%1 needs an element: a number, a symbol or a name</source>
        <translation>--%1 demande un élément&#xa0;: un numéro atomique, un symbole ou un nom</translation>
    </message>
    <message>
        <source>--sources goes with --sheet</source>
        <translation>--sources s’emploie avec --sheet</translation>
    </message>
    <message>
        <source>no element %1 in %2</source>
        <translation>aucun élément %1 dans %2</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;. DISPLAY is a variable&apos;s name.</extracomment>
        <translation>DISPLAY n’est pas défini</translation>
    </message>
    <message>
        <source>nothing answers at %1 or %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %1 and %2 are such as DISPLAY=:0.</extracomment>
        <translation>rien ne répond à %1 ni à %2</translation>
    </message>
    <message>
        <source>nothing answers at %1</source>
        <translation>rien ne répond à %1</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed, and %2</source>
        <extracomment>Inside &quot;cannot open a display (%1)&quot;; %2 is one of the other reasons.</extracomment>
        <translation>le module de plateforme Qt «&#xa0;%1&#xa0;» n’est pas installé, et %2</translation>
    </message>
    <message>
        <source>cannot open a display (%1); --pdf and --sheet work without one</source>
        <translation>impossible d’ouvrir un affichage (%1)&#xa0;; --pdf et --sheet fonctionnent sans affichage</translation>
    </message>
    <message>
        <source>Colour the table by NAME (--list-views names them), in the window and in --pdf; by the classes when not given.</source>
        <translation>Colore le tableau selon NAME (--list-views les nomme), dans la fenêtre et dans --pdf&#xa0;; selon les classes sans cette option.</translation>
    </message>
    <message>
        <source>The state view&apos;s temperature T, a number and its unit: 300K, 25C or 77F; 298K when not given.</source>
        <translation>La température T de la vue des états, un nombre et son unité&#xa0;: 300K, 25C ou 77F&#xa0;; 298K sans cette option.</translation>
    </message>
    <message>
        <source>List the views&apos; names, one a line.</source>
        <translation>Liste les noms des vues, un par ligne.</translation>
    </message>
    <message>
        <source>no view %1 (zelvane --list-views names them)</source>
        <translation>aucune vue %1 (zelvane --list-views les nomme)</translation>
    </message>
    <message>
        <source>bad temperature %1: give a number and its unit, K, C or F, from %2 to %3</source>
        <translation>température invalide %1&#xa0;: donnez un nombre et son unité, K, C ou F, de %2 à %3</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche la version.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Classification %1 is outside 0 to 10</source>
        <extracomment>Classification, State, LevelCount and LevelElectrons name fields of the data file&apos;s records; they stay as they are.</extracomment>
        <translation>Classification %1 n’est pas entre 0 et 10</translation>
    </message>
    <message>
        <source>State %1 is outside 0 to 3</source>
        <translation>State %1 n’est pas entre 0 et 3</translation>
    </message>
    <message>
        <source>LevelCount %1 is outside 0 to 7</source>
        <translation>LevelCount %1 n’est pas entre 0 et 7</translation>
    </message>
    <message>
        <source>LevelElectrons of level %1 is %2; an occupied level holds 1 to 118 electrons</source>
        <translation>LevelElectrons de la couche %1 vaut %2&#xa0;; une couche occupée contient de 1 à 118 électrons</translation>
    </message>
    <message>
        <source>LevelElectrons add up to %1, more than 118</source>
        <translation>la somme des LevelElectrons est %1, plus de 118</translation>
    </message>
    <message>
        <source>%1 is too short to hold its record count</source>
        <extracomment>%1 is the data file&apos;s name.</extracomment>
        <translation>%1 est trop court pour contenir son nombre d’enregistrements</translation>
    </message>
    <message>
        <source>%1 says it holds %2 records, more than 118</source>
        <translation>%1 annonce %2 enregistrements, plus de 118</translation>
    </message>
    <message>
        <source>%1 holds %2 whole records, but its header promises %3</source>
        <translation>%1 contient %2 enregistrements complets, mais son en-tête en promet %3</translation>
    </message>
    <message>
        <source>%1, record %2: %3</source>
        <extracomment>%1 is the data file&apos;s name, %3 what is wrong with record %2.</extracomment>
        <translation>%1, enregistrement %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <extracomment>%1 is the data file&apos;s name, %2 the folder it was looked for in.</extracomment>
        <translation>%1 est introuvable dans %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
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
    <name>FileWrite</name>
    <message>
        <source>cannot write standard output: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
