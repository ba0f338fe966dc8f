<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>launcher</name>
    <message>
        <source>Optimitzant el nombre de partícules  </source>
        <translation>Optimising the number of particles  </translation>
    </message>
    <message>
        <source>&amp;Opcions</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Minimitzar</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Recomanacions d&apos;ús</source>
        <translation>Tips for use</translation>
    </message>
    <message>
        <source>Sobre aquest treball....</source>
        <translation>About this work...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>L&apos;idioma nou s&apos;aplicarà la propera vegada que obriu Orvalis i Tarvon.</source>
        <translation>The new language will apply the next time you open Orvalis and Tarvon.</translation>
    </message>
    <message>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Model basat en la teoria cineticomolecular</source>
        <translation>Model based on the kinetic molecular theory</translation>
    </message>
    <message>
        <source>Fi </source>
        <translation>End </translation>
    </message>
</context>
</TS>
