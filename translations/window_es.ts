<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Prenent dades...</source>
        <translation>Tomando datos...</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat %1: %2</source>
        <translation>No se ha encontrado %1: %2</translation>
    </message>
    <message>
        <source>no és un fitxer ordinari</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut obrir %1: %2</source>
        <translation>No se ha podido abrir %1: %2</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear %1: %2</source>
        <translation>No se ha podido crear %1: %2</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut escriure %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut copiar %1: %2</source>
        <translation>no se ha podido copiar %1: %2</translation>
    </message>
    <message>
        <source>El procés requerit ha fallat</source>
        <translation>El proceso requerido ha fallado</translation>
    </message>
    <message>
        <source>Desat a: %1</source>
        <translation>Guardado en: %1</translation>
    </message>
    <message>
        <source>Congelar Imatge</source>
        <translation>Congelar imagen</translation>
    </message>
    <message>
        <source>Descongelar Imatge</source>
        <translation>Descongelar imagen</translation>
    </message>
    <message>
        <source>Arxiu (Alt -A):</source>
        <translation>Archivo (Alt-A):</translation>
    </message>
    <message>
        <source>Document de text</source>
        <translation>Documento de texto</translation>
    </message>
    <message>
        <source>Obre un document per prendre notes. La taula de dades cinètiques queda copiada al porta-retalls i s&apos;hi pot enganxar. El primer cop que s&apos;utilitza després d&apos;obrir el programa, el document es crea a la carpeta Documents amb el nom Dades Tarvon; si aquest nom ja hi és, s&apos;hi afegeix un número, de manera que les notes anteriors es conserven. Les vegades següents s&apos;obre el mateix document.</source>
        <translation>Abre un documento para tomar notas. La tabla de datos cinéticos queda copiada en el portapapeles y se puede pegar en él. La primera vez que se utiliza después de abrir el programa, el documento se crea en la carpeta Documentos con el nombre Datos Tarvon; si ese nombre ya existe, se le añade un número, de modo que las notas anteriores se conservan. Las veces siguientes se abre el mismo documento.</translation>
    </message>
    <message>
        <source>Elaboració d&apos;informe (Word)</source>
        <translation>Elaboración de informe (Word)</translation>
    </message>
    <message>
        <source>Conté un exemple de com es poden respondre les preguntes o redactar l&apos;informe de les propostes de treball, i una fitxa en blanc per fer-ho. La fitxa es desa com a document nou a la carpeta Documents.</source>
        <translation>Contiene un ejemplo de cómo se pueden responder las preguntas o redactar el informe de las propuestas de trabajo, y una ficha en blanco para hacerlo. La ficha se guarda como documento nuevo en la carpeta Documentos.</translation>
    </message>
    <message>
        <source>Gràfiques Excel</source>
        <translation>Gráficas Excel</translation>
    </message>
    <message>
        <source>Obre un full de càlcul amb la taula de dades cinètiques enganxada i la seva gràfica. Només està disponible després d&apos;haver pres dades en el menú Cinètica. El full es desa a la carpeta Documents amb el nom DadesCine i el de la reacció; si aquest nom ja hi és, s&apos;hi afegeix un número, de manera que els fulls anteriors es conserven.</source>
        <translation>Abre una hoja de cálculo con la tabla de datos cinéticos pegada y su gráfica. Solo está disponible después de haber tomado datos en el menú Cinética. La hoja se guarda en la carpeta Documentos con el nombre DatosCine y el de la reacción; si ese nombre ya existe, se le añade un número, de modo que las hojas anteriores se conservan.</translation>
    </message>
    <message>
        <source>Accions (Alt-C):</source>
        <translation>Acciones (Alt-C):</translation>
    </message>
    <message>
        <source>Tornar a situació inicial</source>
        <translation>Volver a la situación inicial</translation>
    </message>
    <message>
        <source>Atura el procés i torna a la situació inicial.</source>
        <translation>Detiene el proceso y vuelve a la situación inicial.</translation>
    </message>
    <message>
        <source>Congelar/Descongelar imatge</source>
        <translation>Congelar/Descongelar imagen</translation>
    </message>
    <message>
        <source>Mostra les partícules en un instant determinat, o bé reprèn el moviment.</source>
        <translation>Muestra las partículas en un instante determinado, o bien reanuda el movimiento.</translation>
    </message>
    <message>
        <source>Marcar/Desmarcar partícules</source>
        <translation>Marcar/Desmarcar partículas</translation>
    </message>
    <message>
        <source>Cal activar-ho abans de poder marcar partícules. En fer clic sobre una partícula, queda envoltada d&apos;un altre color, o bé torna a tenir el seu color normal.</source>
        <translation>Hay que activarlo antes de poder marcar partículas. Al hacer clic sobre una partícula, queda rodeada de otro color, o bien vuelve a tener su color normal.</translation>
    </message>
    <message>
        <source>Eines (Alt -E):</source>
        <translation>Herramientas (Alt-H):</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>Augmenta o disminueix el nombre de partícules per costat del sòlid, per adaptar-lo a la velocitat de l&apos;ordinador.</source>
        <translation>Aumenta o disminuye el número de partículas por lado del sólido, para adaptarlo a la velocidad del ordenador.</translation>
    </message>
    <message>
        <source>Diàmetre</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Els diàmetres grans mostren millor els detalls, i els petits reflecteixen millor la teoria cinètica. Amb &quot;Afinar&quot; (+) i (-) s&apos;ajusta lleugerament el diàmetre per evitar distorsions amb algunes resolucions de pantalla.</source>
        <translation>Los diámetros grandes muestran mejor los detalles, y los pequeños reflejan mejor la teoría cinética. Con &quot;Afinar&quot; (+) y (-) se ajusta ligeramente el diámetro para evitar distorsiones con algunas resoluciones de pantalla.</translation>
    </message>
    <message>
        <source>Cronòmetre</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Serveix per mesurar el temps en alguns experiments.</source>
        <translation>Sirve para medir el tiempo en algunos experimentos.</translation>
    </message>
    <message>
        <source>Velocitat del procés</source>
        <translation>Velocidad del proceso</translation>
    </message>
    <message>
        <source>Mostra una barra de desplaçament que accelera el moviment de les partícules, tant com ho permeti l&apos;ordinador.</source>
        <translation>Muestra una barra de desplazamiento que acelera el movimiento de las partículas, tanto como lo permita el ordenador.</translation>
    </message>
    <message>
        <source>Volum constant</source>
        <translation>Volumen constante</translation>
    </message>
    <message>
        <source>Quan està marcat, la caixa conserva la mida que té amb el nombre més gran de partícules que permet &quot;Augmentar&quot; en aquest ordinador, amb el diàmetre triat. Així, en canviar el nombre de partícules canvia la concentració, i es pot aplicar el mètode de les velocitats inicials. Desmarcat, la mida de la caixa segueix el nombre de partícules.</source>
        <translation>Cuando está marcado, la caja conserva el tamaño que tiene con el mayor número de partículas que permite &quot;Aumentar&quot; en este ordenador, con el diámetro elegido. Así, al cambiar el número de partículas cambia la concentración, y se puede aplicar el método de las velocidades iniciales. Desmarcado, el tamaño de la caja sigue el número de partículas.</translation>
    </message>
    <message>
        <source>Reaccions (Alt-R):</source>
        <translation>Reacciones (Alt-R):</translation>
    </message>
    <message>
        <source>Cinètica (Alt-N):</source>
        <translation>Cinética (Alt-N):</translation>
    </message>
    <message>
        <source>Adquirir dades cinètiques</source>
        <translation>Adquirir datos cinéticos</translation>
    </message>
    <message>
        <source>Pren dades del temps i de la concentració de les substàncies en fase gasosa a intervals de 0,5, 1, 2, 5 o 10 segons. L&apos;interval es pot canviar dins d&apos;un mateix experiment. També es poden prendre dades a voluntat amb el cronòmetre.</source>
        <translation>Toma datos del tiempo y de la concentración de las sustancias en fase gaseosa a intervalos de 0,5, 1, 2, 5 o 10 segundos. El intervalo se puede cambiar dentro de un mismo experimento. También se pueden tomar datos a voluntad con el cronómetro.</translation>
    </message>
    <message>
        <source>Aturar presa de dades</source>
        <translation>Detener toma de datos</translation>
    </message>
    <message>
        <source>Atura la presa de dades, que es pot continuar més endavant.</source>
        <translation>Detiene la toma de datos, que se puede continuar más adelante.</translation>
    </message>
    <message>
        <source>Esborrar dades</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Atura la presa de dades, esborra les dades i amaga la taula.</source>
        <translation>Detiene la toma de datos, borra los datos y oculta la tabla.</translation>
    </message>
    <message>
        <source>Desenvolupament de la reacció</source>
        <translation>Desarrollo de la reacción</translation>
    </message>
    <message>
        <source>Mostra el desenvolupament de la reacció en dos instants, amb una part de la caixa i les partícules més grans. El botó Continuar fa passar d&apos;un instant al següent.</source>
        <translation>Muestra el desarrollo de la reacción en dos instantes, con una parte de la caja y las partículas más grandes. El botón Continuar pasa de un instante al siguiente.</translation>
    </message>
    <message>
        <source>Tornar a Reaccions</source>
        <translation>Volver a Reacciones</translation>
    </message>
    <message>
        <source>Torna a la pantalla de la reacció.</source>
        <translation>Vuelve a la pantalla de la reacción.</translation>
    </message>
    <message>
        <source>Experiment nou</source>
        <translation>Nuevo experimento</translation>
    </message>
    <message>
        <source>Torna a començar la reacció amb el nombre de partícules, el diàmetre i la velocitat triats, i torna a prendre dades amb el mateix interval, o amb el cronòmetre si es prenien així. Les dades anteriors es poden comparar a la gràfica.</source>
        <translation>Vuelve a empezar la reacción con el número de partículas, el diámetro y la velocidad elegidos, y vuelve a tomar datos con el mismo intervalo, o con el cronómetro si se tomaban así. Los datos anteriores se pueden comparar en la gráfica.</translation>
    </message>
    <message>
        <source>Gràfica en directe</source>
        <translation>Gráfica en directo</translation>
    </message>
    <message>
        <source>Obre una finestra amb el nombre de partícules de cada substància en funció del temps, que creix a mesura que es prenen dades. Hi apareixen, més clares, fins a quatre experiments anteriors de la mateixa reacció, amb el nom de les seves condicions. A sota hi ha els xocs entre molècules i els efectius, o bé, a l&apos;òxid de ferro(II), les molècules d&apos;oxigen que arriben a la superfície i les que l&apos;oxiden, comptats des que ha començat l&apos;experiment. &quot;Desar imatge…&quot; la desa en PNG o SVG a la carpeta Documents sense esborrar cap fitxer anterior. La tecla Esc tanca la finestra.</source>
        <translation>Abre una ventana con el número de partículas de cada sustancia en función del tiempo, que crece a medida que se toman datos. En ella aparecen, más claros, hasta cuatro experimentos anteriores de la misma reacción, con el nombre de sus condiciones. Debajo están los choques entre moléculas y los eficaces, o bien, en el óxido de hierro(II), las moléculas de oxígeno que llegan a la superficie y las que oxidan el hierro, contados desde que empezó el experimento. &quot;Guardar imagen…&quot; la guarda en PNG o SVG en la carpeta Documentos sin borrar ningún archivo anterior. La tecla Esc cierra la ventana.</translation>
    </message>
    <message>
        <source>Anàlisi de l&apos;ordre</source>
        <translation>Análisis del orden</translation>
    </message>
    <message>
        <source>Per a una columna de la taula, representa N, ln N i 1/N en funció del temps amb les rectes de mínims quadrats, i en dona R², el pendent i la constant k (el valor absolut del pendent, sense factor estequiomètric). Indica l&apos;ordre que s&apos;ajusta millor, o que les dades no permeten decidir-lo, el temps de semireacció i la velocitat inicial. Necessita almenys quatre files de dades.</source>
        <translation>Para una columna de la tabla, representa N, ln N y 1/N en función del tiempo con las rectas de mínimos cuadrados, y da R², la pendiente y la constante k (el valor absoluto de la pendiente, sin factor estequiométrico). Indica el orden que se ajusta mejor, o que los datos no permiten decidirlo, el tiempo de semirreacción y la velocidad inicial. Necesita al menos cuatro filas de datos.</translation>
    </message>
    <message>
        <source>Finestra (Alt -F):</source>
        <translation>Ventana (Alt-V):</translation>
    </message>
    <message>
        <source>Presentació</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Resum en diapositives d&apos;alguns conceptes del model.</source>
        <translation>Resumen en diapositivas de algunos conceptos del modelo.</translation>
    </message>
    <message>
        <source>Introducció teòrica</source>
        <translation>Introducción teórica</translation>
    </message>
    <message>
        <source>Fitxer PDF que explica els conceptes principals del model.</source>
        <translation>Archivo PDF que explica los conceptos principales del modelo.</translation>
    </message>
    <message>
        <source>Propostes de treball</source>
        <translation>Propuestas de trabajo</translation>
    </message>
    <message>
        <source>Fitxer PDF amb una col·lecció d&apos;experiments per fer amb el model.</source>
        <translation>Archivo PDF con una colección de experimentos para hacer con el modelo.</translation>
    </message>
    <message>
        <source>Guia didàctica</source>
        <translation>Guía didáctica</translation>
    </message>
    <message>
        <source>Fitxer PDF amb orientacions sobre com s&apos;ha construït el model i com es pot utilitzar.</source>
        <translation>Archivo PDF con orientaciones sobre cómo se ha construido el modelo y cómo se puede utilizar.</translation>
    </message>
    <message>
        <source>Mode projector</source>
        <translation>Modo proyector</translation>
    </message>
    <message>
        <source>Per veure-ho des del fons de l&apos;aula: cada àtom es dibuixa com a mínim de 8 píxels d&apos;amplada, sense canviar-ne la posició ni el model, i la lletra dels comptadors, de la descripció i de la taula de dades es fa més gran, fins a una vegada i mitja, tant com hi càpiga. Es torna a desactivar de la mateixa manera, i el programa recorda l&apos;elecció.</source>
        <translation>Para verlo desde el fondo del aula: cada átomo se dibuja con 8 píxeles de anchura como mínimo, sin cambiar su posición ni el modelo, y la letra de los contadores, de la descripción y de la tabla de datos se hace más grande, hasta una vez y media, tanto como quepa. Se vuelve a desactivar del mismo modo, y el programa recuerda la elección.</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>(Només disponible després d&apos;haver triat</source>
        <translation>(Solo disponible después de haber elegido</translation>
    </message>
    <message>
        <source>una reacció en el menú Reaccions)</source>
        <translation>una reacción en el menú Reacciones)</translation>
    </message>
    <message>
        <source>Congelar imatge</source>
        <translation>Congelar imagen</translation>
    </message>
    <message>
        <source>L&apos;idioma triat s&apos;aplicarà la propera vegada que obriu el programa.</source>
        <translation>El idioma elegido se aplicará la próxima vez que abra el programa.</translation>
    </message>
    <message>
        <source>&amp;Arxiu</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Fitxa per emplenar</source>
        <translation>Ficha para rellenar</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>A&amp;ccions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Eines</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Predeterminat</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Augmentar</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Disminuir</source>
        <translation>Disminuir</translation>
    </message>
    <message>
        <source>1,5:1</source>
        <translation>1,5:1</translation>
    </message>
    <message>
        <source>Afinar</source>
        <translation>Afinar</translation>
    </message>
    <message>
        <source>(+)</source>
        <translation>(+)</translation>
    </message>
    <message>
        <source>(-)</source>
        <translation>(-)</translation>
    </message>
    <message>
        <source>&amp;Reaccions</source>
        <translation>&amp;Reacciones</translation>
    </message>
    <message>
        <source>Ci&amp;nètica</source>
        <translation>Ci&amp;nética</translation>
    </message>
    <message>
        <source>Amb el cronòmetre</source>
        <translation>Con el cronómetro</translation>
    </message>
    <message>
        <source>Cada 0,5 segons</source>
        <translation>Cada 0,5 segundos</translation>
    </message>
    <message>
        <source>    &quot;      1 segon</source>
        <translation>    &quot;      1 segundo</translation>
    </message>
    <message>
        <source>    &quot;      2 segons</source>
        <translation>    &quot;      2 segundos</translation>
    </message>
    <message>
        <source>    &quot;      5 segons</source>
        <translation>    &quot;      5 segundos</translation>
    </message>
    <message>
        <source>    &quot;    10 segons</source>
        <translation>    &quot;    10 segundos</translation>
    </message>
    <message>
        <source>......Aturar presa de dades</source>
        <translation>......Detener toma de datos</translation>
    </message>
    <message>
        <source>......Esborrar dades</source>
        <translation>......Borrar datos</translation>
    </message>
    <message>
        <source>......Tornar a Reaccions</source>
        <translation>......Volver a Reacciones</translation>
    </message>
    <message>
        <source>&amp;Finestra</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Hi ha dues teories per interpretar el desenvolupament d&apos;una reacció química:</source>
        <translation>Hay dos teorías para interpretar el desarrollo de una reacción química:</translation>
    </message>
    <message>
        <source>Teoria de les col.lisions: la reacció es produeix com resultat dels xocs entre partícules, quan es compleixen les següents condicions:</source>
        <translation>Teoría de las colisiones: la reacción se produce como resultado de los choques entre partículas, cuando se cumplen las condiciones siguientes:</translation>
    </message>
    <message>
        <source>- les partícules que xoquen tenen energia cinètica suficient per provocar un reordenament dels enllaços i </source>
        <translation>- las partículas que chocan tienen energía cinética suficiente para provocar una reordenación de los enlaces y </translation>
    </message>
    <message>
        <source>- xoquen amb l&apos;orientació adequada.</source>
        <translation>- chocan con la orientación adecuada.</translation>
    </message>
    <message>
        <source>Teoria del complex activat: la reacció es produeix quan les substàncies presents (reactius) han adquirit suficient energia (energia d&apos;activació ), a través dels xocs o d&apos;aportacions externes d&apos;energia calorífica, lluminosa, elèctrica, etc. Aleshores es dona lloc a un estat de transició d&apos;alta energia (complex activat ) en el que ja s&apos;han alterat els enllaços inicials, que es transforma ràpidament en els productes de la reacció.</source>
        <translation>Teoría del complejo activado: la reacción se produce cuando las sustancias presentes (reactivos) han adquirido suficiente energía (energía de activación), a través de los choques o de aportes externos de energía calorífica, luminosa, eléctrica, etc. Entonces se forma un estado de transición de alta energía (complejo activado) en el que ya se han alterado los enlaces iniciales, que se transforma rápidamente en los productos de la reacción.</translation>
    </message>
    <message>
        <source>La cinètica química estudia la rapidesa amb la que es produeix una reacció i la forma com es desenvolupa.</source>
        <translation>La cinética química estudia la rapidez con que se produce una reacción y la forma en que se desarrolla.</translation>
    </message>
    <message>
        <source>La rapidesa es pot conéixer determinant les concentracions dels reactius i productes que hi intervenen, en funció del temps.</source>
        <translation>La rapidez se puede conocer determinando las concentraciones de los reactivos y productos que intervienen, en función del tiempo.</translation>
    </message>
    <message>
        <source>Nombre de partícules en funció del temps (segons)</source>
        <translation>Número de partículas en función del tiempo (segundos)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tiempo</translation>
    </message>
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
        <translation>Velocidad inicial de formación (recta de las %1 primeras filas): %2 partículas/s</translation>
    </message>
    <message>
        <source>Velocitat inicial de desaparició (recta per les %1 primeres files): %2 partícules/s</source>
        <translation>Velocidad inicial de desaparición (recta de las %1 primeras filas): %2 partículas/s</translation>
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
    <message>
        <source>Tria la llengua dels menús i dels textos del programa: català, castellà o anglès. S&apos;aplica la propera vegada que s&apos;obre el programa. L&apos;exemple d&apos;informe, la fitxa i els documents del menú Finestra s&apos;obren en la llengua triada, o en català si la carpeta de dades no els té en aquesta llengua. El document de notes, la fitxa i el full de càlcul que es desen a la carpeta Documents tenen el nom en la llengua triada.</source>
        <translation>Elige la lengua de los menús y de los textos del programa: catalán, castellano o inglés. Se aplica la próxima vez que se abra el programa. El ejemplo de informe, la ficha y los documentos del menú Ventana se abren en la lengua elegida, o en catalán si la carpeta de datos no los tiene en esa lengua. El documento de notas, la ficha y la hoja de cálculo que se guardan en la carpeta Documentos llevan el nombre en la lengua elegida.</translation>
    </message>
</context>
</TS>
