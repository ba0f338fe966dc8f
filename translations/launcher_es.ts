<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>launcher</name>
    <message>
        <source>Optimitzant el nombre de partícules  </source>
        <translation>Optimizando el número de partículas  </translation>
    </message>
    <message>
        <source>&amp;Opcions</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Minimitzar</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Recomanacions d&apos;ús</source>
        <translation>Consejos de uso</translation>
    </message>
    <message>
        <source>Sobre aquest treball....</source>
        <translation>Sobre este trabajo...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>L&apos;idioma nou s&apos;aplicarà la propera vegada que obriu Orvalis i Tarvon.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que abra Orvalis y Tarvon.</translation>
    </message>
    <message>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Model basat en la teoria cineticomolecular</source>
        <translation>Modelo basado en la teoría cinético-molecular</translation>
    </message>
    <message>
        <source>Fi </source>
        <translation>Fin </translation>
    </message>
</context>
</TS>
