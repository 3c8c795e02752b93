<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; try --help</source>
        <translation>%1: %2; siehe --help</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Namen und Version des Programms anzeigen und beenden.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Write the picture the window would show to a PNG or SVG file, and exit without opening the window.</source>
        <translation>Das Bild, das das Fenster zeigen würde, in eine PNG- oder SVG-Datei schreiben und beenden, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The body: earth (the default) or sun.</source>
        <translation>Der Körper: earth (Voreinstellung) oder sun.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine radius bar (default 50,50).</source>
        <translation>Stellungen 0 bis 100 des groben und des feinen Radiusreglers, durch ein Komma getrennt (Voreinstellung 50,50).</translation>
    </message>
    <message>
        <source>coarse,fine</source>
        <translation>grob,fein</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine mass bar (default 50,50).</source>
        <translation>Stellungen 0 bis 100 des groben und des feinen Massereglers, durch ein Komma getrennt (Voreinstellung 50,50).</translation>
    </message>
    <message>
        <source>With --values: tsv (the default), csv or json.</source>
        <translation>Mit --values: tsv (Voreinstellung), csv oder json.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>--values and --picture cannot go together</source>
        <translation>--values und --picture lassen sich nicht zusammen verwenden</translation>
    </message>
    <message>
        <source>--%1 goes with --picture</source>
        <translation>--%1 gilt nur zusammen mit --picture</translation>
    </message>
    <message>
        <source>unknown body &apos;%1&apos; (earth or sun)</source>
        <translation>unbekannter Körper „%1“ (earth oder sun)</translation>
    </message>
    <message>
        <source>--%1 &apos;%2&apos; is not two positions 0 to 100 such as 50,50</source>
        <translation>--%1 „%2“ besteht nicht aus zwei Stellungen von 0 bis 100, durch ein Komma getrennt, wie 50,50</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (tsv, csv or json)</source>
        <translation>unbekanntes Format „%1“ (tsv, csv oder json)</translation>
    </message>
    <message>
        <source>beam start &apos;%1&apos; cannot be reached with the move buttons (50 to 6150 in steps of 50)</source>
        <translation>Startpunkt „%1“ des Lichtstrahls lässt sich mit den Schaltflächen zum Verschieben nicht erreichen (50 bis 6150 in Schritten von 50)</translation>
    </message>
    <message>
        <source>picture file &apos;%1&apos; must end in .png or .svg</source>
        <translation>Bilddatei „%1“ muss auf .png oder .svg enden</translation>
    </message>
    <message>
        <source>Speak this language (en, de, fr, es or ja) instead of the desktop&apos;s: the window, the messages and, with --localized, the values.</source>
        <translation>Diese Sprache (en, de, fr, es oder ja) statt der des Desktops verwenden: im Fenster, in den Meldungen und, mit --localized, in den Werten.</translation>
    </message>
    <message>
        <source>Print the values the window would show, with stable keys and C numbers, and exit without opening it.</source>
        <translation>Die Werte ausgeben, die das Fenster zeigen würde, mit festen Schlüsseln und C-Zahlen, und beenden, ohne es zu öffnen.</translation>
    </message>
    <message>
        <source>The height of the beam start, 50 to 6150 in steps of 50 (default 1500).</source>
        <translation>Die Höhe des Startpunkts des Lichtstrahls, 50 bis 6150 in Schritten von 50 (Voreinstellung 1500).</translation>
    </message>
    <message>
        <source>Trace the light ray (Beam).</source>
        <translation>Den Lichtstrahl verfolgen (Strahl).</translation>
    </message>
    <message>
        <source>With --values: the quantities in the chosen language and the numbers with its decimal separator, as the window shows them, instead of stable keys and C numbers.</source>
        <translation>Mit --values: die Größen in der gewählten Sprache und die Zahlen mit ihrem Dezimaltrennzeichen, wie das Fenster sie zeigt, statt fester Schlüssel und C-Zahlen.</translation>
    </message>
    <message>
        <source>With --picture: 1 to 8 times the size the window shows (default 1).</source>
        <translation>Mit --picture: 1- bis 8-mal so groß, wie das Fenster es zeigt (Voreinstellung 1).</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; (en, de, fr, es or ja)</source>
        <translation>unbekannte Sprache „%1“ (en, de, fr, es oder ja)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --values or --picture</source>
        <translation>„%1“ ist eine Option für das Fenster und gilt nicht zusammen mit --values oder --picture</translation>
    </message>
    <message>
        <source>--%1 goes with --values</source>
        <translation>--%1 gilt nur zusammen mit --values</translation>
    </message>
    <message>
        <source>--scale goes with --picture</source>
        <translation>--scale gilt nur zusammen mit --picture</translation>
    </message>
    <message>
        <source>--scale &apos;%1&apos; is not a whole number 1 to 8</source>
        <translation>--scale „%1“ ist keine ganze Zahl von 1 bis 8</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <translation>%1: Schreiben in die Standardausgabe nicht möglich: %2</translation>
    </message>
    <message>
        <source>--rays &apos;%1&apos; is not one to six beam starts of 50 to 6150 in steps of 50 such as 1500,800,300</source>
        <translation>--rays „%1“ besteht nicht aus ein bis sechs Startpunkten des Lichtstrahls von 50 bis 6150 in Schritten von 50, wie 1500,800,300</translation>
    </message>
    <message>
        <source>Trace a ray from each of these beam starts (up to six) and keep them all, each in its own colour.</source>
        <translation>Von jedem dieser Startpunkte (bis zu sechs) einen Strahl verfolgen und alle behalten, jeden in seiner eigenen Farbe.</translation>
    </message>
    <message>
        <source>starts</source>
        <translation>Startpunkte</translation>
    </message>
    <message>
        <source>Write a one-page worksheet (the setup, the picture, every value and lines for notes) to a PDF file, and exit without opening the window.</source>
        <translation>Ein einseitiges Arbeitsblatt (die Einstellung, das Bild, alle Werte und Zeilen für Notizen) in eine PDF-Datei schreiben und beenden, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --values or --picture</source>
        <translation>--worksheet lässt sich nicht zusammen mit --values oder --picture verwenden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --worksheet</source>
        <translation>„%1“ ist eine Option für das Fenster und gilt nicht zusammen mit --worksheet</translation>
    </message>
    <message>
        <source>worksheet file &apos;%1&apos; must end in .pdf</source>
        <translation>Arbeitsblattdatei „%1“ muss auf .pdf enden</translation>
    </message>
    <message>
        <source>Shows a body (the Earth or the Sun) with its radius and mass scaled at will:
its density, its Schwarzschild radius, the curvature of space around it,
and a light ray bending towards it. Without options it opens its window;
--body, --radius-bars, --mass-bars, --rays, --beam and --trace open it in
that state.</source>
        <translation>Zeigt einen Körper (die Erde oder die Sonne), dessen Radius und Masse sich
beliebig verändern lassen: seine Dichte, seinen Schwarzschild-Radius, die
Krümmung des Raums um ihn herum und einen Lichtstrahl, der zu ihm hin abgelenkt
wird. Ohne Optionen öffnet sich das Programmfenster; --body, --radius-bars,
--mass-bars, --rays, --beam und --trace öffnen es in diesem Zustand.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Gravity and light demonstration</source>
        <translation>Demonstration zu Gravitation und Licht</translation>
    </message>
    <message>
        <source>Pick a body, scale its radius and mass, and see its Schwarzschild radius and a light ray bending towards it</source>
        <translation>Einen Körper wählen, seinen Radius und seine Masse skalieren und seinen Schwarzschild-Radius sowie einen zu ihm hin gebogenen Lichtstrahl sehen</translation>
    </message>
    <message>
        <source>gravity;mass;radius;Schwarzschild;black hole;light;relativity;physics;simulation;</source>
        <translation>Gravitation;Masse;Radius;Schwarzschild;Schwarzes Loch;Licht;Relativitätstheorie;Physik;Simulation;</translation>
    </message>
    <message>
        <source>See how mass bends space and light</source>
        <translation>Sehen, wie Masse Raum und Licht krümmt</translation>
    </message>
    <message>
        <source>A physics demonstration for the classroom. The student picks a spherical body, the Earth or the Sun, scales its radius and its mass by powers of two and by percents, and reads its density, its Schwarzschild radius and the curvature of space at 1, 1.5, 2 and 2.5 body radii.</source>
        <translation>Eine Physik-Demonstration für den Unterricht. Die Schülerin oder der Schüler wählt einen kugelförmigen Körper, die Erde oder die Sonne, skaliert seinen Radius und seine Masse mit Zweierpotenzen und in Prozent und liest seine Dichte, seinen Schwarzschild-Radius und die Krümmung des Raums bei 1, 1,5, 2 und 2,5 Körperradien ab.</translation>
    </message>
    <message>
        <source>A light ray sent past the body is traced step by step: with the real Earth or Sun it goes straight; make the body a few hundred million times heavier and it bends, swings round or falls in.</source>
        <translation>Ein Lichtstrahl, der am Körper vorbeigeschickt wird, wird Schritt für Schritt verfolgt: Bei der echten Erde oder Sonne verläuft er gerade; macht man den Körper einige hundert Millionen Mal schwerer, wird er gebogen, schwenkt um den Körper herum oder fällt hinein.</translation>
    </message>
    <message>
        <source>Everything works from the keyboard and with a screen reader.</source>
        <translation>Alles lässt sich mit der Tastatur und mit einem Bildschirmleser bedienen.</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>Gravitation</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>Schwarzschild-Radius</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>Schwarzes Loch</translation>
    </message>
    <message>
        <source>light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>relativity</source>
        <translation>Relativitätstheorie</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Korvath-Simulation</translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>ungültige Rechenoperation</translation>
    </message>
    <message>
        <source>arithmetic fault</source>
        <translation>Rechenfehler</translation>
    </message>
    <message>
        <source>its radius is not a number</source>
        <translation>Sein Radius ist keine Zahl</translation>
    </message>
    <message>
        <source>its radius is infinite</source>
        <translation>Sein Radius ist unendlich</translation>
    </message>
    <message>
        <source>its radius is %1 m</source>
        <translation>Sein Radius beträgt %1 m</translation>
    </message>
    <message>
        <source>its mass is not a number</source>
        <translation>Seine Masse ist keine Zahl</translation>
    </message>
    <message>
        <source>its mass is infinite</source>
        <translation>Seine Masse ist unendlich</translation>
    </message>
    <message>
        <source>its mass is %1 kg</source>
        <translation>Seine Masse beträgt %1 kg</translation>
    </message>
    <message>
        <source>its radius of %1 m is too large to give a volume (%2)</source>
        <translation>Sein Radius von %1 m ist zu groß, um daraus das Volumen zu bestimmen (%2)</translation>
    </message>
    <message>
        <source>its density cannot be computed (%1)</source>
        <translation>Seine Dichte lässt sich nicht bestimmen (%1)</translation>
    </message>
    <message>
        <source>its radius of %1 m lies more than 32767 search steps above its Schwarzschild radius</source>
        <translation>Sein Radius von %1 m liegt mehr als 32767 Suchschritte über seinem Schwarzschild-Radius</translation>
    </message>
    <message>
        <source>the search for its Schwarzschild radius failed (%1)</source>
        <translation>Die Suche nach seinem Schwarzschild-Radius ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>The change cannot be made: its arithmetic fails (%1).</source>
        <translation>Die Änderung ist nicht möglich: Die Rechnung dafür scheitert (%1).</translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</source>
        <translation>
            <numerusform>Der Lichtstrahl bricht nach %n Teilstück ab: Die Rechnung scheitert im %1. Durchlauf (%2).</numerusform>
            <numerusform>Der Lichtstrahl bricht nach %n Teilstücken ab: Die Rechnung scheitert im %1. Durchlauf (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The body cannot be computed: %1.</source>
        <translation>Der Körper lässt sich nicht berechnen: %1.</translation>
    </message>
    <message>
        <source>the curvature at %1 times the body&apos;s radius cannot be computed (%2)</source>
        <translation>Die Krümmung im Abstand %1 r lässt sich nicht bestimmen (%2)</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>es ist eine benannte Pipe</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &apos;%1&apos;; the window speaks English (available: %2)</source>
        <translation>unbekannte Sprache „%1“; das Fenster erscheint auf Englisch (verfügbar: %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Radius(m)</source>
        <translation>Radius (m)</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Radius, coarse: powers of two</source>
        <translation>Radius, grob: Zweierpotenzen</translation>
    </message>
    <message>
        <source>Multiplies the preset radius by 2 to the power (value - 50)</source>
        <translation>Multipliziert den voreingestellten Radius mit 2 hoch (Wert - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse radius bar</source>
        <translation>Wert des groben Radiusreglers</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Radius, fine: whole percents</source>
        <translation>Radius, fein: ganze Prozent</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse radius</source>
        <translation>Addiert (Wert - 50) Prozent des grob eingestellten Radius</translation>
    </message>
    <message>
        <source>Value of the fine radius bar</source>
        <translation>Wert des feinen Radiusreglers</translation>
    </message>
    <message>
        <source>Radius in metres</source>
        <translation>Radius in Metern</translation>
    </message>
    <message>
        <source>Mass(kg)</source>
        <translation>M (kg)</translation>
    </message>
    <message>
        <source>Mass, coarse: powers of two</source>
        <translation>Masse, grob: Zweierpotenzen</translation>
    </message>
    <message>
        <source>Multiplies the preset mass by 2 to the power (value - 50)</source>
        <translation>Multipliziert die voreingestellte Masse mit 2 hoch (Wert - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse mass bar</source>
        <translation>Wert des groben Massereglers</translation>
    </message>
    <message>
        <source>Mass, fine: whole percents</source>
        <translation>Masse, fein: ganze Prozent</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse mass</source>
        <translation>Addiert (Wert - 50) Prozent der grob eingestellten Masse</translation>
    </message>
    <message>
        <source>Value of the fine mass bar</source>
        <translation>Wert des feinen Massereglers</translation>
    </message>
    <message>
        <source>Mass in kilograms</source>
        <translation>Masse in Kilogramm</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>AUF</translation>
    </message>
    <message>
        <source>up</source>
        <translation>auf</translation>
    </message>
    <message>
        <source>down</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>AB</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Strahl</translation>
    </message>
    <message>
        <source>Height of the beam start in scene units</source>
        <translation>Höhe des Startpunkts des Lichtstrahls in Zeicheneinheiten</translation>
    </message>
    <message>
        <source>density(gram/cubic centimeters)</source>
        <translation>Dichte (g/cm³)</translation>
    </message>
    <message>
        <source>Density in grams per cubic centimetre</source>
        <translation>Dichte in Gramm pro Kubikzentimeter</translation>
    </message>
    <message>
        <source>Schwarzschild radius(m)</source>
        <translation>Schwarzschild-Radius</translation>
    </message>
    <message>
        <source>Schwarzschild radius in metres</source>
        <translation>Schwarzschild-Radius in Metern</translation>
    </message>
    <message>
        <source>The curvature of stellar radius</source>
        <translation>Krümmung an der Oberfläche</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius, per square metre</source>
        <translation>Krümmung bei 1 Körperradius, pro Quadratmeter</translation>
    </message>
    <message>
        <source>The radius of curvature of stellar radius(m)</source>
        <translation>Krümmungsradius an der Oberfläche (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius in metres</source>
        <translation>Krümmungsradius bei 1 Körperradius in Metern</translation>
    </message>
    <message>
        <source>The curvature of 1.5 times location of stellar radius</source>
        <translation>Krümmung im Abstand 1,5 r</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii, per square metre</source>
        <translation>Krümmung bei 1,5 Körperradien, pro Quadratmeter</translation>
    </message>
    <message>
        <source>The radius of curvature of 1.5 times location of stellar radius(m)</source>
        <translation>Krümmungsradius im Abstand 1,5 r (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii in metres</source>
        <translation>Krümmungsradius bei 1,5 Körperradien in Metern</translation>
    </message>
    <message>
        <source>The curvature of 2 times location of stellar radius</source>
        <translation>Krümmung im Abstand 2 r</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii, per square metre</source>
        <translation>Krümmung bei 2 Körperradien, pro Quadratmeter</translation>
    </message>
    <message>
        <source>The radius of curvature of 2 times location of stellar radius(m)</source>
        <translation>Krümmungsradius im Abstand 2 r (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii in metres</source>
        <translation>Krümmungsradius bei 2 Körperradien in Metern</translation>
    </message>
    <message>
        <source>The curvature of 2.5 times location of stellar radius</source>
        <translation>Krümmung im Abstand 2,5 r</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii, per square metre</source>
        <translation>Krümmung bei 2,5 Körperradien, pro Quadratmeter</translation>
    </message>
    <message>
        <source>The radius of curvature of 2.5 times location of stellar radius(m)</source>
        <translation>Krümmungsradius im Abstand 2,5 r (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii in metres</source>
        <translation>Krümmungsradius bei 2,5 Körperradien in Metern</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white</source>
        <translation>Der Körper als blaue Scheibe, rote Ringe bei 1,5, 2 und 2,5 Körperradien, der Schwarzschild-Radius als gelber Kreis, der Startpunkt des Lichtstrahls als gelbes Quadrat und der verfolgte Lichtstrahl in Weiß</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Korvath-Simulation</translation>
    </message>
    <message>
        <source>Moves the beam start up by 300 units</source>
        <translation>Verschiebt den Startpunkt des Lichtstrahls um 300 Einheiten nach oben</translation>
    </message>
    <message>
        <source>Moves the beam start up by 50 units</source>
        <translation>Verschiebt den Startpunkt des Lichtstrahls um 50 Einheiten nach oben</translation>
    </message>
    <message>
        <source>Moves the beam start down by 50 units</source>
        <translation>Verschiebt den Startpunkt des Lichtstrahls um 50 Einheiten nach unten</translation>
    </message>
    <message>
        <source>Moves the beam start down by 300 units</source>
        <translation>Verschiebt den Startpunkt des Lichtstrahls um 300 Einheiten nach unten</translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>Das Bild lässt sich nicht als %1 speichern: %2.</translation>
    </message>
    <message>
        <source>it leads to %1, whose name does not end in .png or .svg</source>
        <translation>der Name verweist auf %1, der nicht auf .png oder .svg endet</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild ließ sich nicht erzeugen</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>the smallest yellow circle</source>
        <translation>der kleinstmögliche gelbe Kreis</translation>
    </message>
    <message>
        <source>the yellow circle inside the disc</source>
        <translation>der gelbe Kreis innerhalb der Scheibe</translation>
    </message>
    <message>
        <source>the yellow circle outside the red rings</source>
        <translation>der gelbe Kreis außerhalb der roten Ringe</translation>
    </message>
    <message>
        <source>a yellow circle that lies beyond the picture</source>
        <translation>ein gelber Kreis, der außerhalb des Bildes liegt</translation>
    </message>
    <message numerus="yes">
        <source>The light ray falls into the body after %n steps.</source>
        <translation>
            <numerusform>Der Lichtstrahl fällt nach %n Schritt in den Körper.</numerusform>
            <numerusform>Der Lichtstrahl fällt nach %n Schritten in den Körper.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n steps.</source>
        <translation>
            <numerusform>Der Lichtstrahl endet nach %n Schritt.</numerusform>
            <numerusform>Der Lichtstrahl endet nach %n Schritten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the left edge.</source>
        <translation>Der Lichtstrahl läuft geradlinig am Körper vorbei und verlässt das Bild am linken Rand.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the right edge.</source>
        <translation>Der Lichtstrahl läuft geradlinig am Körper vorbei und verlässt das Bild am rechten Rand.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the top edge.</source>
        <translation>Der Lichtstrahl läuft geradlinig am Körper vorbei und verlässt das Bild am oberen Rand.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the bottom edge.</source>
        <translation>Der Lichtstrahl läuft geradlinig am Körper vorbei und verlässt das Bild am unteren Rand.</translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the left edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am linken Rand, um %n Grad abgelenkt.</numerusform>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am linken Rand, um %n Grad abgelenkt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the right edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am rechten Rand, um %n Grad abgelenkt.</numerusform>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am rechten Rand, um %n Grad abgelenkt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the top edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am oberen Rand, um %n Grad abgelenkt.</numerusform>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am oberen Rand, um %n Grad abgelenkt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</source>
        <translation>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am unteren Rand, um %n Grad abgelenkt.</numerusform>
            <numerusform>Der Lichtstrahl läuft am Körper vorbei und verlässt das Bild am unteren Rand, um %n Grad abgelenkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the left edge.</source>
        <translation>Der Lichtstrahl schwenkt um den Körper herum und verlässt das Bild am linken Rand.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the right edge.</source>
        <translation>Der Lichtstrahl schwenkt um den Körper herum und verlässt das Bild am rechten Rand.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the top edge.</source>
        <translation>Der Lichtstrahl schwenkt um den Körper herum und verlässt das Bild am oberen Rand.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the bottom edge.</source>
        <translation>Der Lichtstrahl schwenkt um den Körper herum und verlässt das Bild am unteren Rand.</translation>
    </message>
    <message>
        <source>The picture is empty until the first values are shown.</source>
        <translation>Das Bild bleibt leer, bis die ersten Werte angezeigt werden.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 of its radius, drawn as %2.</source>
        <translation>Der Körper füllt die blaue Scheibe aus; sein Schwarzschild-Radius beträgt das %1-Fache seines Radius, gezeichnet als %2.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 times its radius, drawn as %2.</source>
        <translation>Der Körper füllt die blaue Scheibe aus; sein Schwarzschild-Radius ist %1-mal so groß wie sein Radius, gezeichnet als %2.</translation>
    </message>
    <message>
        <source>Beam start at %1.</source>
        <translation>Startpunkt des Lichtstrahls bei %1.</translation>
    </message>
    <message>
        <source>the yellow circle on the edge of the disc</source>
        <translation>der gelbe Kreis auf dem Rand der Scheibe</translation>
    </message>
    <message>
        <source>the yellow circle between the disc and the innermost red ring</source>
        <translation>der gelbe Kreis zwischen der Scheibe und dem innersten roten Ring</translation>
    </message>
    <message>
        <source>the yellow circle on the innermost red ring</source>
        <translation>der gelbe Kreis auf dem innersten roten Ring</translation>
    </message>
    <message>
        <source>the yellow circle between the innermost and the middle red ring</source>
        <translation>der gelbe Kreis zwischen dem innersten und dem mittleren roten Ring</translation>
    </message>
    <message>
        <source>the yellow circle on the middle red ring</source>
        <translation>der gelbe Kreis auf dem mittleren roten Ring</translation>
    </message>
    <message>
        <source>the yellow circle between the middle and the outermost red ring</source>
        <translation>der gelbe Kreis zwischen dem mittleren und dem äußersten roten Ring</translation>
    </message>
    <message>
        <source>the yellow circle on the outermost red ring</source>
        <translation>der gelbe Kreis auf dem äußersten roten Ring</translation>
    </message>
    <message>
        <source>Ray %1, from %2:</source>
        <translation>Strahl %1, Start bei %2:</translation>
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
        <translation>Stellung 0 bis 100</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
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
        <translation>Dichte</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>Schwarzschild-Radius</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius</source>
        <translation>Krümmung bei 1 Körperradius</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius</source>
        <translation>Krümmungsradius bei 1 Körperradius</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii</source>
        <translation>Krümmung bei 1,5 Körperradien</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii</source>
        <translation>Krümmungsradius bei 1,5 Körperradien</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii</source>
        <translation>Krümmung bei 2 Körperradien</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii</source>
        <translation>Krümmungsradius bei 2 Körperradien</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii</source>
        <translation>Krümmung bei 2,5 Körperradien</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii</source>
        <translation>Krümmungsradius bei 2,5 Körperradien</translation>
    </message>
    <message>
        <source>Radius, coarse bar</source>
        <translation>Radius, Grobregler</translation>
    </message>
    <message>
        <source>Radius, fine bar</source>
        <translation>Radius, Feinregler</translation>
    </message>
    <message>
        <source>Mass, coarse bar</source>
        <translation>Masse, Grobregler</translation>
    </message>
    <message>
        <source>Mass, fine bar</source>
        <translation>Masse, Feinregler</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Startpunkt des Lichtstrahls</translation>
    </message>
    <message>
        <source>scene units</source>
        <translation>Zeicheneinheiten</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The simulation has ended.</source>
        <translation>Die Simulation ist beendet.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Link zu dieser Einstellung kopieren</translation>
    </message>
    <message>
        <source>The link to this setup is on the clipboard.</source>
        <translation>Der Link zu dieser Einstellung ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The clipboard refused the link; copy it from here: %1</source>
        <translation>Die Zwischenablage hat den Link abgelehnt; kopieren Sie ihn von hier: %1</translation>
    </message>
    <message>
        <source>Download for offline use</source>
        <translation>Für die Nutzung ohne Netz herunterladen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous control</source>
        <translation>Tab, Umschalt+Tab: das nächste oder vorige Bedienelement</translation>
    </message>
    <message>
        <source>Space, Enter: press the focused button</source>
        <translation>Leertaste, Eingabetaste: die fokussierte Schaltfläche drücken</translation>
    </message>
    <message>
        <source>Left, Right (or Up, Down): move the focused bar by one</source>
        <translation>Pfeiltasten links, rechts (oder oben, unten): den fokussierten Regler um eins verschieben</translation>
    </message>
    <message>
        <source>Page Up, Page Down: move the focused bar by ten</source>
        <translation>Bild auf, Bild ab: den fokussierten Regler um zehn verschieben</translation>
    </message>
    <message>
        <source>Home, End: the focused bar to its left or right end</source>
        <translation>Pos1, Ende: den fokussierten Regler an sein linkes oder rechtes Ende</translation>
    </message>
    <message>
        <source>Alt with an underlined letter: that menu command</source>
        <translation>Alt mit einem unterstrichenen Buchstaben: dieser Menübefehl</translation>
    </message>
    <message>
        <source>F1: the help, once the Help command has run</source>
        <translation>F1: die Hilfe, nachdem der Befehl Hilfe einmal ausgeführt wurde</translation>
    </message>
    <message>
        <source>Escape: close a dialog</source>
        <translation>Esc: einen Dialog schließen</translation>
    </message>
    <message>
        <source>%1: times 2 to the power %2, %3</source>
        <translation>%1: mal 2 hoch %2, %3</translation>
    </message>
    <message>
        <source>%1: plus %2 percent of the coarse value, %3</source>
        <translation>%1: plus %2 Prozent des Grobwerts, %3</translation>
    </message>
    <message>
        <source>The body is now inside its Schwarzschild radius.</source>
        <translation>Der Körper liegt jetzt innerhalb seines Schwarzschild-Radius.</translation>
    </message>
    <message>
        <source>The body is now outside its Schwarzschild radius.</source>
        <translation>Der Körper liegt jetzt außerhalb seines Schwarzschild-Radius.</translation>
    </message>
    <message>
        <source>This browser cannot run the simulation: it has no WebAssembly, or it is switched off. Open the page in a current Firefox, Chromium, Chrome, Edge or Safari.</source>
        <translation>Dieser Browser kann die Simulation nicht ausführen: Er hat kein WebAssembly, oder es ist abgeschaltet. Öffnen Sie die Seite in einem aktuellen Firefox, Chromium, Chrome, Edge oder Safari.</translation>
    </message>
    <message>
        <source>The simulation could not be loaded (%1). Reload the page; if that does not help, use the single-file version or another browser.</source>
        <translation>Die Simulation konnte nicht geladen werden (%1). Laden Sie die Seite neu; hilft das nicht, nehmen Sie die Version in einer Datei oder einen anderen Browser.</translation>
    </message>
    <message>
        <source>This page needs its web server and cannot run from a file on disk. Open the single-file version (korvath-offline.html) instead: it works by double-click, without a network.</source>
        <translation>Diese Seite braucht ihren Webserver und läuft nicht aus einer Datei auf der Festplatte. Öffnen Sie stattdessen die Version in einer Datei (korvath-offline.html): Sie startet per Doppelklick, ohne Netz.</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not valid; the simulation starts in its default state.</source>
        <translation>Die Einstellung „%1“ im Link ist ungültig; die Simulation startet im Ausgangszustand.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>%1: JavaScript and WebAssembly are needed.</source>
        <translation>%1: JavaScript und WebAssembly werden benötigt.</translation>
    </message>
    <message>
        <source>A body&apos;s density, Schwarzschild radius and curvature, and a light ray traced past it</source>
        <translation>Dichte, Schwarzschild-Radius und Krümmung eines Körpers und ein Lichtstrahl, der an ihm vorbeiläuft</translation>
    </message>
    <message>
        <source>Delete: clear the rays</source>
        <translation>Entf: die Strahlen löschen</translation>
    </message>
    <message>
        <source>%1: minus %2 percent of the coarse value, %3</source>
        <translation>%1: minus %2 Prozent des Grobwerts, %3</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>%1: worksheet</source>
        <translation>%1: Arbeitsblatt</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Körper</translation>
    </message>
    <message>
        <source>Radius bars (coarse, fine)</source>
        <translation>Radiusregler (grob, fein)</translation>
    </message>
    <message>
        <source>Mass bars (coarse, fine)</source>
        <translation>Massenregler (grob, fein)</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Startpunkt des Lichtstrahls</translation>
    </message>
    <message>
        <source>To set it up again:</source>
        <translation>So lässt es sich wieder einstellen:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>%1: the settings file %2 is not a regular file of at most 64 KiB; it is not used.</source>
        <translation>%1: Die Einstellungsdatei %2 ist keine gewöhnliche Datei von höchstens 64 KiB; sie wird nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpSplash</name>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpViewer</name>
    <message>
        <source>Korvath simulation Help</source>
        <translation>Korvath-Simulation – Hilfe</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>The help could not be opened</source>
        <translation>Die Hilfe konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be read: %2.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2, not a regular file, so it is not read.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; ist %2, keine gewöhnliche Datei; sie wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is empty.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; ist leer.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2 long; a help file may be at most %3.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; ist %2 groß; eine Hilfedatei darf höchstens %3 groß sein.</translation>
    </message>
    <message>
        <source>The program could not tell which folder it was started from (the folder&apos;s name may not be valid text in the system&apos;s language settings).</source>
        <translation>Das Programm konnte nicht feststellen, aus welchem Ordner es gestartet wurde (der Name des Ordners ist in den Spracheinstellungen des Systems womöglich kein gültiger Text).</translation>
    </message>
    <message>
        <source>These folders do not exist: %1.</source>
        <translation>Diese Ordner existieren nicht: %1.</translation>
    </message>
    <message>
        <source>So the help file &lt;b&gt;%1&lt;/b&gt; could not be looked for.</source>
        <translation>Daher konnte nach der Hilfedatei &lt;b&gt;%1&lt;/b&gt; nicht gesucht werden.</translation>
    </message>
    <message>
        <source>The help could not be found</source>
        <translation>Die Hilfe wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The simulation goes on normally; you can close this window.</source>
        <translation>Die Simulation läuft normal weiter; Sie können dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; holds too many tables, or tables nested too deep, to be shown in good time.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; enthält zu viele oder zu tief verschachtelte Tabellen, um rasch angezeigt zu werden.</translation>
    </message>
</context>
<context>
    <name>korvath::ui::RayCommands</name>
    <message>
        <source>Animate the &amp;ray</source>
        <translation>Strahl &amp;animieren</translation>
    </message>
    <message>
        <source>&amp;Keep earlier rays</source>
        <translation>Frühere Strahlen &amp;behalten</translation>
    </message>
    <message>
        <source>C&amp;lear rays</source>
        <translation>Strahlen &amp;löschen</translation>
    </message>
</context>
<context>
    <name>korvath::ui::TakeAway</name>
    <message>
        <source>Copy all values</source>
        <translation>Alle Werte kopieren</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Bil&amp;d</translation>
    </message>
    <message>
        <source>%1× (%2 × %3 pixels)</source>
        <translation>%1× (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
</context>
<context>
    <name>korvath::ui::WorksheetCommands</name>
    <message>
        <source>&amp;Export worksheet as PDF…</source>
        <translation>Arbeitsblatt als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Export worksheet as PDF</source>
        <translation>Arbeitsblatt als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
</context>
</TS>
