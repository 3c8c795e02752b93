<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; try --help</source>
        <translation>%1&#xa0;: %2&#xa0;; essayez --help</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Affiche le nom et la version du programme et quitte.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Write the picture the window would show to a PNG or SVG file, and exit without opening the window.</source>
        <translation>Écrit l’image que montrerait la fenêtre dans un fichier PNG ou SVG, et quitte sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>The body: earth (the default) or sun.</source>
        <translation>Le corps&#xa0;: earth (par défaut) ou sun.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine radius bar (default 50,50).</source>
        <translation>Positions de 0 à 100 du curseur grossier et du curseur fin du rayon, séparées par une virgule (par défaut 50,50).</translation>
    </message>
    <message>
        <source>coarse,fine</source>
        <translation>grossier,fin</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine mass bar (default 50,50).</source>
        <translation>Positions de 0 à 100 du curseur grossier et du curseur fin de la masse, séparées par une virgule (par défaut 50,50).</translation>
    </message>
    <message>
        <source>With --values: tsv (the default), csv or json.</source>
        <translation>Avec --values&#xa0;: tsv (par défaut), csv ou json.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>--values and --picture cannot go together</source>
        <translation>--values et --picture ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>--%1 goes with --picture</source>
        <translation>--%1 ne s’utilise qu’avec --picture</translation>
    </message>
    <message>
        <source>unknown body &apos;%1&apos; (earth or sun)</source>
        <translation>corps inconnu «&#xa0;%1&#xa0;» (earth ou sun)</translation>
    </message>
    <message>
        <source>--%1 &apos;%2&apos; is not two positions 0 to 100 such as 50,50</source>
        <translation>--%1 «&#xa0;%2&#xa0;» n’est pas formé de deux positions de 0 à 100 séparées par une virgule, comme 50,50</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (tsv, csv or json)</source>
        <translation>format inconnu «&#xa0;%1&#xa0;» (tsv, csv ou json)</translation>
    </message>
    <message>
        <source>beam start &apos;%1&apos; cannot be reached with the move buttons (50 to 6150 in steps of 50)</source>
        <translation>le départ du faisceau «&#xa0;%1&#xa0;» ne peut pas être atteint avec les boutons de déplacement (de 50 à 6150 par pas de 50)</translation>
    </message>
    <message>
        <source>picture file &apos;%1&apos; must end in .png or .svg</source>
        <translation>le fichier image «&#xa0;%1&#xa0;» doit se terminer par .png ou .svg</translation>
    </message>
    <message>
        <source>Speak this language (en, de, fr, es or ja) instead of the desktop&apos;s: the window, the messages and, with --localized, the values.</source>
        <translation>Utilise cette langue (en, de, fr, es ou ja) au lieu de celle du bureau&#xa0;: dans la fenêtre, les messages et, avec --localized, les valeurs.</translation>
    </message>
    <message>
        <source>Print the values the window would show, with stable keys and C numbers, and exit without opening it.</source>
        <translation>Affiche les valeurs que montrerait la fenêtre, avec des clés fixes et des nombres C, et quitte sans l’ouvrir.</translation>
    </message>
    <message>
        <source>The height of the beam start, 50 to 6150 in steps of 50 (default 1500).</source>
        <translation>La hauteur du départ du faisceau, de 50 à 6150 par pas de 50 (par défaut 1500).</translation>
    </message>
    <message>
        <source>Trace the light ray (Beam).</source>
        <translation>Trace le rayon lumineux (Faisceau).</translation>
    </message>
    <message>
        <source>With --values: the quantities in the chosen language and the numbers with its decimal separator, as the window shows them, instead of stable keys and C numbers.</source>
        <translation>Avec --values&#xa0;: les grandeurs dans la langue choisie et les nombres avec son séparateur décimal, comme la fenêtre les montre, au lieu des clés fixes et des nombres C.</translation>
    </message>
    <message>
        <source>With --picture: 1 to 8 times the size the window shows (default 1).</source>
        <translation>Avec --picture&#xa0;: 1 à 8 fois la taille que montre la fenêtre (par défaut 1).</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>facteur</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; (en, de, fr, es or ja)</source>
        <translation>langue inconnue «&#xa0;%1&#xa0;» (en, de, fr, es ou ja)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --values or --picture</source>
        <translation>«&#xa0;%1&#xa0;» est une option de la fenêtre&#xa0;; elle ne s’utilise pas avec --values ou --picture</translation>
    </message>
    <message>
        <source>--%1 goes with --values</source>
        <translation>--%1 ne s’utilise qu’avec --values</translation>
    </message>
    <message>
        <source>--scale goes with --picture</source>
        <translation>--scale ne s’utilise qu’avec --picture</translation>
    </message>
    <message>
        <source>--scale &apos;%1&apos; is not a whole number 1 to 8</source>
        <translation>--scale «&#xa0;%1&#xa0;» n’est pas un nombre entier de 1 à 8</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <translation>%1&#xa0;: impossible d’écrire sur la sortie standard&#xa0;: %2</translation>
    </message>
    <message>
        <source>--rays &apos;%1&apos; is not one to six beam starts of 50 to 6150 in steps of 50 such as 1500,800,300</source>
        <translation>--rays «&#xa0;%1&#xa0;» n’est pas formé d’un à six départs du faisceau de 50 à 6150 par pas de 50, comme 1500,800,300</translation>
    </message>
    <message>
        <source>Trace a ray from each of these beam starts (up to six) and keep them all, each in its own colour.</source>
        <translation>Trace un rayon depuis chacun de ces départs du faisceau (six au plus) et les garde tous, chacun dans sa couleur.</translation>
    </message>
    <message>
        <source>starts</source>
        <translation>départs</translation>
    </message>
    <message>
        <source>Write a one-page worksheet (the setup, the picture, every value and lines for notes) to a PDF file, and exit without opening the window.</source>
        <translation>Écrit une fiche de travail d’une page (le réglage, l’image, toutes les valeurs et des lignes pour les notes) dans un fichier PDF, et quitte sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --values or --picture</source>
        <translation>--worksheet ne peut pas être utilisée avec --values ou --picture</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --worksheet</source>
        <translation>«&#xa0;%1&#xa0;» est une option de la fenêtre&#xa0;; elle ne s’utilise pas avec --worksheet</translation>
    </message>
    <message>
        <source>worksheet file &apos;%1&apos; must end in .pdf</source>
        <translation>le fichier de la fiche «&#xa0;%1&#xa0;» doit se terminer par .pdf</translation>
    </message>
    <message>
        <source>Shows a body (the Earth or the Sun) with its radius and mass scaled at will:
its density, its Schwarzschild radius, the curvature of space around it,
and a light ray bending towards it. Without options it opens its window;
--body, --radius-bars, --mass-bars, --rays, --beam and --trace open it in
that state.</source>
        <translation>Montre un corps (la Terre ou le Soleil) dont on modifie à volonté le rayon
et la masse&#xa0;: sa masse volumique, son rayon de Schwarzschild, la courbure de
l’espace autour de lui et un rayon lumineux qui se courbe vers lui. Sans
option, le programme ouvre sa fenêtre&#xa0;; --body, --radius-bars, --mass-bars,
--rays, --beam et --trace l’ouvrent dans cet état.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Gravity and light demonstration</source>
        <translation>Démonstration sur la gravitation et la lumière</translation>
    </message>
    <message>
        <source>Pick a body, scale its radius and mass, and see its Schwarzschild radius and a light ray bending towards it</source>
        <translation>Choisir un corps, modifier son rayon et sa masse, et voir son rayon de Schwarzschild et un rayon de lumière qui se courbe vers lui</translation>
    </message>
    <message>
        <source>gravity;mass;radius;Schwarzschild;black hole;light;relativity;physics;simulation;</source>
        <translation>gravitation;masse;rayon;Schwarzschild;trou noir;lumière;relativité;physique;simulation;</translation>
    </message>
    <message>
        <source>See how mass bends space and light</source>
        <translation>Voir comment la masse courbe l’espace et la lumière</translation>
    </message>
    <message>
        <source>A physics demonstration for the classroom. The student picks a spherical body, the Earth or the Sun, scales its radius and its mass by powers of two and by percents, and reads its density, its Schwarzschild radius and the curvature of space at 1, 1.5, 2 and 2.5 body radii.</source>
        <translation>Une démonstration de physique pour la classe. L’élève choisit un corps sphérique, la Terre ou le Soleil, modifie son rayon et sa masse par puissances de deux et par pourcentages, et lit sa masse volumique, son rayon de Schwarzschild et la courbure de l’espace à 1, 1,5, 2 et 2,5 rayons du corps.</translation>
    </message>
    <message>
        <source>A light ray sent past the body is traced step by step: with the real Earth or Sun it goes straight; make the body a few hundred million times heavier and it bends, swings round or falls in.</source>
        <translation>Un rayon de lumière envoyé près du corps est suivi pas à pas&#xa0;: avec la vraie Terre ou le vrai Soleil il reste droit&#xa0;; rendez le corps quelques centaines de millions de fois plus lourd et il se courbe, tourne autour du corps ou y tombe.</translation>
    </message>
    <message>
        <source>Everything works from the keyboard and with a screen reader.</source>
        <translation>Tout fonctionne au clavier et avec un lecteur d’écran.</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>gravitation</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>rayon de Schwarzschild</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>trou noir</translation>
    </message>
    <message>
        <source>light</source>
        <translation>lumière</translation>
    </message>
    <message>
        <source>relativity</source>
        <translation>relativité</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Simulation Korvath</translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>overflow</source>
        <translation>dépassement de capacité</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>opération invalide</translation>
    </message>
    <message>
        <source>arithmetic fault</source>
        <translation>erreur de calcul</translation>
    </message>
    <message>
        <source>its radius is not a number</source>
        <translation>son rayon n’est pas un nombre</translation>
    </message>
    <message>
        <source>its radius is infinite</source>
        <translation>son rayon est infini</translation>
    </message>
    <message>
        <source>its radius is %1 m</source>
        <translation>son rayon vaut %1 m</translation>
    </message>
    <message>
        <source>its mass is not a number</source>
        <translation>sa masse n’est pas un nombre</translation>
    </message>
    <message>
        <source>its mass is infinite</source>
        <translation>sa masse est infinie</translation>
    </message>
    <message>
        <source>its mass is %1 kg</source>
        <translation>sa masse vaut %1 kg</translation>
    </message>
    <message>
        <source>its radius of %1 m is too large to give a volume (%2)</source>
        <translation>son rayon de %1 m est trop grand pour que l’on puisse en calculer le volume (%2)</translation>
    </message>
    <message>
        <source>its density cannot be computed (%1)</source>
        <translation>sa masse volumique ne peut pas être déterminée (%1)</translation>
    </message>
    <message>
        <source>its radius of %1 m lies more than 32767 search steps above its Schwarzschild radius</source>
        <translation>son rayon de %1 m se trouve à plus de 32767 pas de recherche au-dessus de son rayon de Schwarzschild</translation>
    </message>
    <message>
        <source>the search for its Schwarzschild radius failed (%1)</source>
        <translation>la recherche de son rayon de Schwarzschild a échoué (%1)</translation>
    </message>
    <message>
        <source>The change cannot be made: its arithmetic fails (%1).</source>
        <translation>La modification est impossible&#xa0;: le calcul échoue (%1).</translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</source>
        <translation>
            <numerusform>Le rayon lumineux s’arrête après %n segment&#xa0;: le calcul échoue à l’itération %1 (%2).</numerusform>
            <numerusform>Le rayon lumineux s’arrête après %n segments&#xa0;: le calcul échoue à l’itération %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The body cannot be computed: %1.</source>
        <translation>Impossible de calculer le corps&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the curvature at %1 times the body&apos;s radius cannot be computed (%2)</source>
        <translation>la courbure à %1&#xa0;r du centre ne peut pas être déterminée (%2)</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>c’est un tube nommé</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c’est un périphérique, pas un fichier</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &apos;%1&apos;; the window speaks English (available: %2)</source>
        <translation>langue inconnue «&#xa0;%1&#xa0;»&#xa0;; la fenêtre s’affiche en anglais (disponibles&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Radius(m)</source>
        <translation>Rayon (m)</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Radius, coarse: powers of two</source>
        <translation>Rayon, réglage grossier&#xa0;: puissances de deux</translation>
    </message>
    <message>
        <source>Multiplies the preset radius by 2 to the power (value - 50)</source>
        <translation>Multiplie le rayon prédéfini par 2 puissance (valeur - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse radius bar</source>
        <translation>Valeur du curseur grossier du rayon</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Radius, fine: whole percents</source>
        <translation>Rayon, réglage fin&#xa0;: pour cent entiers</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse radius</source>
        <translation>Ajoute (valeur - 50) pour cent du rayon fixé par le curseur grossier</translation>
    </message>
    <message>
        <source>Value of the fine radius bar</source>
        <translation>Valeur du curseur fin du rayon</translation>
    </message>
    <message>
        <source>Radius in metres</source>
        <translation>Rayon en mètres</translation>
    </message>
    <message>
        <source>Mass(kg)</source>
        <translation>M (kg)</translation>
    </message>
    <message>
        <source>Mass, coarse: powers of two</source>
        <translation>Masse, réglage grossier&#xa0;: puissances de deux</translation>
    </message>
    <message>
        <source>Multiplies the preset mass by 2 to the power (value - 50)</source>
        <translation>Multiplie la masse prédéfinie par 2 puissance (valeur - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse mass bar</source>
        <translation>Valeur du curseur grossier de la masse</translation>
    </message>
    <message>
        <source>Mass, fine: whole percents</source>
        <translation>Masse, réglage fin&#xa0;: pour cent entiers</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse mass</source>
        <translation>Ajoute (valeur - 50) pour cent de la masse fixée par le curseur grossier</translation>
    </message>
    <message>
        <source>Value of the fine mass bar</source>
        <translation>Valeur du curseur fin de la masse</translation>
    </message>
    <message>
        <source>Mass in kilograms</source>
        <translation>Masse en kilogrammes</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAS</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Faisceau</translation>
    </message>
    <message>
        <source>Height of the beam start in scene units</source>
        <translation>Hauteur du départ du faisceau en unités de dessin</translation>
    </message>
    <message>
        <source>density(gram/cubic centimeters)</source>
        <translation>Masse volumique (g/cm³)</translation>
    </message>
    <message>
        <source>Density in grams per cubic centimetre</source>
        <translation>Masse volumique en grammes par centimètre cube</translation>
    </message>
    <message>
        <source>Schwarzschild radius(m)</source>
        <translation>Rayon de Schwarzschild</translation>
    </message>
    <message>
        <source>Schwarzschild radius in metres</source>
        <translation>Rayon de Schwarzschild en mètres</translation>
    </message>
    <message>
        <source>The curvature of stellar radius</source>
        <translation>Courbure à la surface</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius, per square metre</source>
        <translation>Courbure à 1 rayon du corps, par mètre carré</translation>
    </message>
    <message>
        <source>The radius of curvature of stellar radius(m)</source>
        <translation>Rayon de courbure à la surface (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius in metres</source>
        <translation>Rayon de courbure à 1 rayon du corps, en mètres</translation>
    </message>
    <message>
        <source>The curvature of 1.5 times location of stellar radius</source>
        <translation>Courbure à 1,5 r du centre</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii, per square metre</source>
        <translation>Courbure à 1,5 rayon du corps, par mètre carré</translation>
    </message>
    <message>
        <source>The radius of curvature of 1.5 times location of stellar radius(m)</source>
        <translation>Rayon de courbure à 1,5 r du centre (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii in metres</source>
        <translation>Rayon de courbure à 1,5 rayon du corps, en mètres</translation>
    </message>
    <message>
        <source>The curvature of 2 times location of stellar radius</source>
        <translation>Courbure à 2 r du centre</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii, per square metre</source>
        <translation>Courbure à 2 rayons du corps, par mètre carré</translation>
    </message>
    <message>
        <source>The radius of curvature of 2 times location of stellar radius(m)</source>
        <translation>Rayon de courbure à 2 r du centre (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii in metres</source>
        <translation>Rayon de courbure à 2 rayons du corps, en mètres</translation>
    </message>
    <message>
        <source>The curvature of 2.5 times location of stellar radius</source>
        <translation>Courbure à 2,5 r du centre</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii, per square metre</source>
        <translation>Courbure à 2,5 rayons du corps, par mètre carré</translation>
    </message>
    <message>
        <source>The radius of curvature of 2.5 times location of stellar radius(m)</source>
        <translation>Rayon de courbure à 2,5 r du centre (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii in metres</source>
        <translation>Rayon de courbure à 2,5 rayons du corps, en mètres</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white</source>
        <translation>Le corps sous forme de disque bleu, des anneaux rouges à 1,5, 2 et 2,5 rayons du corps, le rayon de Schwarzschild sous forme de cercle jaune, le départ du faisceau sous forme de carré jaune et le rayon lumineux tracé en blanc</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Simulation Korvath</translation>
    </message>
    <message>
        <source>Moves the beam start up by 300 units</source>
        <translation>Déplace le départ du faisceau de 300 unités vers le haut</translation>
    </message>
    <message>
        <source>Moves the beam start up by 50 units</source>
        <translation>Déplace le départ du faisceau de 50 unités vers le haut</translation>
    </message>
    <message>
        <source>Moves the beam start down by 50 units</source>
        <translation>Déplace le départ du faisceau de 50 unités vers le bas</translation>
    </message>
    <message>
        <source>Moves the beam start down by 300 units</source>
        <translation>Déplace le départ du faisceau de 300 unités vers le bas</translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>Impossible d’enregistrer l’image sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it leads to %1, whose name does not end in .png or .svg</source>
        <translation>il mène à %1, dont le nom ne se termine pas par .png ou .svg</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l’image n’a pas pu être produite</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>the smallest yellow circle</source>
        <translation>le plus petit cercle jaune possible</translation>
    </message>
    <message>
        <source>the yellow circle inside the disc</source>
        <translation>le cercle jaune à l’intérieur du disque</translation>
    </message>
    <message>
        <source>the yellow circle outside the red rings</source>
        <translation>le cercle jaune au-delà des anneaux rouges</translation>
    </message>
    <message>
        <source>a yellow circle that lies beyond the picture</source>
        <translation>un cercle jaune situé hors de l’image</translation>
    </message>
    <message numerus="yes">
        <source>The light ray falls into the body after %n steps.</source>
        <translation>
            <numerusform>Le rayon lumineux tombe dans le corps après %n pas.</numerusform>
            <numerusform>Le rayon lumineux tombe dans le corps après %n pas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n steps.</source>
        <translation>
            <numerusform>Le rayon lumineux s’arrête après %n pas.</numerusform>
            <numerusform>Le rayon lumineux s’arrête après %n pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the left edge.</source>
        <translation>Le rayon lumineux passe à côté du corps en ligne droite et sort par le bord gauche.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the right edge.</source>
        <translation>Le rayon lumineux passe à côté du corps en ligne droite et sort par le bord droit.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the top edge.</source>
        <translation>Le rayon lumineux passe à côté du corps en ligne droite et sort par le bord supérieur.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the bottom edge.</source>
        <translation>Le rayon lumineux passe à côté du corps en ligne droite et sort par le bord inférieur.</translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the left edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord gauche, dévié de %n°.</numerusform>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord gauche, dévié de %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the right edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord droit, dévié de %n°.</numerusform>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord droit, dévié de %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the top edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord supérieur, dévié de %n°.</numerusform>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord supérieur, dévié de %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord inférieur, dévié de %n°.</numerusform>
            <numerusform>Le rayon lumineux passe à côté du corps et sort par le bord inférieur, dévié de %n°.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the left edge.</source>
        <translation>Le rayon lumineux contourne le corps et sort par le bord gauche.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the right edge.</source>
        <translation>Le rayon lumineux contourne le corps et sort par le bord droit.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the top edge.</source>
        <translation>Le rayon lumineux contourne le corps et sort par le bord supérieur.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the bottom edge.</source>
        <translation>Le rayon lumineux contourne le corps et sort par le bord inférieur.</translation>
    </message>
    <message>
        <source>The picture is empty until the first values are shown.</source>
        <translation>L’image reste vide jusqu’à l’affichage des premières valeurs.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 of its radius, drawn as %2.</source>
        <translation>Le corps occupe le disque bleu&#xa0;; son rayon de Schwarzschild, représenté par %2, vaut %1 fois son rayon.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 times its radius, drawn as %2.</source>
        <translation>Le corps occupe le disque bleu&#xa0;; son rayon de Schwarzschild, représenté par %2, vaut %1 fois son rayon.</translation>
    </message>
    <message>
        <source>Beam start at %1.</source>
        <translation>Départ du faisceau à %1.</translation>
    </message>
    <message>
        <source>the yellow circle on the edge of the disc</source>
        <translation>le cercle jaune sur le bord du disque</translation>
    </message>
    <message>
        <source>the yellow circle between the disc and the innermost red ring</source>
        <translation>le cercle jaune entre le disque et l’anneau rouge intérieur</translation>
    </message>
    <message>
        <source>the yellow circle on the innermost red ring</source>
        <translation>le cercle jaune sur l’anneau rouge intérieur</translation>
    </message>
    <message>
        <source>the yellow circle between the innermost and the middle red ring</source>
        <translation>le cercle jaune entre l’anneau rouge intérieur et celui du milieu</translation>
    </message>
    <message>
        <source>the yellow circle on the middle red ring</source>
        <translation>le cercle jaune sur l’anneau rouge du milieu</translation>
    </message>
    <message>
        <source>the yellow circle between the middle and the outermost red ring</source>
        <translation>le cercle jaune entre l’anneau rouge du milieu et l’anneau extérieur</translation>
    </message>
    <message>
        <source>the yellow circle on the outermost red ring</source>
        <translation>le cercle jaune sur l’anneau rouge extérieur</translation>
    </message>
    <message>
        <source>Ray %1, from %2:</source>
        <translation>Rayon %1, départ à %2&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ValuesTable</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m⁻²</source>
        <translation>m⁻²</translation>
    </message>
    <message>
        <source>position 0 to 100</source>
        <translation>position de 0 à 100</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>Rayon de Schwarzschild</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius</source>
        <translation>Courbure à 1 rayon du corps</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius</source>
        <translation>Rayon de courbure à 1 rayon du corps</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii</source>
        <translation>Courbure à 1,5 rayon du corps</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii</source>
        <translation>Rayon de courbure à 1,5 rayon du corps</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii</source>
        <translation>Courbure à 2 rayons du corps</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii</source>
        <translation>Rayon de courbure à 2 rayons du corps</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii</source>
        <translation>Courbure à 2,5 rayons du corps</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii</source>
        <translation>Rayon de courbure à 2,5 rayons du corps</translation>
    </message>
    <message>
        <source>Radius, coarse bar</source>
        <translation>Rayon, curseur grossier</translation>
    </message>
    <message>
        <source>Radius, fine bar</source>
        <translation>Rayon, curseur fin</translation>
    </message>
    <message>
        <source>Mass, coarse bar</source>
        <translation>Masse, curseur grossier</translation>
    </message>
    <message>
        <source>Mass, fine bar</source>
        <translation>Masse, curseur fin</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Départ du faisceau</translation>
    </message>
    <message>
        <source>scene units</source>
        <translation>unités de dessin</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The simulation has ended.</source>
        <translation>La simulation est terminée.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Copier le lien vers ce réglage</translation>
    </message>
    <message>
        <source>The link to this setup is on the clipboard.</source>
        <translation>Le lien vers ce réglage est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The clipboard refused the link; copy it from here: %1</source>
        <translation>Le presse-papiers a refusé le lien&#xa0;; copiez-le d’ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download for offline use</source>
        <translation>Télécharger pour un usage hors ligne</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous control</source>
        <translation>Tab, Maj+Tab&#xa0;: l’élément suivant ou précédent</translation>
    </message>
    <message>
        <source>Space, Enter: press the focused button</source>
        <translation>Espace, Entrée&#xa0;: appuyer sur le bouton actif</translation>
    </message>
    <message>
        <source>Left, Right (or Up, Down): move the focused bar by one</source>
        <translation>Gauche, Droite (ou les flèches verticales)&#xa0;: déplacer le curseur actif d’une unité</translation>
    </message>
    <message>
        <source>Page Up, Page Down: move the focused bar by ten</source>
        <translation>Pg préc, Pg suiv&#xa0;: déplacer le curseur actif de dix</translation>
    </message>
    <message>
        <source>Home, End: the focused bar to its left or right end</source>
        <translation>Origine, Fin&#xa0;: le curseur actif à son extrémité gauche ou droite</translation>
    </message>
    <message>
        <source>Alt with an underlined letter: that menu command</source>
        <translation>Alt avec une lettre soulignée&#xa0;: cette commande du menu</translation>
    </message>
    <message>
        <source>F1: the help, once the Help command has run</source>
        <translation>F1&#xa0;: l’aide, une fois la commande Aide exécutée</translation>
    </message>
    <message>
        <source>Escape: close a dialog</source>
        <translation>Échap&#xa0;: fermer une boîte de dialogue</translation>
    </message>
    <message>
        <source>%1: times 2 to the power %2, %3</source>
        <translation>%1&#xa0;: fois 2 puissance %2, %3</translation>
    </message>
    <message>
        <source>%1: plus %2 percent of the coarse value, %3</source>
        <translation>%1&#xa0;: plus %2 pour cent de la valeur grossière, %3</translation>
    </message>
    <message>
        <source>The body is now inside its Schwarzschild radius.</source>
        <translation>Le corps est maintenant à l’intérieur de son rayon de Schwarzschild.</translation>
    </message>
    <message>
        <source>The body is now outside its Schwarzschild radius.</source>
        <translation>Le corps est maintenant à l’extérieur de son rayon de Schwarzschild.</translation>
    </message>
    <message>
        <source>This browser cannot run the simulation: it has no WebAssembly, or it is switched off. Open the page in a current Firefox, Chromium, Chrome, Edge or Safari.</source>
        <translation>Ce navigateur ne peut pas exécuter la simulation&#xa0;: il n’a pas WebAssembly, ou celui-ci est désactivé. Ouvrez la page dans un Firefox, Chromium, Chrome, Edge ou Safari récent.</translation>
    </message>
    <message>
        <source>The simulation could not be loaded (%1). Reload the page; if that does not help, use the single-file version or another browser.</source>
        <translation>La simulation n’a pas pu être chargée (%1). Rechargez la page&#xa0;; si cela ne suffit pas, utilisez la version en un seul fichier ou un autre navigateur.</translation>
    </message>
    <message>
        <source>This page needs its web server and cannot run from a file on disk. Open the single-file version (korvath-offline.html) instead: it works by double-click, without a network.</source>
        <translation>Cette page a besoin de son serveur web et ne fonctionne pas depuis un fichier sur le disque. Ouvrez plutôt la version en un seul fichier (korvath-offline.html)&#xa0;: elle s’ouvre d’un double-clic, sans réseau.</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not valid; the simulation starts in its default state.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» du lien n’est pas valide&#xa0;; la simulation démarre dans son état initial.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>%1: JavaScript and WebAssembly are needed.</source>
        <translation>%1&#xa0;: JavaScript et WebAssembly sont nécessaires.</translation>
    </message>
    <message>
        <source>A body&apos;s density, Schwarzschild radius and curvature, and a light ray traced past it</source>
        <translation>La masse volumique, le rayon de Schwarzschild et la courbure d’un corps, et un rayon lumineux qui passe près de lui</translation>
    </message>
    <message>
        <source>Delete: clear the rays</source>
        <translation>Suppr&#xa0;: effacer les rayons</translation>
    </message>
    <message>
        <source>%1: minus %2 percent of the coarse value, %3</source>
        <translation>%1&#xa0;: moins %2 pour cent de la valeur grossière, %3</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>%1: worksheet</source>
        <translation>%1&#xa0;: fiche de travail</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Corps</translation>
    </message>
    <message>
        <source>Radius bars (coarse, fine)</source>
        <translation>Curseurs du rayon (grossier, fin)</translation>
    </message>
    <message>
        <source>Mass bars (coarse, fine)</source>
        <translation>Curseurs de la masse (grossier, fin)</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Départ du faisceau</translation>
    </message>
    <message>
        <source>To set it up again:</source>
        <translation>Pour retrouver ce réglage&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>%1: the settings file %2 is not a regular file of at most 64 KiB; it is not used.</source>
        <translation>%1&#xa0;: le fichier de réglages %2 n’est pas un fichier ordinaire d’au plus 64&#xa0;Kio&#xa0;; il n’est pas utilisé.</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpSplash</name>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpViewer</name>
    <message>
        <source>Korvath simulation Help</source>
        <translation>Simulation Korvath – Aide</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>The help could not be opened</source>
        <translation>L’aide n’a pas pu être ouverte</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be read: %2.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2, not a regular file, so it is not read.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; est %2 et non un fichier ordinaire&#xa0;; il n’est donc pas lu.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is empty.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; est vide.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2 long; a help file may be at most %3.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; fait %2&#xa0;; un fichier d’aide ne peut dépasser %3.</translation>
    </message>
    <message>
        <source>The program could not tell which folder it was started from (the folder&apos;s name may not be valid text in the system&apos;s language settings).</source>
        <translation>Le programme n’a pas pu déterminer depuis quel dossier il a été lancé (le nom du dossier n’est peut-être pas un texte valide dans les réglages de langue du système).</translation>
    </message>
    <message>
        <source>These folders do not exist: %1.</source>
        <translation>Ces dossiers n’existent pas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>So the help file &lt;b&gt;%1&lt;/b&gt; could not be looked for.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; n’a donc pas pu être recherché.</translation>
    </message>
    <message>
        <source>The help could not be found</source>
        <translation>L’aide est introuvable</translation>
    </message>
    <message>
        <source>The simulation goes on normally; you can close this window.</source>
        <translation>La simulation continue normalement&#xa0;; vous pouvez fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; holds too many tables, or tables nested too deep, to be shown in good time.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; contient trop de tableaux, ou des tableaux trop profondément imbriqués, pour être affiché rapidement.</translation>
    </message>
</context>
<context>
    <name>korvath::ui::RayCommands</name>
    <message>
        <source>Animate the &amp;ray</source>
        <translation>A&amp;nimer le rayon</translation>
    </message>
    <message>
        <source>&amp;Keep earlier rays</source>
        <translation>&amp;Garder les rayons précédents</translation>
    </message>
    <message>
        <source>C&amp;lear rays</source>
        <translation>E&amp;ffacer les rayons</translation>
    </message>
</context>
<context>
    <name>korvath::ui::TakeAway</name>
    <message>
        <source>Copy all values</source>
        <translation>Copier toutes les valeurs</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>%1× (%2 × %3 pixels)</source>
        <translation>%1× (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>korvath::ui::WorksheetCommands</name>
    <message>
        <source>&amp;Export worksheet as PDF…</source>
        <translation>&amp;Exporter la fiche de travail en PDF…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche de travail</translation>
    </message>
    <message>
        <source>Export worksheet as PDF</source>
        <translation>Exporter la fiche de travail en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
</context>
</TS>
