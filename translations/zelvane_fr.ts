<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>A reference to the chemical elements: the periodic table, and for each element its data sheet beside a model of its atom.</source>
        <translation>Un ouvrage de référence sur les éléments chimiques : le tableau périodique et, pour chaque élément, sa fiche de données à côté d&apos;un modèle de son atome.</translation>
    </message>
    <message>
        <source>Where the figures come from</source>
        <translation>D&apos;où viennent les valeurs</translation>
    </message>
    <message>
        <source>Point at a line of the data sheet, or press F2 on the line that has the focus, to see where its value comes from; %1 lists them all. Each value names one of these sources by its code:</source>
        <extracomment>%1 is the command, shown in italics; keep it as it is</extracomment>
        <translation>Pointez sur une ligne de la fiche de données, ou appuyez sur F2 sur la ligne qui a le focus, pour voir d&apos;où vient sa valeur ; %1 les liste toutes. Chaque valeur désigne l&apos;une de ces sources par son code :</translation>
    </message>
    <message>
        <source>Report a wrong value</source>
        <translation>Signaler une valeur erronée</translation>
    </message>
    <message>
        <source>Please report it at %1, with the element, the line, its value and its source as the data sheet shows them.</source>
        <extracomment>%1 is the address where wrong values are reported</extracomment>
        <translation>Merci de la signaler à l&apos;adresse %1, avec l&apos;élément, la ligne, sa valeur et sa source tels que la fiche de données les montre.</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>À propos de Zelvane</translation>
    </message>
    <message>
        <source>The data sheet shows the appearance, the discoverer and the origin of the name in English, as the data set gives them; the notes on the sources and licences below are in English too.</source>
        <extracomment>Said in every language but English</extracomment>
        <translation>La fiche de données indique l&apos;aspect, le découvreur et l&apos;origine du nom en anglais, tels que le jeu de données les donne ; les notes sur les sources et les licences ci-dessous sont elles aussi en anglais.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Periodic table</source>
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Fiche de données</translation>
    </message>
    <message>
        <source>Atom model</source>
        <translation>Modèle de l&apos;atome</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Vitesse de l&apos;animation</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chooser&apos;s name and its choice: &quot;View: Density&quot;</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Zelvane  v1.0, by Zelvane Works</source>
        <extracomment>The banner&apos;s product line: the name, two blanks, the version, the maker</extracomment>
        <translation>Zelvane  v1.0, par Zelvane Works</translation>
    </message>
    <message>
        <source>Visit the Zelvane Works web site for our other titles.</source>
        <extracomment>The banner&apos;s last line, at most 540 pixels wide in the banner&apos;s 19-pixel bold face</extracomment>
        <translation>Nos autres titres sur le site de Zelvane Works.</translation>
    </message>
</context>
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
    <name>Controls</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>PT</source>
        <extracomment>The Periodic Table tab&apos;s face, 51 x 28 pixels: an abbreviation of two or three letters</extracomment>
        <translation>TPE</translation>
    </message>
    <message>
        <source>Periodic Table</source>
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Protons:</source>
        <extracomment>The legend&apos;s caption, at most 46 pixels wide (bold)</extracomment>
        <translation>Protons:</translation>
    </message>
    <message>
        <source>Neutrons:</source>
        <extracomment>The legend&apos;s caption, at most 54 pixels wide (bold)</extracomment>
        <translation>Neutrons:</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <extracomment>The legend&apos;s caption, at most 59 pixels wide (bold)</extracomment>
        <translation>Électrons:</translation>
    </message>
    <message>
        <source>Level:</source>
        <extracomment>The caption of the row of electrons by level, at most 38 pixels wide (bold)</extracomment>
        <translation>Niv.:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animer</translation>
    </message>
    <message>
        <source>Level Colors On/Off</source>
        <translation>Couleurs des couches oui/non</translation>
    </message>
    <message>
        <source>Level On/Off</source>
        <translation>Couches oui/non</translation>
    </message>
    <message>
        <source>Level Circular/Eliptic</source>
        <translation>Couches circulaires/elliptiques</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Vitesse de l&apos;animation</translation>
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
<context>
    <name>Printing</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.pdf)&quot; as it is</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Periodic Table</source>
        <translation>Imprimer le tableau périodique</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Element</source>
        <translation>Imprimer l&apos;élément</translation>
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
        <translation>    Niveau :</translation>
    </message>
</context>
<context>
    <name>SheetSources</name>
    <message>
        <source>Reason: %1</source>
        <extracomment>Why a value was corrected by hand.</extracomment>
        <translation>Raison : %1</translation>
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
    <name>ViewPanel</name>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Mise en évidence</translation>
    </message>
    <message>
        <source>Temperature in kelvin</source>
        <translation>Température en kelvins</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Surligner</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <extracomment>A label right of the table&apos;s key, at most 66 pixels wide; &amp; marks the Alt key&apos;s letter</extracomment>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The highlight chooser&apos;s first entry: no group of the key is highlighted</extracomment>
        <translation>Aucune</translation>
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
<context>
    <name>Window</name>
    <message>
        <source>Click an Element for more Information.</source>
        <extracomment>The table page&apos;s hint in the header, at most 238 pixels wide</extracomment>
        <translation>Cliquez sur un élément pour les détails.</translation>
    </message>
    <message>
        <source>About Zelvane (F1)</source>
        <translation>À propos de Zelvane (F1)</translation>
    </message>
    <message>
        <source>About Zelvane</source>
        <translation>À propos de Zelvane</translation>
    </message>
    <message>
        <source>Find: %1 - %2</source>
        <extracomment>What was typed to find an element, and the element found; at most 260 pixels wide</extracomment>
        <translation>Recherche : %1 - %2</translation>
    </message>
    <message>
        <source>Find: %1 - no element</source>
        <extracomment>What was typed, when no element matches; at most 260 pixels wide</extracomment>
        <translation>Recherche : %1 - aucun élément</translation>
    </message>
</context>
</TS>
