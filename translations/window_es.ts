<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Des que ha començat l&apos;experiment: xocs: %1; efectius: %2 (%3)</source>
        <translation>Desde que empezó el experimento: choques: %1; eficaces: %2 (%3)</translation>
    </message>
    <message>
        <source>Des que ha començat l&apos;experiment: arribades d&apos;O2 a la superfície del ferro: %1; oxidacions: %2 (%3)</source>
        <translation>Desde que empezó el experimento: llegadas de O2 a la superficie del hierro: %1; oxidaciones: %2 (%3)</translation>
    </message>
    <message>
        <source>partícules/s</source>
        <translation>partículas/s</translation>
    </message>
    <message>
        <source>1/s</source>
        <translation>1/s</translation>
    </message>
    <message>
        <source>1/(partícules·s)</source>
        <translation>1/(partículas·s)</translation>
    </message>
    <message>
        <source>Ordre %1 (%2): R² = %3, pendent = %4, k = %5 %6</source>
        <translation>Orden %1 (%2): R² = %3, pendiente = %4, k = %5 %6</translation>
    </message>
    <message>
        <source>El temps de semireacció no s&apos;aplica: %1 és un producte i el seu nombre augmenta.</source>
        <translation>El tiempo de semirreacción no se aplica: %1 es un producto y su número aumenta.</translation>
    </message>
    <message>
        <source>El temps de semireacció no es pot calcular: k és 0.</source>
        <translation>El tiempo de semirreacción no se puede calcular: k es 0.</translation>
    </message>
    <message>
        <source>Temps de semireacció (ordre %1, %2): %3 s</source>
        <translation>Tiempo de semirreacción (orden %1, %2): %3 s</translation>
    </message>
    <message>
        <source>Velocitat inicial de formació (recta per les %1 primeres files): %2 partícules/s</source>
        <translation>Velocidad inicial de formación (recta por las %1 primeras filas): %2 partículas/s</translation>
    </message>
    <message>
        <source>Velocitat inicial de desaparició (recta per les %1 primeres files): %2 partícules/s</source>
        <translation>Velocidad inicial de desaparición (recta por las %1 primeras filas): %2 partículas/s</translation>
    </message>
    <message>
        <source>%1 és un producte: la recta d&apos;ordre 0 dóna la seva velocitat de formació, %2 partícules/s.</source>
        <translation>%1 es un producto: la recta de orden 0 da su velocidad de formación, %2 partículas/s.</translation>
    </message>
    <message>
        <source>%1 es forma a velocitat constant mentre augmenta, %2 partícules/s: la reacció és d&apos;ordre 0.</source>
        <translation>%1 se forma a velocidad constante mientras aumenta, %2 partículas/s: la reacción es de orden 0.</translation>
    </message>
    <message>
        <source>%1 no es forma a velocitat constant, i les rectes de ln N i 1/N d&apos;un producte no donen l&apos;ordre de la reacció: per trobar-lo, trieu un reactiu.</source>
        <translation>%1 no se forma a velocidad constante, y las rectas de ln N y 1/N de un producto no dan el orden de reacción: para hallarlo, elija un reactivo.</translation>
    </message>
    <message>
        <source>L&apos;ordre que s&apos;ajusta millor és %1.</source>
        <translation>El orden que mejor se ajusta es %1.</translation>
    </message>
    <message>
        <source>Cap de les tres rectes no s&apos;ajusta bé a les dades (el millor R² és menor que %1): no mostren un ordre clar.</source>
        <translation>Ninguna de las tres rectas se ajusta bien a los datos (el mejor R² es menor que %1): no muestran un orden claro.</translation>
    </message>
    <message>
        <source>Les dades no permeten decidir l&apos;ordre: el R² del millor ajust supera el del següent en menys de %1.</source>
        <translation>Los datos no permiten decidir el orden: el R² del mejor ajuste supera al del siguiente en menos de %1.</translation>
    </message>
    <message>
        <source>k és el valor absolut del pendent, en partícules i segons, sense cap factor estequiomètric.</source>
        <translation>k es el valor absoluto de la pendiente, en partículas y segundos, sin factor estequiométrico.</translation>
    </message>
    <message>
        <source>No hi ha dades: trieu una reacció i preneu dades al menú Cinètica.</source>
        <translation>No hay datos: elija una reacción y tome datos en el menú Cinética.</translation>
    </message>
    <message>
        <source>Calen més dades: l&apos;anàlisi necessita almenys %1 files.</source>
        <translation>Faltan datos: el análisis necesita al menos %1 filas.</translation>
    </message>
    <message>
        <source>Calen més dades: l&apos;anàlisi necessita almenys %1 files, i dues amb %2 diferent de 0.</source>
        <translation>Faltan datos: el análisis necesita al menos %1 filas, y dos con %2 distinto de 0.</translation>
    </message>
    <message>
        <source>%1 partícules, %2, velocitat %3, volum constant</source>
        <translation>%1 partículas, %2, velocidad %3, volumen constante</translation>
    </message>
    <message>
        <source>%1 partícules, %2, velocitat %3</source>
        <translation>%1 partículas, %2, velocidad %3</translation>
    </message>
</context>
</TS>
