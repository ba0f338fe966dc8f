<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>export</name>
    <message>
        <source>Anàlisi de l&apos;ordre de reacció</source>
        <translation>Reaction order analysis</translation>
    </message>
    <message>
        <source>Reacció</source>
        <translation>Reaction</translation>
    </message>
    <message>
        <source>Partícules</source>
        <translation>Particles</translation>
    </message>
    <message>
        <source>Diàmetre</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Velocitat</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Volum constant</source>
        <translation>Constant volume</translation>
    </message>
    <message>
        <source>Data i hora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>0 (velocitat de formació constant)</source>
        <translation>0 (constant rate of formation)</translation>
    </message>
    <message>
        <source>cap (producte: trieu un reactiu)</source>
        <translation>none (product: choose a reactant)</translation>
    </message>
    <message>
        <source>no es pot decidir</source>
        <translation>cannot be decided</translation>
    </message>
    <message>
        <source>Espècie</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Ordre</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Recta</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Pendent</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>Millor ordre</source>
        <translation>Best order</translation>
    </message>
    <message>
        <source>Calen més dades</source>
        <translation>More data needed</translation>
    </message>
    <message>
        <source>k: el valor absolut del pendent, en partícules i segons, sense cap factor estequiomètric.</source>
        <translation>k: the absolute value of the slope, in particles and seconds, with no stoichiometric factor.</translation>
    </message>
    <message>
        <source>%1: %2 (ordre %3)</source>
        <translation>%1: %2 (order %3)</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Anàlisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>no és un fitxer ordinari</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>no és un document ODF vàlid</source>
        <translation>is not a valid ODF document</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut llegir %1: %2</source>
        <translation>could not read %1: %2</translation>
    </message>
    <message>
        <source>%1 no té cap paràgraf on posar el títol</source>
        <translation>%1 has no paragraph to put the title in</translation>
    </message>
    <message>
        <source>error en escriure el document</source>
        <translation>error writing the document</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut crear el llibre</source>
        <translation>the workbook could not be created</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut omplir el full de càlcul</source>
        <translation>the spreadsheet could not be filled</translation>
    </message>
    <message>
        <source>Hoja1</source>
        <translation>Sheet1</translation>
    </message>
</context>
</TS>
