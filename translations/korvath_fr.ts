<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; try --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows a body (the Earth or the Sun) with its radius and mass scaled at will:
its density, its Schwarzschild radius, the curvature of space around it,
and a light ray bending towards it. Without options it opens its window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the window in this language (en, de, fr, es or ja) instead of the desktop&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the values the window would show, and exit without opening it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the picture the window would show to a PNG or SVG file, and exit without opening the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body: earth (the default) or sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine radius bar (default 50,50).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coarse,fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine mass bar (default 50,50).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --values: tsv (the default), csv or json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --picture: the height of the beam start, 50 to 6150 in steps of 50 (default 1500).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --picture: trace the light ray (Beam).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--values and --picture cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --values or --picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format goes with --values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown body &apos;%1&apos; (earth or sun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 &apos;%2&apos; is not two positions 0 to 100 such as 50,50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (tsv, csv or json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beam start &apos;%1&apos; cannot be reached with the move buttons (50 to 6150 in steps of 50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture file &apos;%1&apos; must end in .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arithmetic fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its radius is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its radius is infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its radius is %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its mass is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its mass is infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its mass is %1 kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its radius of %1 m is too large to give a volume (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its density cannot be computed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its radius of %1 m lies more than 32767 search steps above its Schwarzschild radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the search for its Schwarzschild radius failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the curvature at %1 body radii cannot be computed (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change cannot be made: its arithmetic fails (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray stops after %1 segments: its arithmetic fails at pass %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body cannot be computed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &apos;%1&apos;; the window speaks English (available: %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiusr(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius, coarse: powers of two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies the preset radius by 2 to the power (value - 50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the coarse radius bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius, fine: whole percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the fine radius bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass(kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass, coarse: powers of two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies the preset mass by 2 to the power (value - 50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the coarse mass bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass, fine: whole percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the fine mass bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass in kilograms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the beam start in scene units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>density(gram/cubic centimeters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density in grams per cubic centimetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarzschild radius(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarzschild radius in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curvature of stellar radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 1 body radius, per square metre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of curvature of stellar radius(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curvature of 1.5 times location of stellar radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii, per square metre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of curvature of 1.5 times location of stellar radius(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curvature of 2 times location of stellar radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 2 body radii, per square metre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of curvature of 2 times location of stellar radius(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curvature of 2.5 times location of stellar radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii, per square metre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of curvature of 2.5 times location of stellar radius(m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>the smallest yellow circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the yellow circle inside the disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the yellow circle among the red rings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the yellow circle outside the red rings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a yellow circle that lies beyond the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray falls into the body after %1 steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray stops after %1 steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the left edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the right edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the top edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the bottom edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body and leaves at the left edge, bent by %1 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body and leaves at the right edge, bent by %1 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body and leaves at the top edge, bent by %1 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray passes the body and leaves at the bottom edge, bent by %1 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the left edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the right edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the top edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the bottom edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is empty until the first values are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 of its radius, drawn as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 times its radius, drawn as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beam start at %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValuesTable</name>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m⁻²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 1 body radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 2 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius, coarse bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius, fine bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass, coarse bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass, fine bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scene units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpViewer</name>
    <message>
        <source>Korvath simulation Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help could not be opened&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be read: %2.&lt;/p&gt;&lt;p&gt;The simulation goes on normally; you can close this window.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvath::ui::TakeAway</name>
    <message>
        <source>Copy all values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
