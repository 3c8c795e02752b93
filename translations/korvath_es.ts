<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; try --help</source>
        <translation>%1: %2; prueba --help</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Muestra el nombre y la versión del programa y termina.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Write the picture the window would show to a PNG or SVG file, and exit without opening the window.</source>
        <translation>Guarda la imagen que mostraría la ventana en un archivo PNG o SVG y termina sin abrir la ventana.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>The body: earth (the default) or sun.</source>
        <translation>El cuerpo: earth (predeterminado) o sun.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine radius bar (default 50,50).</source>
        <translation>Posiciones de 0 a 100 de las barras de ajuste grueso y fino del radio, separadas por una coma (predeterminado 50,50).</translation>
    </message>
    <message>
        <source>coarse,fine</source>
        <translation>grueso,fino</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine mass bar (default 50,50).</source>
        <translation>Posiciones de 0 a 100 de las barras de ajuste grueso y fino de la masa, separadas por una coma (predeterminado 50,50).</translation>
    </message>
    <message>
        <source>With --values: tsv (the default), csv or json.</source>
        <translation>Con --values: tsv (predeterminado), csv o json.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>--values and --picture cannot go together</source>
        <translation>--values y --picture no se pueden usar juntas</translation>
    </message>
    <message>
        <source>--%1 goes with --picture</source>
        <translation>--%1 solo se usa con --picture</translation>
    </message>
    <message>
        <source>unknown body &apos;%1&apos; (earth or sun)</source>
        <translation>cuerpo desconocido «%1» (earth o sun)</translation>
    </message>
    <message>
        <source>--%1 &apos;%2&apos; is not two positions 0 to 100 such as 50,50</source>
        <translation>--%1 «%2» no indica dos posiciones de 0 a 100 separadas por una coma, como 50,50</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (tsv, csv or json)</source>
        <translation>formato desconocido «%1» (tsv, csv o json)</translation>
    </message>
    <message>
        <source>beam start &apos;%1&apos; cannot be reached with the move buttons (50 to 6150 in steps of 50)</source>
        <translation>el punto de partida del rayo «%1» no se puede alcanzar con los botones de movimiento (de 50 a 6150 en pasos de 50)</translation>
    </message>
    <message>
        <source>picture file &apos;%1&apos; must end in .png or .svg</source>
        <translation>el archivo de imagen «%1» debe terminar en .png o .svg</translation>
    </message>
    <message>
        <source>Speak this language (en, de, fr, es or ja) instead of the desktop&apos;s: the window, the messages and, with --localized, the values.</source>
        <translation>Usa este idioma (en, de, fr, es o ja) en lugar del del escritorio: en la ventana, en los mensajes y, con --localized, en los valores.</translation>
    </message>
    <message>
        <source>Print the values the window would show, with stable keys and C numbers, and exit without opening it.</source>
        <translation>Escribe los valores que mostraría la ventana, con claves fijas y números C, y termina sin abrirla.</translation>
    </message>
    <message>
        <source>The height of the beam start, 50 to 6150 in steps of 50 (default 1500).</source>
        <translation>La altura del punto de partida del rayo, de 50 a 6150 en pasos de 50 (predeterminado 1500).</translation>
    </message>
    <message>
        <source>Trace the light ray (Beam).</source>
        <translation>Traza el rayo de luz (Rayo).</translation>
    </message>
    <message>
        <source>With --values: the quantities in the chosen language and the numbers with its decimal separator, as the window shows them, instead of stable keys and C numbers.</source>
        <translation>Con --values: las magnitudes en el idioma elegido y los números con su separador decimal, como los muestra la ventana, en lugar de claves fijas y números C.</translation>
    </message>
    <message>
        <source>With --picture: 1 to 8 times the size the window shows (default 1).</source>
        <translation>Con --picture: de 1 a 8 veces el tamaño que muestra la ventana (predeterminado 1).</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 aparece más de una vez</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; (en, de, fr, es or ja)</source>
        <translation>idioma desconocido «%1» (en, de, fr, es o ja)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --values or --picture</source>
        <translation>«%1» es una opción de la ventana; no se usa con --values ni con --picture</translation>
    </message>
    <message>
        <source>--%1 goes with --values</source>
        <translation>--%1 solo se usa con --values</translation>
    </message>
    <message>
        <source>--scale goes with --picture</source>
        <translation>--scale solo se usa con --picture</translation>
    </message>
    <message>
        <source>--scale &apos;%1&apos; is not a whole number 1 to 8</source>
        <translation>--scale «%1» no es un número entero de 1 a 8</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <translation>%1: no se puede escribir en la salida estándar: %2</translation>
    </message>
    <message>
        <source>--rays &apos;%1&apos; is not one to six beam starts of 50 to 6150 in steps of 50 such as 1500,800,300</source>
        <translation>--rays «%1» no indica de uno a seis puntos de partida del rayo de 50 a 6150 en pasos de 50, como 1500,800,300</translation>
    </message>
    <message>
        <source>Trace a ray from each of these beam starts (up to six) and keep them all, each in its own colour.</source>
        <translation>Traza un rayo desde cada uno de estos puntos de partida (hasta seis) y los conserva todos, cada uno en su color.</translation>
    </message>
    <message>
        <source>starts</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Write a one-page worksheet (the setup, the picture, every value and lines for notes) to a PDF file, and exit without opening the window.</source>
        <translation>Guarda una hoja de trabajo de una página (la configuración, la imagen, todos los valores y líneas para notas) en un archivo PDF y termina sin abrir la ventana.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --values or --picture</source>
        <translation>--worksheet no se puede usar con --values ni con --picture</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --worksheet</source>
        <translation>«%1» es una opción de la ventana; no se usa con --worksheet</translation>
    </message>
    <message>
        <source>worksheet file &apos;%1&apos; must end in .pdf</source>
        <translation>el archivo de la hoja de trabajo «%1» debe terminar en .pdf</translation>
    </message>
    <message>
        <source>Shows a body (the Earth or the Sun) with its radius and mass scaled at will:
its density, its Schwarzschild radius, the curvature of space around it,
and a light ray bending towards it. Without options it opens its window;
--body, --radius-bars, --mass-bars, --rays, --beam and --trace open it in
that state.</source>
        <translation>Muestra un cuerpo (la Tierra o el Sol) cuyo radio y cuya masa se cambian a
voluntad: su densidad, su radio de Schwarzschild, la curvatura del espacio a su
alrededor y un rayo de luz que se curva hacia él. Sin opciones, abre su
ventana; --body, --radius-bars, --mass-bars, --rays, --beam y --trace la abren
en ese estado.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Gravity and light demonstration</source>
        <translation>Demostración de gravedad y luz</translation>
    </message>
    <message>
        <source>Pick a body, scale its radius and mass, and see its Schwarzschild radius and a light ray bending towards it</source>
        <translation>Elegir un cuerpo, escalar su radio y su masa, y ver su radio de Schwarzschild y un rayo de luz que se curva hacia él</translation>
    </message>
    <message>
        <source>gravity;mass;radius;Schwarzschild;black hole;light;relativity;physics;simulation;</source>
        <translation>gravedad;masa;radio;Schwarzschild;agujero negro;luz;relatividad;física;simulación;</translation>
    </message>
    <message>
        <source>See how mass bends space and light</source>
        <translation>Ver cómo la masa curva el espacio y la luz</translation>
    </message>
    <message>
        <source>A physics demonstration for the classroom. The student picks a spherical body, the Earth or the Sun, scales its radius and its mass by powers of two and by percents, and reads its density, its Schwarzschild radius and the curvature of space at 1, 1.5, 2 and 2.5 body radii.</source>
        <translation>Una demostración de física para el aula. El alumno elige un cuerpo esférico, la Tierra o el Sol, escala su radio y su masa en potencias de dos y en porcentajes, y lee su densidad, su radio de Schwarzschild y la curvatura del espacio a 1, 1,5, 2 y 2,5 radios del cuerpo.</translation>
    </message>
    <message>
        <source>A light ray sent past the body is traced step by step: with the real Earth or Sun it goes straight; make the body a few hundred million times heavier and it bends, swings round or falls in.</source>
        <translation>Un rayo de luz enviado junto al cuerpo se sigue paso a paso: con la Tierra o el Sol reales va recto; haz el cuerpo unos cientos de millones de veces más pesado y se curva, gira alrededor de él o cae dentro.</translation>
    </message>
    <message>
        <source>Everything works from the keyboard and with a screen reader.</source>
        <translation>Todo funciona con el teclado y con un lector de pantalla.</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>gravedad</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>radio de Schwarzschild</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>agujero negro</translation>
    </message>
    <message>
        <source>light</source>
        <translation>luz</translation>
    </message>
    <message>
        <source>relativity</source>
        <translation>relatividad</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Simulación Korvath</translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>overflow</source>
        <translation>desbordamiento</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>división por cero</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>operación no válida</translation>
    </message>
    <message>
        <source>arithmetic fault</source>
        <translation>error aritmético</translation>
    </message>
    <message>
        <source>its radius is not a number</source>
        <translation>su radio no es un número</translation>
    </message>
    <message>
        <source>its radius is infinite</source>
        <translation>su radio es infinito</translation>
    </message>
    <message>
        <source>its radius is %1 m</source>
        <translation>su radio es de %1 m</translation>
    </message>
    <message>
        <source>its mass is not a number</source>
        <translation>su masa no es un número</translation>
    </message>
    <message>
        <source>its mass is infinite</source>
        <translation>su masa es infinita</translation>
    </message>
    <message>
        <source>its mass is %1 kg</source>
        <translation>su masa es de %1 kg</translation>
    </message>
    <message>
        <source>its radius of %1 m is too large to give a volume (%2)</source>
        <translation>su radio de %1 m es demasiado grande para calcular un volumen (%2)</translation>
    </message>
    <message>
        <source>its density cannot be computed (%1)</source>
        <translation>su densidad no se puede determinar (%1)</translation>
    </message>
    <message>
        <source>its radius of %1 m lies more than 32767 search steps above its Schwarzschild radius</source>
        <translation>su radio de %1 m está más de 32767 pasos de búsqueda por encima de su radio de Schwarzschild</translation>
    </message>
    <message>
        <source>the search for its Schwarzschild radius failed (%1)</source>
        <translation>la búsqueda de su radio de Schwarzschild ha fallado (%1)</translation>
    </message>
    <message>
        <source>The change cannot be made: its arithmetic fails (%1).</source>
        <translation>No se puede hacer el cambio: el cálculo falla (%1).</translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</source>
        <translation>
            <numerusform>El rayo de luz se detiene tras %n segmento: el cálculo falla en la iteración %1 (%2).</numerusform>
            <numerusform>El rayo de luz se detiene tras %n segmentos: el cálculo falla en la iteración %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The body cannot be computed: %1.</source>
        <translation>No se puede calcular el cuerpo: %1.</translation>
    </message>
    <message>
        <source>the curvature at %1 times the body&apos;s radius cannot be computed (%2)</source>
        <translation>la curvatura a %1 r del centro no se puede determinar (%2)</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>es una tubería con nombre</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &apos;%1&apos;; the window speaks English (available: %2)</source>
        <translation>idioma desconocido «%1»; la ventana se muestra en inglés (disponibles: %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Radius(m)</source>
        <translation>Radio (m)</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Radius, coarse: powers of two</source>
        <translation>Radio, ajuste grueso: potencias de dos</translation>
    </message>
    <message>
        <source>Multiplies the preset radius by 2 to the power (value - 50)</source>
        <translation>Multiplica el radio predefinido por 2 elevado a (valor - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse radius bar</source>
        <translation>Valor de la barra de ajuste grueso del radio</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Radius, fine: whole percents</source>
        <translation>Radio, ajuste fino: porcentajes enteros</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse radius</source>
        <translation>Suma (valor - 50) por ciento del radio fijado con el ajuste grueso</translation>
    </message>
    <message>
        <source>Value of the fine radius bar</source>
        <translation>Valor de la barra de ajuste fino del radio</translation>
    </message>
    <message>
        <source>Radius in metres</source>
        <translation>Radio en metros</translation>
    </message>
    <message>
        <source>Mass(kg)</source>
        <translation>M (kg)</translation>
    </message>
    <message>
        <source>Mass, coarse: powers of two</source>
        <translation>Masa, ajuste grueso: potencias de dos</translation>
    </message>
    <message>
        <source>Multiplies the preset mass by 2 to the power (value - 50)</source>
        <translation>Multiplica la masa predefinida por 2 elevado a (valor - 50)</translation>
    </message>
    <message>
        <source>Value of the coarse mass bar</source>
        <translation>Valor de la barra de ajuste grueso de la masa</translation>
    </message>
    <message>
        <source>Mass, fine: whole percents</source>
        <translation>Masa, ajuste fino: porcentajes enteros</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse mass</source>
        <translation>Suma (valor - 50) por ciento de la masa fijada con el ajuste grueso</translation>
    </message>
    <message>
        <source>Value of the fine mass bar</source>
        <translation>Valor de la barra de ajuste fino de la masa</translation>
    </message>
    <message>
        <source>Mass in kilograms</source>
        <translation>Masa en kilogramos</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>up</source>
        <translation>subir</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bajar</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAJAR</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Height of the beam start in scene units</source>
        <translation>Altura del punto de partida del rayo en unidades de dibujo</translation>
    </message>
    <message>
        <source>density(gram/cubic centimeters)</source>
        <translation>Densidad (g/cm³)</translation>
    </message>
    <message>
        <source>Density in grams per cubic centimetre</source>
        <translation>Densidad en gramos por centímetro cúbico</translation>
    </message>
    <message>
        <source>Schwarzschild radius(m)</source>
        <translation>Radio de Schwarzschild</translation>
    </message>
    <message>
        <source>Schwarzschild radius in metres</source>
        <translation>Radio de Schwarzschild en metros</translation>
    </message>
    <message>
        <source>The curvature of stellar radius</source>
        <translation>Curvatura en la superficie</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius, per square metre</source>
        <translation>Curvatura a 1 radio del cuerpo, por metro cuadrado</translation>
    </message>
    <message>
        <source>The radius of curvature of stellar radius(m)</source>
        <translation>Radio de curvatura en la superficie (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius in metres</source>
        <translation>Radio de curvatura a 1 radio del cuerpo, en metros</translation>
    </message>
    <message>
        <source>The curvature of 1.5 times location of stellar radius</source>
        <translation>Curvatura a 1,5 r del centro</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii, per square metre</source>
        <translation>Curvatura a 1,5 radios del cuerpo, por metro cuadrado</translation>
    </message>
    <message>
        <source>The radius of curvature of 1.5 times location of stellar radius(m)</source>
        <translation>Radio de curvatura a 1,5 r del centro (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii in metres</source>
        <translation>Radio de curvatura a 1,5 radios del cuerpo, en metros</translation>
    </message>
    <message>
        <source>The curvature of 2 times location of stellar radius</source>
        <translation>Curvatura a 2 r del centro</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii, per square metre</source>
        <translation>Curvatura a 2 radios del cuerpo, por metro cuadrado</translation>
    </message>
    <message>
        <source>The radius of curvature of 2 times location of stellar radius(m)</source>
        <translation>Radio de curvatura a 2 r del centro (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii in metres</source>
        <translation>Radio de curvatura a 2 radios del cuerpo, en metros</translation>
    </message>
    <message>
        <source>The curvature of 2.5 times location of stellar radius</source>
        <translation>Curvatura a 2,5 r del centro</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii, per square metre</source>
        <translation>Curvatura a 2,5 radios del cuerpo, por metro cuadrado</translation>
    </message>
    <message>
        <source>The radius of curvature of 2.5 times location of stellar radius(m)</source>
        <translation>Radio de curvatura a 2,5 r del centro (m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii in metres</source>
        <translation>Radio de curvatura a 2,5 radios del cuerpo, en metros</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white</source>
        <translation>El cuerpo como un disco azul, anillos rojos a 1,5, 2 y 2,5 radios del cuerpo, el radio de Schwarzschild como un círculo amarillo, el punto de partida del rayo como un cuadrado amarillo y el rayo de luz trazado en blanco</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Simulación Korvath</translation>
    </message>
    <message>
        <source>Moves the beam start up by 300 units</source>
        <translation>Mueve el punto de partida del rayo 300 unidades hacia arriba</translation>
    </message>
    <message>
        <source>Moves the beam start up by 50 units</source>
        <translation>Mueve el punto de partida del rayo 50 unidades hacia arriba</translation>
    </message>
    <message>
        <source>Moves the beam start down by 50 units</source>
        <translation>Mueve el punto de partida del rayo 50 unidades hacia abajo</translation>
    </message>
    <message>
        <source>Moves the beam start down by 300 units</source>
        <translation>Mueve el punto de partida del rayo 300 unidades hacia abajo</translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SINOPSIS</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opciones</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>No se puede guardar la imagen como %1: %2.</translation>
    </message>
    <message>
        <source>it leads to %1, whose name does not end in .png or .svg</source>
        <translation>lleva a %1, cuyo nombre no termina en .png ni en .svg</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo generar la imagen</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>the smallest yellow circle</source>
        <translation>el círculo amarillo más pequeño posible</translation>
    </message>
    <message>
        <source>the yellow circle inside the disc</source>
        <translation>el círculo amarillo dentro del disco</translation>
    </message>
    <message>
        <source>the yellow circle outside the red rings</source>
        <translation>el círculo amarillo fuera de los anillos rojos</translation>
    </message>
    <message>
        <source>a yellow circle that lies beyond the picture</source>
        <translation>un círculo amarillo que queda fuera de la imagen</translation>
    </message>
    <message numerus="yes">
        <source>The light ray falls into the body after %n steps.</source>
        <translation>
            <numerusform>El rayo de luz cae en el cuerpo tras %n paso.</numerusform>
            <numerusform>El rayo de luz cae en el cuerpo tras %n pasos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n steps.</source>
        <translation>
            <numerusform>El rayo de luz se detiene tras %n paso.</numerusform>
            <numerusform>El rayo de luz se detiene tras %n pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the left edge.</source>
        <translation>El rayo de luz pasa junto al cuerpo en línea recta y sale por el borde izquierdo.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the right edge.</source>
        <translation>El rayo de luz pasa junto al cuerpo en línea recta y sale por el borde derecho.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the top edge.</source>
        <translation>El rayo de luz pasa junto al cuerpo en línea recta y sale por el borde superior.</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the bottom edge.</source>
        <translation>El rayo de luz pasa junto al cuerpo en línea recta y sale por el borde inferior.</translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the left edge, bent by %n degrees.</source>
        <translation>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde izquierdo, desviado %n°.</numerusform>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde izquierdo, desviado %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the right edge, bent by %n degrees.</source>
        <translation>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde derecho, desviado %n°.</numerusform>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde derecho, desviado %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the top edge, bent by %n degrees.</source>
        <translation>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde superior, desviado %n°.</numerusform>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde superior, desviado %n°.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</source>
        <translation>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde inferior, desviado %n°.</numerusform>
            <numerusform>El rayo de luz pasa junto al cuerpo y sale por el borde inferior, desviado %n°.</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the left edge.</source>
        <translation>El rayo de luz rodea el cuerpo y sale por el borde izquierdo.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the right edge.</source>
        <translation>El rayo de luz rodea el cuerpo y sale por el borde derecho.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the top edge.</source>
        <translation>El rayo de luz rodea el cuerpo y sale por el borde superior.</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the bottom edge.</source>
        <translation>El rayo de luz rodea el cuerpo y sale por el borde inferior.</translation>
    </message>
    <message>
        <source>The picture is empty until the first values are shown.</source>
        <translation>La imagen está vacía hasta que se muestran los primeros valores.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 of its radius, drawn as %2.</source>
        <translation>El cuerpo ocupa el disco azul; su radio de Schwarzschild, dibujado como %2, es %1 veces su radio.</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 times its radius, drawn as %2.</source>
        <translation>El cuerpo ocupa el disco azul; su radio de Schwarzschild, dibujado como %2, es %1 veces su radio.</translation>
    </message>
    <message>
        <source>Beam start at %1.</source>
        <translation>Punto de partida del rayo en %1.</translation>
    </message>
    <message>
        <source>the yellow circle on the edge of the disc</source>
        <translation>el círculo amarillo sobre el borde del disco</translation>
    </message>
    <message>
        <source>the yellow circle between the disc and the innermost red ring</source>
        <translation>el círculo amarillo entre el disco y el anillo rojo interior</translation>
    </message>
    <message>
        <source>the yellow circle on the innermost red ring</source>
        <translation>el círculo amarillo sobre el anillo rojo interior</translation>
    </message>
    <message>
        <source>the yellow circle between the innermost and the middle red ring</source>
        <translation>el círculo amarillo entre el anillo rojo interior y el del medio</translation>
    </message>
    <message>
        <source>the yellow circle on the middle red ring</source>
        <translation>el círculo amarillo sobre el anillo rojo del medio</translation>
    </message>
    <message>
        <source>the yellow circle between the middle and the outermost red ring</source>
        <translation>el círculo amarillo entre el anillo rojo del medio y el exterior</translation>
    </message>
    <message>
        <source>the yellow circle on the outermost red ring</source>
        <translation>el círculo amarillo sobre el anillo rojo exterior</translation>
    </message>
    <message>
        <source>Ray %1, from %2:</source>
        <translation>Rayo %1, desde %2:</translation>
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
        <translation>posición de 0 a 100</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>Radio de Schwarzschild</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius</source>
        <translation>Curvatura a 1 radio del cuerpo</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius</source>
        <translation>Radio de curvatura a 1 radio del cuerpo</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii</source>
        <translation>Curvatura a 1,5 radios del cuerpo</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii</source>
        <translation>Radio de curvatura a 1,5 radios del cuerpo</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii</source>
        <translation>Curvatura a 2 radios del cuerpo</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii</source>
        <translation>Radio de curvatura a 2 radios del cuerpo</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii</source>
        <translation>Curvatura a 2,5 radios del cuerpo</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii</source>
        <translation>Radio de curvatura a 2,5 radios del cuerpo</translation>
    </message>
    <message>
        <source>Radius, coarse bar</source>
        <translation>Radio, barra de ajuste grueso</translation>
    </message>
    <message>
        <source>Radius, fine bar</source>
        <translation>Radio, barra de ajuste fino</translation>
    </message>
    <message>
        <source>Mass, coarse bar</source>
        <translation>Masa, barra de ajuste grueso</translation>
    </message>
    <message>
        <source>Mass, fine bar</source>
        <translation>Masa, barra de ajuste fino</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Punto de partida del rayo</translation>
    </message>
    <message>
        <source>scene units</source>
        <translation>unidades de dibujo</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The simulation has ended.</source>
        <translation>La simulación ha terminado.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Copiar el enlace a esta configuración</translation>
    </message>
    <message>
        <source>The link to this setup is on the clipboard.</source>
        <translation>El enlace a esta configuración está en el portapapeles.</translation>
    </message>
    <message>
        <source>The clipboard refused the link; copy it from here: %1</source>
        <translation>El portapapeles rechazó el enlace; cópialo de aquí: %1</translation>
    </message>
    <message>
        <source>Download for offline use</source>
        <translation>Descargar para usar sin conexión</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous control</source>
        <translation>Tab, Mayús+Tab: el control siguiente o el anterior</translation>
    </message>
    <message>
        <source>Space, Enter: press the focused button</source>
        <translation>Espacio, Intro: pulsar el botón con el foco</translation>
    </message>
    <message>
        <source>Left, Right (or Up, Down): move the focused bar by one</source>
        <translation>Izquierda, Derecha (o Arriba, Abajo): mover la barra con el foco una posición</translation>
    </message>
    <message>
        <source>Page Up, Page Down: move the focused bar by ten</source>
        <translation>Re Pág, Av Pág: mover la barra con el foco diez posiciones</translation>
    </message>
    <message>
        <source>Home, End: the focused bar to its left or right end</source>
        <translation>Inicio, Fin: la barra con el foco a su extremo izquierdo o derecho</translation>
    </message>
    <message>
        <source>Alt with an underlined letter: that menu command</source>
        <translation>Alt con una letra subrayada: ese comando del menú</translation>
    </message>
    <message>
        <source>F1: the help, once the Help command has run</source>
        <translation>F1: la ayuda, una vez ejecutado el comando Ayuda</translation>
    </message>
    <message>
        <source>Escape: close a dialog</source>
        <translation>Esc: cerrar un cuadro de diálogo</translation>
    </message>
    <message>
        <source>%1: times 2 to the power %2, %3</source>
        <translation>%1: por 2 elevado a %2, %3</translation>
    </message>
    <message>
        <source>%1: plus %2 percent of the coarse value, %3</source>
        <translation>%1: más %2 por ciento del valor grueso, %3</translation>
    </message>
    <message>
        <source>The body is now inside its Schwarzschild radius.</source>
        <translation>El cuerpo está ahora dentro de su radio de Schwarzschild.</translation>
    </message>
    <message>
        <source>The body is now outside its Schwarzschild radius.</source>
        <translation>El cuerpo está ahora fuera de su radio de Schwarzschild.</translation>
    </message>
    <message>
        <source>This browser cannot run the simulation: it has no WebAssembly, or it is switched off. Open the page in a current Firefox, Chromium, Chrome, Edge or Safari.</source>
        <translation>Este navegador no puede ejecutar la simulación: no tiene WebAssembly o está desactivado. Abre la página en un Firefox, Chromium, Chrome, Edge o Safari actual.</translation>
    </message>
    <message>
        <source>The simulation could not be loaded (%1). Reload the page; if that does not help, use the single-file version or another browser.</source>
        <translation>No se pudo cargar la simulación (%1). Recarga la página; si no sirve, usa la versión de un solo archivo u otro navegador.</translation>
    </message>
    <message>
        <source>This page needs its web server and cannot run from a file on disk. Open the single-file version (korvath-offline.html) instead: it works by double-click, without a network.</source>
        <translation>Esta página necesita su servidor web y no funciona desde un archivo del disco. Abre en su lugar la versión de un solo archivo (korvath-offline.html): se abre con doble clic, sin red.</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not valid; the simulation starts in its default state.</source>
        <translation>El ajuste «%1» del enlace no es válido; la simulación empieza en su estado inicial.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>%1: JavaScript and WebAssembly are needed.</source>
        <translation>%1: se necesitan JavaScript y WebAssembly.</translation>
    </message>
    <message>
        <source>A body&apos;s density, Schwarzschild radius and curvature, and a light ray traced past it</source>
        <translation>La densidad, el radio de Schwarzschild y la curvatura de un cuerpo, y un rayo de luz que pasa junto a él</translation>
    </message>
    <message>
        <source>Delete: clear the rays</source>
        <translation>Supr: borrar los rayos</translation>
    </message>
    <message>
        <source>%1: minus %2 percent of the coarse value, %3</source>
        <translation>%1: menos %2 por ciento del valor grueso, %3</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>%1: worksheet</source>
        <translation>%1: hoja de trabajo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Cuerpo</translation>
    </message>
    <message>
        <source>Radius bars (coarse, fine)</source>
        <translation>Barras del radio (ajuste grueso, fino)</translation>
    </message>
    <message>
        <source>Mass bars (coarse, fine)</source>
        <translation>Barras de la masa (ajuste grueso, fino)</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>Punto de partida del rayo</translation>
    </message>
    <message>
        <source>To set it up again:</source>
        <translation>Para volver a esta configuración:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>%1: the settings file %2 is not a regular file of at most 64 KiB; it is not used.</source>
        <translation>%1: el archivo de configuración %2 no es un archivo normal de 64 KiB como máximo; no se usa.</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpSplash</name>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpViewer</name>
    <message>
        <source>Korvath simulation Help</source>
        <translation>Simulación Korvath – Ayuda</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>The help could not be opened</source>
        <translation>No se pudo abrir la ayuda</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de ayuda &lt;b&gt;%1&lt;/b&gt;: %2.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2, not a regular file, so it is not read.</source>
        <translation>El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; es %2, no un archivo normal, así que no se lee.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is empty.</source>
        <translation>El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; está vacío.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2 long; a help file may be at most %3.</source>
        <translation>El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; ocupa %2; un archivo de ayuda puede ocupar como máximo %3.</translation>
    </message>
    <message>
        <source>The program could not tell which folder it was started from (the folder&apos;s name may not be valid text in the system&apos;s language settings).</source>
        <translation>El programa no pudo saber desde qué carpeta se inició (quizá el nombre de la carpeta no es un texto válido en la configuración de idioma del sistema).</translation>
    </message>
    <message>
        <source>These folders do not exist: %1.</source>
        <translation>Estas carpetas no existen: %1.</translation>
    </message>
    <message>
        <source>So the help file &lt;b&gt;%1&lt;/b&gt; could not be looked for.</source>
        <translation>Por eso no se pudo buscar el archivo de ayuda &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The help could not be found</source>
        <translation>No se encontró la ayuda</translation>
    </message>
    <message>
        <source>The simulation goes on normally; you can close this window.</source>
        <translation>La simulación sigue con normalidad; puedes cerrar esta ventana.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; holds too many tables, or tables nested too deep, to be shown in good time.</source>
        <translation>El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; contiene demasiadas tablas, o tablas anidadas a demasiada profundidad, para mostrarse a tiempo.</translation>
    </message>
</context>
<context>
    <name>korvath::ui::RayCommands</name>
    <message>
        <source>Animate the &amp;ray</source>
        <translation>A&amp;nimar el rayo</translation>
    </message>
    <message>
        <source>&amp;Keep earlier rays</source>
        <translation>&amp;Conservar los rayos anteriores</translation>
    </message>
    <message>
        <source>C&amp;lear rays</source>
        <translation>&amp;Borrar los rayos</translation>
    </message>
</context>
<context>
    <name>korvath::ui::TakeAway</name>
    <message>
        <source>Copy all values</source>
        <translation>Copiar todos los valores</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>%1× (%2 × %3 pixels)</source>
        <translation>%1× (%2 × %3 píxeles)</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
</context>
<context>
    <name>korvath::ui::WorksheetCommands</name>
    <message>
        <source>&amp;Export worksheet as PDF…</source>
        <translation>&amp;Exportar la hoja de trabajo como PDF…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>Export worksheet as PDF</source>
        <translation>Exportar la hoja de trabajo como PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
</context>
</TS>
