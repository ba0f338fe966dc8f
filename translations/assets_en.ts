<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>assets</name>
    <message>
        <source>Sobre aquest treball</source>
        <translation>About this work</translation>
    </message>
    <message>
        <source>Tarvon, model basat en la teoria cineticomolecular</source>
        <translation>Tarvon, a model based on the kinetic molecular theory</translation>
    </message>
    <message>
        <source>Treball de desenvolupament de models per a l&apos;ensenyament de la química</source>
        <translation>Work on developing models for the teaching of chemistry</translation>
    </message>
    <message>
        <source>Què és</source>
        <translation>What it is</translation>
    </message>
    <message>
        <source>Tarvon és un model de la teoria cineticomolecular. En una caixa tancada, dibuixada en perspectiva, els àtoms i les molècules són cercles de colors que es mouen, xoquen entre si i amb les parets, i reaccionen quan el xoc és eficaç.</source>
        <translation>Tarvon is a model of the kinetic molecular theory. In a closed box, drawn in perspective, atoms and molecules are coloured circles that move, collide with one another and with the walls, and react when the collision is effective.</translation>
    </message>
    <message>
        <source>Quatre reaccions: la síntesi de l&apos;òxid de ferro(II) i de l&apos;amoníac, i la descomposició del iodur d&apos;hidrogen i de l&apos;òxid de mercuri(II).</source>
        <translation>Four reactions: the synthesis of iron(II) oxide and of ammonia, and the decomposition of hydrogen iodide and of mercury(II) oxide.</translation>
    </message>
    <message>
        <source>Comptadors de les partícules de cada espècie i una taula de dades que en recull la variació amb el temps.</source>
        <translation>Counters of the particles of each species and a data table that records how they change over time.</translation>
    </message>
    <message>
        <source>La vista del mecanisme, que atura el primer xoc eficaç i el mostra pas a pas.</source>
        <translation>The mechanism view, which stops at the first effective collision and shows it step by step.</translation>
    </message>
    <message>
        <source>Per a què serveix</source>
        <translation>What it is for</translation>
    </message>
    <message>
        <source>Ajuda l&apos;alumnat de secundària a veure què passa a escala de partícules durant una reacció química: la velocitat de reacció, el paper dels xocs i de l&apos;orientació de les partícules, i com varien les concentracions de reactius i productes al llarg del temps.</source>
        <translation>It helps secondary school students see what happens at the particle scale during a chemical reaction: the reaction rate, the role of collisions and of the orientation of the particles, and how the concentrations of reactants and products change over time.</translation>
    </message>
    <message>
        <source>Les dades es poden passar a un full de càlcul o a un informe, i el model s&apos;acompanya d&apos;una introducció teòrica, de propostes de treball i d&apos;una guia didàctica.</source>
        <translation>The data can be copied to a spreadsheet or a report, and the model comes with a theoretical introduction, suggested activities and a teaching guide.</translation>
    </message>
    <message>
        <source>Perfil energètic d&apos;una reacció</source>
        <translation>Energy profile of a reaction</translation>
    </message>
    <message>
        <source>Coordenada de reacció</source>
        <translation>Reaction coordinate</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Energia
d&apos;activació</source>
        <translation>Activation
energy</translation>
    </message>
    <message>
        <source>Complex activat</source>
        <translation>Activated complex</translation>
    </message>
    <message>
        <source>Reactius</source>
        <translation>Reactants</translation>
    </message>
    <message>
        <source>Productes</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Reacció de síntesi</source>
        <translation>Synthesis reaction</translation>
    </message>
    <message>
        <source>Reacció de descomposició</source>
        <translation>Decomposition reaction</translation>
    </message>
    <message>
        <source>Recomanacions d&apos;ús</source>
        <translation>Tips for use</translation>
    </message>
    <message>
        <source>Com treure profit de Tarvon a l&apos;aula</source>
        <translation>Getting the most out of Tarvon in class</translation>
    </message>
    <message>
        <source>Obriu el model sempre des d&apos;Orvalis, que abans calibra el nombre de partícules que l&apos;ordinador pot moure.</source>
        <translation>Always open the model from Orvalis, which first calibrates how many particles the computer can move.</translation>
    </message>
    <message>
        <source>Projecteu la pantalla perquè tota la classe vegi bé la caixa.</source>
        <translation>Project the screen so that the whole class can see the box well.</translation>
    </message>
    <message>
        <source>Trieu una reacció al menú Reaccions i observeu-la una estona abans de mesurar res.</source>
        <translation>Choose a reaction in the Reactions menu and watch it for a while before measuring anything.</translation>
    </message>
    <message>
        <source>Al menú Eines, un diàmetre més gran fa més freqüents els xocs; la velocitat del procés només accelera l&apos;animació. Amb més partícules la caixa creix i la concentració gairebé no canvia: estudieu-la dins d&apos;una mateixa prova.</source>
        <translation>In the Tools menu, a larger diameter makes collisions more frequent; the process speed only speeds up the animation. With more particles the box grows and the concentration hardly changes: study it within one run.</translation>
    </message>
    <message>
        <source>Preneu dades des del menú Cinètica, a intervals fixos o amb el cronòmetre.</source>
        <translation>Take data from the Kinetics menu, at fixed intervals or with the stopwatch.</translation>
    </message>
    <message>
        <source>Congeleu la imatge, o seguiu pas a pas el primer xoc eficaç amb «Desenvolupament de la reacció».</source>
        <translation>Freeze the image, or follow the first effective collision step by step with “Course of the reaction”.</translation>
    </message>
    <message>
        <source>Passeu la taula de dades al full de càlcul i feu-ne gràfiques.</source>
        <translation>Copy the data table to the spreadsheet and plot it.</translation>
    </message>
    <message>
        <source>Demaneu prediccions abans de cada prova i comenteu els resultats amb l&apos;alumnat.</source>
        <translation>Ask for predictions before each run and discuss the results with the students.</translation>
    </message>
    <message>
        <source>Trobareu propostes de treball i la guia didàctica al menú Finestra.</source>
        <translation>You will find the suggested activities and the teaching guide in the Window menu.</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>constant</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>Cinètica química</source>
        <translation>Chemical kinetics</translation>
    </message>
</context>
</TS>
