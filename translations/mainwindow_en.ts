<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>mainwindow</name>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>el sistema no té cap aplicació que l&apos;obri</source>
        <translation>the system has no application to open it</translation>
    </message>
    <message>
        <source>%1 s&apos;ha aturat abans d&apos;acabar</source>
        <translation>%1 stopped before finishing</translation>
    </message>
    <message>
        <source>%1 ha acabat amb el codi %2</source>
        <translation>%1 ended with code %2</translation>
    </message>
    <message>
        <source>Tipus de dissolució</source>
        <translation>Type of solution</translation>
    </message>
    <message>
        <source>Propietats</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Velocitat del procés</source>
        <translation>Process speed</translation>
    </message>
    <message>
        <source>Amunt, més ràpid; avall, més lent</source>
        <translation>Up, faster; down, slower</translation>
    </message>
    <message>
        <source> Minuts     Segons</source>
        <translation> Minutes   Seconds</translation>
    </message>
    <message>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
