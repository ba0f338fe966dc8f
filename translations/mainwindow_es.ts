<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>mainwindow</name>
    <message>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>el sistema no té cap aplicació que l&apos;obri</source>
        <translation>el sistema no tiene ninguna aplicación que lo abra</translation>
    </message>
    <message>
        <source>%1 s&apos;ha aturat abans d&apos;acabar</source>
        <translation>%1 se ha detenido antes de terminar</translation>
    </message>
    <message>
        <source>%1 ha acabat amb el codi %2</source>
        <translation>%1 ha terminado con el código %2</translation>
    </message>
    <message>
        <source>Tipus de dissolució</source>
        <translation>Tipo de disolución</translation>
    </message>
    <message>
        <source>Propietats</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Velocitat del procés</source>
        <translation>Velocidad del proceso</translation>
    </message>
    <message>
        <source>Amunt, més ràpid; avall, més lent</source>
        <translation>Arriba, más rápido; abajo, más lento</translation>
    </message>
    <message>
        <source> Minuts     Segons</source>
        <translation> Minutos   Segundos</translation>
    </message>
    <message>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
