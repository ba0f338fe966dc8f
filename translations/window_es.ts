<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Nombre de partícules en funció del temps (segons)</source>
        <translation>Número de partículas en función del tiempo (segundos)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tiempo</translation>
    </message>
</context>
</TS>
