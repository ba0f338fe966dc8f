<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Des que ha començat l&apos;experiment: xocs: %1; efectius: %2 (%3)</source>
        <translation>Since the experiment began: collisions: %1; effective: %2 (%3)</translation>
    </message>
    <message>
        <source>Des que ha començat l&apos;experiment: arribades d&apos;O2 a la superfície del ferro: %1; oxidacions: %2 (%3)</source>
        <translation>Since the experiment began: O2 arrivals at the iron surface: %1; oxidations: %2 (%3)</translation>
    </message>
    <message>
        <source>partícules/s</source>
        <translation>particles/s</translation>
    </message>
    <message>
        <source>1/s</source>
        <translation>1/s</translation>
    </message>
    <message>
        <source>1/(partícules·s)</source>
        <translation>1/(particles·s)</translation>
    </message>
    <message>
        <source>Ordre %1 (%2): R² = %3, pendent = %4, k = %5 %6</source>
        <translation>Order %1 (%2): R² = %3, slope = %4, k = %5 %6</translation>
    </message>
    <message>
        <source>El temps de semireacció no s&apos;aplica: %1 és un producte i el seu nombre augmenta.</source>
        <translation>The half-life does not apply: %1 is a product and its number increases.</translation>
    </message>
    <message>
        <source>El temps de semireacció no es pot calcular: k és 0.</source>
        <translation>The half-life cannot be calculated: k is 0.</translation>
    </message>
    <message>
        <source>Temps de semireacció (ordre %1, %2): %3 s</source>
        <translation>Half-life (order %1, %2): %3 s</translation>
    </message>
    <message>
        <source>Velocitat inicial de formació (recta per les %1 primeres files): %2 partícules/s</source>
        <translation>Initial rate of formation (line through the first %1 rows): %2 particles/s</translation>
    </message>
    <message>
        <source>Velocitat inicial de desaparició (recta per les %1 primeres files): %2 partícules/s</source>
        <translation>Initial rate of disappearance (line through the first %1 rows): %2 particles/s</translation>
    </message>
    <message>
        <source>%1 és un producte: la recta d&apos;ordre 0 dóna la seva velocitat de formació, %2 partícules/s.</source>
        <translation>%1 is a product: the order 0 line gives its rate of formation, %2 particles/s.</translation>
    </message>
    <message>
        <source>%1 es forma a velocitat constant mentre augmenta, %2 partícules/s: la reacció és d&apos;ordre 0.</source>
        <translation>%1 forms at a constant rate while it increases, %2 particles/s: the reaction is zero order.</translation>
    </message>
    <message>
        <source>%1 no es forma a velocitat constant, i les rectes de ln N i 1/N d&apos;un producte no donen l&apos;ordre de la reacció: per trobar-lo, trieu un reactiu.</source>
        <translation>%1 does not form at a constant rate, and the ln N and 1/N lines of a product do not give the reaction order: to find it, choose a reactant.</translation>
    </message>
    <message>
        <source>L&apos;ordre que s&apos;ajusta millor és %1.</source>
        <translation>The order that fits best is %1.</translation>
    </message>
    <message>
        <source>Cap de les tres rectes no s&apos;ajusta bé a les dades (el millor R² és menor que %1): no mostren un ordre clar.</source>
        <translation>None of the three lines fits the data well (the best R² is less than %1): they show no clear order.</translation>
    </message>
    <message>
        <source>Les dades no permeten decidir l&apos;ordre: el R² del millor ajust supera el del següent en menys de %1.</source>
        <translation>The data do not decide the order: the R² of the best fit exceeds that of the next by less than %1.</translation>
    </message>
    <message>
        <source>k és el valor absolut del pendent, en partícules i segons, sense cap factor estequiomètric.</source>
        <translation>k is the absolute value of the slope, in particles and seconds, with no stoichiometric factor.</translation>
    </message>
    <message>
        <source>No hi ha dades: trieu una reacció i preneu dades al menú Cinètica.</source>
        <translation>No data: choose a reaction and take data from the Kinetics menu.</translation>
    </message>
    <message>
        <source>Calen més dades: l&apos;anàlisi necessita almenys %1 files.</source>
        <translation>More data needed: the analysis needs at least %1 rows.</translation>
    </message>
    <message>
        <source>Calen més dades: l&apos;anàlisi necessita almenys %1 files, i dues amb %2 diferent de 0.</source>
        <translation>More data needed: the analysis needs at least %1 rows, and two with %2 other than 0.</translation>
    </message>
    <message>
        <source>%1 partícules, %2, velocitat %3, volum constant</source>
        <translation>%1 particles, %2, speed %3, constant volume</translation>
    </message>
    <message>
        <source>%1 partícules, %2, velocitat %3</source>
        <translation>%1 particles, %2, speed %3</translation>
    </message>
</context>
</TS>
