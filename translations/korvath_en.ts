<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>FaultText</name>
    <message numerus="yes">
        <source>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</source>
        <translation>
            <numerusform>The light ray stops after %n segment: its arithmetic fails at pass %1 (%2).</numerusform>
            <numerusform>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message numerus="yes">
        <source>The light ray falls into the body after %n steps.</source>
        <translation>
            <numerusform>The light ray falls into the body after %n step.</numerusform>
            <numerusform>The light ray falls into the body after %n steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n steps.</source>
        <translation>
            <numerusform>The light ray stops after %n step.</numerusform>
            <numerusform>The light ray stops after %n steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the left edge, bent by %n degrees.</source>
        <translation>
            <numerusform>The light ray passes the body and leaves at the left edge, bent by %n degree.</numerusform>
            <numerusform>The light ray passes the body and leaves at the left edge, bent by %n degrees.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the right edge, bent by %n degrees.</source>
        <translation>
            <numerusform>The light ray passes the body and leaves at the right edge, bent by %n degree.</numerusform>
            <numerusform>The light ray passes the body and leaves at the right edge, bent by %n degrees.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the top edge, bent by %n degrees.</source>
        <translation>
            <numerusform>The light ray passes the body and leaves at the top edge, bent by %n degree.</numerusform>
            <numerusform>The light ray passes the body and leaves at the top edge, bent by %n degrees.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</source>
        <translation>
            <numerusform>The light ray passes the body and leaves at the bottom edge, bent by %n degree.</numerusform>
            <numerusform>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</numerusform>
        </translation>
    </message>
</context>
</TS>
