<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Nombre de partícules en funció del temps (segons)</source>
        <translation>Number of particles as a function of time (seconds)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
</context>
</TS>
