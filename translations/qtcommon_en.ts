<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>qtcommon</name>
    <message>
        <source>.............Detectant configuració de pantalla.............................</source>
        <translation>.............Detecting the screen configuration.............................</translation>
    </message>
    <message>
        <source>.............Calculant el nombre òptim de partícules .............................</source>
        <translation>.............Calculating the optimal number of particles .............................</translation>
    </message>
    <message>
        <source>No es pot escriure %1: no és un fitxer ordinari</source>
        <translation>Cannot write %1: it is not a regular file</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
    <message>
        <source>No es pot esborrar %1: no és un fitxer ordinari</source>
        <translation>Cannot delete %1: it is not a regular file</translation>
    </message>
</context>
</TS>
