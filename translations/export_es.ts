<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>export</name>
    <message>
        <source>Anàlisi de l&apos;ordre de reacció</source>
        <translation>Análisis del orden de reacción</translation>
    </message>
    <message>
        <source>Reacció</source>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>Partícules</source>
        <translation>Partículas</translation>
    </message>
    <message>
        <source>Diàmetre</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Velocitat</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Volum constant</source>
        <translation>Volumen constante</translation>
    </message>
    <message>
        <source>Data i hora</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>0 (velocitat de formació constant)</source>
        <translation>0 (velocidad de formación constante)</translation>
    </message>
    <message>
        <source>cap (producte: trieu un reactiu)</source>
        <translation>ninguno (producto: elija un reactivo)</translation>
    </message>
    <message>
        <source>no es pot decidir</source>
        <translation>no se puede decidir</translation>
    </message>
    <message>
        <source>Espècie</source>
        <translation>Especie</translation>
    </message>
    <message>
        <source>Ordre</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Recta</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Pendent</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Millor ordre</source>
        <translation>Mejor orden</translation>
    </message>
    <message>
        <source>Calen més dades</source>
        <translation>Faltan datos</translation>
    </message>
    <message>
        <source>k: el valor absolut del pendent, en partícules i segons, sense cap factor estequiomètric.</source>
        <translation>k: el valor absoluto de la pendiente, en partículas y segundos, sin factor estequiométrico.</translation>
    </message>
    <message>
        <source>%1: %2 (ordre %3)</source>
        <translation>%1: %2 (orden %3)</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Anàlisi</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>no és un fitxer ordinari</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>no és un document ODF vàlid</source>
        <translation>no es un documento ODF válido</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut llegir %1: %2</source>
        <translation>no se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>%1 no té cap paràgraf on posar el títol</source>
        <translation>%1 no tiene ningún párrafo donde poner el título</translation>
    </message>
    <message>
        <source>error en escriure el document</source>
        <translation>error al escribir el documento</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut crear el llibre</source>
        <translation>no se ha podido crear el libro</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut omplir el full de càlcul</source>
        <translation>no se ha podido llenar la hoja de cálculo</translation>
    </message>
    <message>
        <source>Hoja1</source>
        <translation>Hoja1</translation>
    </message>
</context>
</TS>
