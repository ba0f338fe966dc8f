<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>qtcommon</name>
    <message>
        <source>.............Detectant configuració de pantalla.............................</source>
        <translation>.............Detectando la configuración de pantalla.............................</translation>
    </message>
    <message>
        <source>.............Calculant el nombre òptim de partícules .............................</source>
        <translation>.............Calculando el número óptimo de partículas .............................</translation>
    </message>
    <message>
        <source>No es pot escriure %1: no és un fitxer ordinari</source>
        <translation>No se puede escribir %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta %1</source>
        <translation>No se ha podido crear la carpeta %1</translation>
    </message>
    <message>
        <source>No es pot esborrar %1: no és un fitxer ordinari</source>
        <translation>No se puede borrar %1: no es un archivo normal</translation>
    </message>
</context>
</TS>
