<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>window</name>
    <message>
        <source>Prenent dades...</source>
        <translation>Taking data...</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat %1: %2</source>
        <translation>Could not find %1: %2</translation>
    </message>
    <message>
        <source>no és un fitxer ordinari</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut obrir %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear %1: %2</source>
        <translation>Could not create %1: %2</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut escriure %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut copiar %1: %2</source>
        <translation>could not copy %1: %2</translation>
    </message>
    <message>
        <source>El procés requerit ha fallat</source>
        <translation>The requested process failed</translation>
    </message>
    <message>
        <source>Desat a: %1</source>
        <translation>Saved to: %1</translation>
    </message>
    <message>
        <source>Congelar Imatge</source>
        <translation>Freeze image</translation>
    </message>
    <message>
        <source>Descongelar Imatge</source>
        <translation>Unfreeze image</translation>
    </message>
    <message>
        <source>Arxiu (Alt -A):</source>
        <translation>File (Alt-F):</translation>
    </message>
    <message>
        <source>Document de text</source>
        <translation>Text document</translation>
    </message>
    <message>
        <source>Obre un document per prendre notes. La taula de dades cinètiques queda copiada al porta-retalls i s&apos;hi pot enganxar. El primer cop que s&apos;utilitza després d&apos;obrir el programa, el document es crea a la carpeta Documents amb el nom Dades Tarvon; si aquest nom ja hi és, s&apos;hi afegeix un número, de manera que les notes anteriors es conserven. Les vegades següents s&apos;obre el mateix document.</source>
        <translation>Opens a document for taking notes. The kinetic data table is copied to the clipboard and can be pasted into it. The first time it is used after opening the program, the document is created in the Documents folder with the name Tarvon data; if that name is already taken, a number is added to it, so that earlier notes are kept. Later uses open the same document.</translation>
    </message>
    <message>
        <source>Elaboració d&apos;informe (Word)</source>
        <translation>Report writing (Word)</translation>
    </message>
    <message>
        <source>Conté un exemple de com es poden respondre les preguntes o redactar l&apos;informe de les propostes de treball, i una fitxa en blanc per fer-ho. La fitxa es desa com a document nou a la carpeta Documents.</source>
        <translation>Contains an example of how the questions of the suggested activities can be answered or their report written, and a blank form for doing so. The form is saved as a new document in the Documents folder.</translation>
    </message>
    <message>
        <source>Gràfiques Excel</source>
        <translation>Excel charts</translation>
    </message>
    <message>
        <source>Obre un full de càlcul amb la taula de dades cinètiques enganxada i la seva gràfica. Només està disponible després d&apos;haver pres dades en el menú Cinètica. El full es desa a la carpeta Documents amb el nom DadesCine i el de la reacció; si aquest nom ja hi és, s&apos;hi afegeix un número, de manera que els fulls anteriors es conserven.</source>
        <translation>Opens a spreadsheet with the kinetic data table pasted in and its chart. Only available after taking data in the Kinetics menu. The sheet is saved in the Documents folder with the name KineticsData and that of the reaction; if that name is already taken, a number is added to it, so that earlier sheets are kept.</translation>
    </message>
    <message>
        <source>Accions (Alt-C):</source>
        <translation>Actions (Alt-A):</translation>
    </message>
    <message>
        <source>Tornar a situació inicial</source>
        <translation>Back to the initial state</translation>
    </message>
    <message>
        <source>Atura el procés i torna a la situació inicial.</source>
        <translation>Stops the process and goes back to the initial state.</translation>
    </message>
    <message>
        <source>Congelar/Descongelar imatge</source>
        <translation>Freeze/Unfreeze image</translation>
    </message>
    <message>
        <source>Mostra les partícules en un instant determinat, o bé reprèn el moviment.</source>
        <translation>Shows the particles at a given instant, or resumes the motion.</translation>
    </message>
    <message>
        <source>Marcar/Desmarcar partícules</source>
        <translation>Mark/Unmark particles</translation>
    </message>
    <message>
        <source>Cal activar-ho abans de poder marcar partícules. En fer clic sobre una partícula, queda envoltada d&apos;un altre color, o bé torna a tenir el seu color normal.</source>
        <translation>Must be switched on before particles can be marked. Clicking a particle surrounds it with another colour, or gives it back its normal colour.</translation>
    </message>
    <message>
        <source>Eines (Alt -E):</source>
        <translation>Tools (Alt-T):</translation>
    </message>
    <message>
        <source>Nombre de partícules</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>Augmenta o disminueix el nombre de partícules per costat del sòlid, per adaptar-lo a la velocitat de l&apos;ordinador.</source>
        <translation>Increases or decreases the number of particles per side of the solid, to suit the speed of the computer.</translation>
    </message>
    <message>
        <source>Diàmetre</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Els diàmetres grans mostren millor els detalls, i els petits reflecteixen millor la teoria cinètica. Amb &quot;Afinar&quot; (+) i (-) s&apos;ajusta lleugerament el diàmetre per evitar distorsions amb algunes resolucions de pantalla.</source>
        <translation>Large diameters show the details better, and small ones reflect the kinetic theory better. &quot;Fine-tune&quot; (+) and (-) adjust the diameter slightly to avoid distortions at some screen resolutions.</translation>
    </message>
    <message>
        <source>Cronòmetre</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Serveix per mesurar el temps en alguns experiments.</source>
        <translation>Used to measure time in some experiments.</translation>
    </message>
    <message>
        <source>Velocitat del procés</source>
        <translation>Process speed</translation>
    </message>
    <message>
        <source>Mostra una barra de desplaçament que accelera el moviment de les partícules, tant com ho permeti l&apos;ordinador.</source>
        <translation>Shows a scroll bar that speeds up the motion of the particles, as far as the computer allows.</translation>
    </message>
    <message>
        <source>Volum constant</source>
        <translation>Constant volume</translation>
    </message>
    <message>
        <source>Quan està marcat, la caixa conserva la mida que té amb el nombre més gran de partícules que permet &quot;Augmentar&quot; en aquest ordinador, amb el diàmetre triat. Així, en canviar el nombre de partícules canvia la concentració, i es pot aplicar el mètode de les velocitats inicials. Desmarcat, la mida de la caixa segueix el nombre de partícules.</source>
        <translation>When checked, the box keeps the size it has with the largest number of particles that &quot;Increase&quot; allows on this computer, with the chosen diameter. So changing the number of particles changes the concentration, and the method of initial rates can be applied. Unchecked, the size of the box follows the number of particles.</translation>
    </message>
    <message>
        <source>Reaccions (Alt-R):</source>
        <translation>Reactions (Alt-R):</translation>
    </message>
    <message>
        <source>Cinètica (Alt-N):</source>
        <translation>Kinetics (Alt-K):</translation>
    </message>
    <message>
        <source>Adquirir dades cinètiques</source>
        <translation>Take kinetic data</translation>
    </message>
    <message>
        <source>Pren dades del temps i de la concentració de les substàncies en fase gasosa a intervals de 0,5, 1, 2, 5 o 10 segons. L&apos;interval es pot canviar dins d&apos;un mateix experiment. També es poden prendre dades a voluntat amb el cronòmetre.</source>
        <translation>Records the time and the concentration of the substances in the gas phase at intervals of 0.5, 1, 2, 5 or 10 seconds. The interval can be changed within one experiment. Data can also be taken at will with the stopwatch.</translation>
    </message>
    <message>
        <source>Aturar presa de dades</source>
        <translation>Stop taking data</translation>
    </message>
    <message>
        <source>Atura la presa de dades, que es pot continuar més endavant.</source>
        <translation>Stops taking data, which can be resumed later.</translation>
    </message>
    <message>
        <source>Esborrar dades</source>
        <translation>Clear data</translation>
    </message>
    <message>
        <source>Atura la presa de dades, esborra les dades i amaga la taula.</source>
        <translation>Stops taking data, clears the data and hides the table.</translation>
    </message>
    <message>
        <source>Desenvolupament de la reacció</source>
        <translation>Course of the reaction</translation>
    </message>
    <message>
        <source>Mostra el desenvolupament de la reacció en dos instants, amb una part de la caixa i les partícules més grans. El botó Continuar fa passar d&apos;un instant al següent.</source>
        <translation>Shows the course of the reaction at two instants, with part of the box and larger particles. The Continue button moves from one instant to the next.</translation>
    </message>
    <message>
        <source>Tornar a Reaccions</source>
        <translation>Back to Reactions</translation>
    </message>
    <message>
        <source>Torna a la pantalla de la reacció.</source>
        <translation>Goes back to the reaction screen.</translation>
    </message>
    <message>
        <source>Experiment nou</source>
        <translation>New experiment</translation>
    </message>
    <message>
        <source>Torna a començar la reacció amb el nombre de partícules, el diàmetre i la velocitat triats, i torna a prendre dades amb el mateix interval, o amb el cronòmetre si es prenien així. Les dades anteriors es poden comparar a la gràfica.</source>
        <translation>Starts the reaction again with the chosen number of particles, diameter and speed, and takes data again at the same interval, or with the stopwatch if they were taken that way. The earlier data can be compared on the graph.</translation>
    </message>
    <message>
        <source>Gràfica en directe</source>
        <translation>Live graph</translation>
    </message>
    <message>
        <source>Obre una finestra amb el nombre de partícules de cada substància en funció del temps, que creix a mesura que es prenen dades. Hi apareixen, més clares, fins a quatre experiments anteriors de la mateixa reacció, amb el nom de les seves condicions. A sota hi ha els xocs entre molècules i els efectius, o bé, a l&apos;òxid de ferro(II), les molècules d&apos;oxigen que arriben a la superfície i les que l&apos;oxiden, comptats des que ha començat l&apos;experiment. &quot;Desar imatge…&quot; la desa en PNG o SVG a la carpeta Documents sense esborrar cap fitxer anterior. La tecla Esc tanca la finestra.</source>
        <translation>Opens a window with the number of particles of each substance against time, which grows as data are taken. Up to four earlier experiments of the same reaction appear in it, lighter, with the name of their conditions. Below are the collisions between molecules and the effective ones, or, for iron(II) oxide, the oxygen molecules that reach the surface and those that oxidise the iron, counted since the experiment began. &quot;Save image…&quot; saves it as PNG or SVG in the Documents folder without deleting any earlier file. The Esc key closes the window.</translation>
    </message>
    <message>
        <source>Anàlisi de l&apos;ordre</source>
        <translation>Order analysis</translation>
    </message>
    <message>
        <source>Per a una columna de la taula, representa N, ln N i 1/N en funció del temps amb les rectes de mínims quadrats, i en dona R², el pendent i la constant k (el valor absolut del pendent, sense factor estequiomètric). Indica l&apos;ordre que s&apos;ajusta millor, o que les dades no permeten decidir-lo, el temps de semireacció i la velocitat inicial. Necessita almenys quatre files de dades.</source>
        <translation>For a column of the table, plots N, ln N and 1/N against time with their least-squares lines, and gives R², the slope and the constant k (the absolute value of the slope, with no stoichiometric factor). It states the order that fits best, or that the data cannot decide it, the half-life and the initial rate. Needs at least four rows of data.</translation>
    </message>
    <message>
        <source>Finestra (Alt -F):</source>
        <translation>Window (Alt-W):</translation>
    </message>
    <message>
        <source>Presentació</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>Resum en diapositives d&apos;alguns conceptes del model.</source>
        <translation>Slide summary of some concepts of the model.</translation>
    </message>
    <message>
        <source>Introducció teòrica</source>
        <translation>Theoretical introduction</translation>
    </message>
    <message>
        <source>Fitxer PDF que explica els conceptes principals del model.</source>
        <translation>PDF file that explains the main concepts of the model.</translation>
    </message>
    <message>
        <source>Propostes de treball</source>
        <translation>Suggested activities</translation>
    </message>
    <message>
        <source>Fitxer PDF amb una col·lecció d&apos;experiments per fer amb el model.</source>
        <translation>PDF file with a collection of experiments to do with the model.</translation>
    </message>
    <message>
        <source>Guia didàctica</source>
        <translation>Teaching guide</translation>
    </message>
    <message>
        <source>Fitxer PDF amb orientacions sobre com s&apos;ha construït el model i com es pot utilitzar.</source>
        <translation>PDF file with guidance on how the model was built and how it can be used.</translation>
    </message>
    <message>
        <source>Mode projector</source>
        <translation>Projector mode</translation>
    </message>
    <message>
        <source>Per veure-ho des del fons de l&apos;aula: cada àtom es dibuixa com a mínim de 8 píxels d&apos;amplada, sense canviar-ne la posició ni el model, i la lletra dels comptadors, de la descripció i de la taula de dades es fa més gran, fins a una vegada i mitja, tant com hi càpiga. Es torna a desactivar de la mateixa manera, i el programa recorda l&apos;elecció.</source>
        <translation>To see it from the back of the classroom: each atom is drawn at least 8 pixels wide, without changing its position or the model, and the lettering of the counters, of the description and of the data table grows, up to one and a half times, as far as it fits. It is switched off the same way, and the program remembers the choice.</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>(Només disponible després d&apos;haver triat</source>
        <translation>(Only available after choosing</translation>
    </message>
    <message>
        <source>una reacció en el menú Reaccions)</source>
        <translation>a reaction in the Reactions menu)</translation>
    </message>
    <message>
        <source>Congelar imatge</source>
        <translation>Freeze image</translation>
    </message>
    <message>
        <source>L&apos;idioma triat s&apos;aplicarà la propera vegada que obriu el programa.</source>
        <translation>The chosen language will apply the next time you open the program.</translation>
    </message>
    <message>
        <source>&amp;Arxiu</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Fitxa per emplenar</source>
        <translation>Form to fill in</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>A&amp;ccions</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>&amp;Eines</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Predeterminat</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Augmentar</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Disminuir</source>
        <translation>Decrease</translation>
    </message>
    <message>
        <source>1,5:1</source>
        <translation>1.5:1</translation>
    </message>
    <message>
        <source>Afinar</source>
        <translation>Fine-tune</translation>
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
        <translation>&amp;Reactions</translation>
    </message>
    <message>
        <source>Ci&amp;nètica</source>
        <translation>&amp;Kinetics</translation>
    </message>
    <message>
        <source>Amb el cronòmetre</source>
        <translation>With the stopwatch</translation>
    </message>
    <message>
        <source>Cada 0,5 segons</source>
        <translation>Every 0.5 seconds</translation>
    </message>
    <message>
        <source>    &quot;      1 segon</source>
        <translation>    &quot;      1 second</translation>
    </message>
    <message>
        <source>    &quot;      2 segons</source>
        <translation>    &quot;      2 seconds</translation>
    </message>
    <message>
        <source>    &quot;      5 segons</source>
        <translation>    &quot;      5 seconds</translation>
    </message>
    <message>
        <source>    &quot;    10 segons</source>
        <translation>    &quot;    10 seconds</translation>
    </message>
    <message>
        <source>......Aturar presa de dades</source>
        <translation>......Stop taking data</translation>
    </message>
    <message>
        <source>......Esborrar dades</source>
        <translation>......Clear data</translation>
    </message>
    <message>
        <source>......Tornar a Reaccions</source>
        <translation>......Back to Reactions</translation>
    </message>
    <message>
        <source>&amp;Finestra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hi ha dues teories per interpretar el desenvolupament d&apos;una reacció química:</source>
        <translation>There are two theories to interpret how a chemical reaction proceeds:</translation>
    </message>
    <message>
        <source>Teoria de les col.lisions: la reacció es produeix com resultat dels xocs entre partícules, quan es compleixen les següents condicions:</source>
        <translation>Collision theory: the reaction takes place as a result of collisions between particles, when the following conditions are met:</translation>
    </message>
    <message>
        <source>- les partícules que xoquen tenen energia cinètica suficient per provocar un reordenament dels enllaços i </source>
        <translation>- the colliding particles have enough kinetic energy to bring about a rearrangement of the bonds and </translation>
    </message>
    <message>
        <source>- xoquen amb l&apos;orientació adequada.</source>
        <translation>- they collide with the right orientation.</translation>
    </message>
    <message>
        <source>Teoria del complex activat: la reacció es produeix quan les substàncies presents (reactius) han adquirit suficient energia (energia d&apos;activació ), a través dels xocs o d&apos;aportacions externes d&apos;energia calorífica, lluminosa, elèctrica, etc. Aleshores es dona lloc a un estat de transició d&apos;alta energia (complex activat ) en el que ja s&apos;han alterat els enllaços inicials, que es transforma ràpidament en els productes de la reacció.</source>
        <translation>Activated complex theory: the reaction takes place when the substances present (reactants) have gained enough energy (activation energy), through collisions or from external supplies of heat, light, electrical energy, etc. A high-energy transition state (activated complex) then forms, in which the initial bonds have already been altered, and which rapidly turns into the products of the reaction.</translation>
    </message>
    <message>
        <source>La cinètica química estudia la rapidesa amb la que es produeix una reacció i la forma com es desenvolupa.</source>
        <translation>Chemical kinetics studies how fast a reaction takes place and the way it proceeds.</translation>
    </message>
    <message>
        <source>La rapidesa es pot conéixer determinant les concentracions dels reactius i productes que hi intervenen, en funció del temps.</source>
        <translation>The rate can be found by determining the concentrations of the reactants and products involved, as a function of time.</translation>
    </message>
    <message>
        <source>Nombre de partícules en funció del temps (segons)</source>
        <translation>Number of particles as a function of time (seconds)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
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
        <translation>%1 is a product: the zero-order line gives its rate of formation, %2 particles/s.</translation>
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
        <translation>The order cannot be decided: the R² of the best fit exceeds that of the next by less than %1.</translation>
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
    <message>
        <source>Tria la llengua dels menús i dels textos del programa: català, castellà o anglès. S&apos;aplica la propera vegada que s&apos;obre el programa. L&apos;exemple d&apos;informe, la fitxa i els documents del menú Finestra s&apos;obren en la llengua triada, o en català si la carpeta de dades no els té en aquesta llengua. El document de notes, la fitxa i el full de càlcul que es desen a la carpeta Documents tenen el nom en la llengua triada.</source>
        <translation>Chooses the language of the program&apos;s menus and texts: Catalan, Spanish or English. It applies the next time the program is opened. The example report, the form and the documents of the Window menu open in the chosen language, or in Catalan if the data folder does not have them in that language. The notes document, the form and the spreadsheet saved in the Documents folder are named in the chosen language.</translation>
    </message>
</context>
</TS>
