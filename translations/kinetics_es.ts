<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>kinetics</name>
    <message>
        <source>Abans: %1</source>
        <translation>Antes: %1</translation>
    </message>
    <message>
        <source>Ara: %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>Desar imatge…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Gràfica en directe</source>
        <translation>Gráfica en directo</translation>
    </message>
    <message>
        <source>Imatge PNG</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>Imatge SVG</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <source>Desada a la carpeta Documents: %1</source>
        <translation>Guardada en la carpeta Documentos: %1</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar la imatge.</source>
        <translation>No se ha podido guardar la imagen.</translation>
    </message>
    <message>
        <source>Ordre %1: %2</source>
        <translation>Orden %1: %2</translation>
    </message>
    <message>
        <source>Anàlisi de l&apos;ordre</source>
        <translation>Análisis del orden</translation>
    </message>
    <message>
        <source>Columna de la taula:</source>
        <translation>Columna de la tabla:</translation>
    </message>
</context>
</TS>
