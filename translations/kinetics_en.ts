<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>kinetics</name>
    <message>
        <source>Abans: %1</source>
        <translation>Before: %1</translation>
    </message>
    <message>
        <source>Ara: %1</source>
        <translation>Now: %1</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>Desar imatge…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Gràfica en directe</source>
        <translation>Live graph</translation>
    </message>
    <message>
        <source>Imatge PNG</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>Imatge SVG</source>
        <translation>SVG image</translation>
    </message>
    <message>
        <source>Desada a la carpeta Documents: %1</source>
        <translation>Saved in the Documents folder: %1</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar la imatge.</source>
        <translation>The image could not be saved.</translation>
    </message>
    <message>
        <source>Ordre %1: %2</source>
        <translation>Order %1: %2</translation>
    </message>
    <message>
        <source>Anàlisi de l&apos;ordre</source>
        <translation>Order analysis</translation>
    </message>
    <message>
        <source>Columna de la taula:</source>
        <translation>Table column:</translation>
    </message>
</context>
</TS>
