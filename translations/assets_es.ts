<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>assets</name>
    <message>
        <source>Sobre aquest treball</source>
        <translation>Sobre este trabajo</translation>
    </message>
    <message>
        <source>Tarvon, model basat en la teoria cineticomolecular</source>
        <translation>Tarvon, modelo basado en la teoría cinético-molecular</translation>
    </message>
    <message>
        <source>Treball de desenvolupament de models per a l&apos;ensenyament de la química</source>
        <translation>Trabajo de desarrollo de modelos para la enseñanza de la química</translation>
    </message>
    <message>
        <source>Què és</source>
        <translation>Qué es</translation>
    </message>
    <message>
        <source>Tarvon és un model de la teoria cineticomolecular. En una caixa tancada, dibuixada en perspectiva, els àtoms i les molècules són cercles de colors que es mouen, xoquen entre si i amb les parets, i reaccionen quan el xoc és eficaç.</source>
        <translation>Tarvon es un modelo de la teoría cinético-molecular. En una caja cerrada, dibujada en perspectiva, átomos y moléculas son círculos de colores que se mueven, chocan entre sí y con las paredes, y reaccionan cuando el choque es eficaz.</translation>
    </message>
    <message>
        <source>Quatre reaccions: la síntesi de l&apos;òxid de ferro(II) i de l&apos;amoníac, i la descomposició del iodur d&apos;hidrogen i de l&apos;òxid de mercuri(II).</source>
        <translation>Cuatro reacciones: la síntesis del óxido de hierro(II) y del amoníaco, y la descomposición del yoduro de hidrógeno y del óxido de mercurio(II).</translation>
    </message>
    <message>
        <source>Comptadors de les partícules de cada espècie i una taula de dades que en recull la variació amb el temps.</source>
        <translation>Contadores de las partículas de cada especie y una tabla de datos que recoge su variación con el tiempo.</translation>
    </message>
    <message>
        <source>La vista del mecanisme, que atura el primer xoc eficaç i el mostra pas a pas.</source>
        <translation>La vista del mecanismo, que detiene el primer choque eficaz y lo muestra paso a paso.</translation>
    </message>
    <message>
        <source>Per a què serveix</source>
        <translation>Para qué sirve</translation>
    </message>
    <message>
        <source>Ajuda l&apos;alumnat de secundària a veure què passa a escala de partícules durant una reacció química: la velocitat de reacció, el paper dels xocs i de l&apos;orientació de les partícules, i com varien les concentracions de reactius i productes al llarg del temps.</source>
        <translation>Ayuda al alumnado de secundaria a ver qué pasa a escala de partículas en una reacción química: la velocidad de reacción, el papel de los choques y de la orientación de las partículas, y cómo varían con el tiempo las concentraciones de reactivos y productos.</translation>
    </message>
    <message>
        <source>Les dades es poden passar a un full de càlcul o a un informe, i el model s&apos;acompanya d&apos;una introducció teòrica, de propostes de treball i d&apos;una guia didàctica.</source>
        <translation>Los datos se pueden pasar a una hoja de cálculo o a un informe, y el modelo viene con una introducción teórica, propuestas de trabajo y una guía didáctica.</translation>
    </message>
    <message>
        <source>Perfil energètic d&apos;una reacció</source>
        <translation>Perfil energético de una reacción</translation>
    </message>
    <message>
        <source>Coordenada de reacció</source>
        <translation>Coordenada de reacción</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Energia
d&apos;activació</source>
        <translation>Energía de
activación</translation>
    </message>
    <message>
        <source>Complex activat</source>
        <translation>Complejo activado</translation>
    </message>
    <message>
        <source>Reactius</source>
        <translation>Reactivos</translation>
    </message>
    <message>
        <source>Productes</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Reacció de síntesi</source>
        <translation>Reacción de síntesis</translation>
    </message>
    <message>
        <source>Reacció de descomposició</source>
        <translation>Reacción de descomposición</translation>
    </message>
    <message>
        <source>Recomanacions d&apos;ús</source>
        <translation>Consejos de uso</translation>
    </message>
    <message>
        <source>Com treure profit de Tarvon a l&apos;aula</source>
        <translation>Cómo sacar provecho de Tarvon en el aula</translation>
    </message>
    <message>
        <source>Obriu el model sempre des d&apos;Orvalis, que abans calibra el nombre de partícules que l&apos;ordinador pot moure.</source>
        <translation>Abra el modelo siempre desde Orvalis, que antes calibra cuántas partículas puede mover el ordenador.</translation>
    </message>
    <message>
        <source>Projecteu la pantalla perquè tota la classe vegi bé la caixa.</source>
        <translation>Proyecte la pantalla para que toda la clase vea bien la caja.</translation>
    </message>
    <message>
        <source>Trieu una reacció al menú Reaccions i observeu-la una estona abans de mesurar res.</source>
        <translation>Elija una reacción en el menú Reacciones y obsérvela un rato antes de medir.</translation>
    </message>
    <message>
        <source>Al menú Eines, un diàmetre més gran fa més freqüents els xocs; la velocitat del procés només accelera l&apos;animació. Amb més partícules la caixa creix i la concentració gairebé no canvia: estudieu-la dins d&apos;una mateixa prova.</source>
        <translation>En el menú Herramientas, un diámetro mayor hace más frecuentes los choques; la velocidad del proceso solo acelera la animación. Con más partículas la caja crece y la concentración casi no cambia: estúdiela en una misma prueba.</translation>
    </message>
    <message>
        <source>Preneu dades des del menú Cinètica, a intervals fixos o amb el cronòmetre.</source>
        <translation>Tome datos desde el menú Cinética, a intervalos fijos o con el cronómetro.</translation>
    </message>
    <message>
        <source>Congeleu la imatge, o seguiu pas a pas el primer xoc eficaç amb «Desenvolupament de la reacció».</source>
        <translation>Congele la imagen, o siga paso a paso el primer choque eficaz con «Desarrollo de la reacción».</translation>
    </message>
    <message>
        <source>Passeu la taula de dades al full de càlcul i feu-ne gràfiques.</source>
        <translation>Pase la tabla de datos a la hoja de cálculo y haga gráficas.</translation>
    </message>
    <message>
        <source>Demaneu prediccions abans de cada prova i comenteu els resultats amb l&apos;alumnat.</source>
        <translation>Pida predicciones antes de cada prueba y comente los resultados con la clase.</translation>
    </message>
    <message>
        <source>Trobareu propostes de treball i la guia didàctica al menú Finestra.</source>
        <translation>Encontrará propuestas de trabajo y la guía didáctica en el menú Ventana.</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>constante</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>Cinètica química</source>
        <translation>Cinética química</translation>
    </message>
</context>
</TS>
