<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ca">
<context>
    <name>reactions</name>
    <message>
        <source>Molècules presents:</source>
        <translation>Molecules present:</translation>
    </message>
    <message>
        <source>Molèc. oxigen inicials:</source>
        <translation>Oxygen molec. at start:</translation>
    </message>
    <message>
        <source>Molèc. oxigen presents:</source>
        <translation>Oxygen molec. present:</translation>
    </message>
    <message>
        <source>Òxid ferrós(FeO) format:</source>
        <translation>Iron(II) oxide formed:</translation>
    </message>
    <message>
        <source>Síntesi de l&apos;òxid de ferro(II)</source>
        <translation>Synthesis of iron(II) oxide</translation>
    </message>
    <message>
        <source>Òxid de ferro(II)</source>
        <translation>Iron(II) oxide</translation>
    </message>
    <message>
        <source>L&apos;oxigen gasós reacciona amb els àtoms de la superfície del ferro i es forma òxid de ferro(II).</source>
        <translation>Oxygen gas reacts with the atoms on the surface of the iron, and iron(II) oxide is formed.</translation>
    </message>
    <message>
        <source>Formació de l&apos;òxid de ferro(II), sòlid,</source>
        <translation>Formation of solid iron(II) oxide</translation>
    </message>
    <message>
        <source> per reacció del ferro sòlid i l&apos;oxigen gas</source>
        <translation> by reaction of solid iron with oxygen gas</translation>
    </message>
    <message>
        <source>La reacció es produeix quan la molècula d&apos;oxigen, en el seu moviment caòtic, xoca contra la superfície del ferro en la forma adequada. Aleshores es trenca l&apos;enllaç O=O i cada àtom de ferro cedeix dos electrons a un àtom d&apos;oxigen: es formen ions ferro(II), Fe²⁺, i ions òxid, O²⁻, units per enllaç iònic.</source>
        <translation>The reaction takes place when the oxygen molecule, in its random motion, hits the surface of the iron in the right way. The O=O bond then breaks and each iron atom gives two electrons to an oxygen atom: iron(II) ions, Fe²⁺, and oxide ions, O²⁻, are formed, held together by ionic bonding.</translation>
    </message>
    <message>
        <source>En un recipient tancat, la concentració o el nombre de molècules d&apos;oxigen disminueix a mesura que es va formant òxid de ferro(II). La velocitat de reacció depen de la concentració d&apos;oxigen. Al principi la concentració d&apos;oxigen disminueix més ràpidament i al final tendeix a estabilitzar-se.</source>
        <translation>In a closed container, the concentration or the number of oxygen molecules decreases as iron(II) oxide is formed. The reaction rate depends on the oxygen concentration. At first the oxygen concentration decreases more quickly, and at the end it tends to level off.</translation>
    </message>
    <message>
        <source>En aquest model, el xoc és eficaç quan una molècula d&apos;oxigen arriba amb l&apos;orientació adequada sobre dos àtoms de ferro veïns no oxidats; no se&apos;n comprova l&apos;energia. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació). Es formen dos ions Fe²⁺ i dos ions O²⁻, que s&apos;incorporen a l&apos;estructura cristal·lina de l&apos;òxid de ferro(II).</source>
        <translation>In this model, the collision is effective when an oxygen molecule arrives with the right orientation on two neighbouring, unoxidised iron atoms; its energy is not checked. In reality, the collision must also have enough energy (activation energy). Two Fe²⁺ ions and two O²⁻ ions are formed and become part of the crystal structure of iron(II) oxide.</translation>
    </message>
    <message>
        <source>Òxid mercúric(HgO) inicial:</source>
        <translation>Mercury(II) oxide at start:</translation>
    </message>
    <message>
        <source>Òxid mercúric(HgO) present:</source>
        <translation>Mercury(II) oxide present:</translation>
    </message>
    <message>
        <source>Molècules oxígen (gas):</source>
        <translation>Oxygen molecules (gas):</translation>
    </message>
    <message>
        <source>Àtoms mercuri (gas):</source>
        <translation>Mercury atoms (gas):</translation>
    </message>
    <message>
        <source>Descomposició de l&apos;òxid de mercuri(II)</source>
        <translation>Decomposition of mercury(II) oxide</translation>
    </message>
    <message>
        <source>Òxid de mercuri(II)</source>
        <translation>Mercury(II) oxide</translation>
    </message>
    <message>
        <source>És un sòlid que es descompon en oxigen i mercuri, tots dos gasos, per sobre d&apos;uns 400&#xa0;°C.</source>
        <translation>It is a solid that decomposes into oxygen and mercury, both gases, above about 400&#xa0;°C.</translation>
    </message>
    <message>
        <source>Descomposició de l&apos;òxid de mercuri(II), sòlid.</source>
        <translation>Decomposition of solid mercury(II) oxide.</translation>
    </message>
    <message>
        <source>A T &gt; 400&#xa0;°C, es formen oxigen i mercuri, tots dos en estat gasós</source>
        <translation>At T &gt; 400&#xa0;°C, oxygen and mercury are formed, both as gases</translation>
    </message>
    <message>
        <source>A uns 300&#xa0;°C el mercuri i l&apos;oxigen formen òxid de mercuri(II); per sobre d&apos;uns 400&#xa0;°C l&apos;òxid es descompon. Com que el mercuri bull a 357&#xa0;°C, a aquestes temperatures els productes, àtoms de mercuri i molècules d&apos;oxigen, són gasos.</source>
        <translation>At about 300&#xa0;°C mercury and oxygen form mercury(II) oxide; above about 400&#xa0;°C the oxide decomposes. As mercury boils at 357&#xa0;°C, at these temperatures the products, mercury atoms and oxygen molecules, are gases.</translation>
    </message>
    <message>
        <source>Suposant un escalfament gradual, a mesura que van arribant a la temperatura de reacció, els ions de mercuri i oxigen del sòlid van donant lloc als àtoms de mercuri i a les molècules d&apos;oxigen. La variació de les concentracions o nombre de partícules és, per tant, uniforme</source>
        <translation>Assuming gradual heating, as they reach the reaction temperature, the mercury(II) and oxide ions of the solid progressively give rise to mercury atoms and oxygen molecules. The change in the concentrations, or numbers of particles, is therefore uniform.</translation>
    </message>
    <message>
        <source>Quan els ions mercuri(II) i òxid, presents en l&apos;estructura sòlida de l&apos;òxid de mercuri(II), adquireixen prou energia en escalfar el sòlid per sobre d&apos;uns 400&#xa0;°C, es produeix la reacció. Es reorganitzen les càrregues, donant lloc als àtoms, neutres, de mercuri i d&apos;oxigen, que formen la molècula O2.</source>
        <translation>When the mercury(II) and oxide ions in the solid structure of mercury(II) oxide gain enough energy as the solid is heated above about 400&#xa0;°C, the reaction takes place. The charges are rearranged, giving neutral atoms of mercury and of oxygen; the oxygen atoms form the O2 molecule.</translation>
    </message>
    <message>
        <source>Molècules HI:</source>
        <translation>HI molecules:</translation>
    </message>
    <message>
        <source>Molècules hidrogen:</source>
        <translation>Hydrogen molecules:</translation>
    </message>
    <message>
        <source>Molècules iode:</source>
        <translation>Iodine molecules:</translation>
    </message>
    <message>
        <source>Descomposició del iodur d&apos;hidrogen</source>
        <translation>Decomposition of hydrogen iodide</translation>
    </message>
    <message>
        <source>Iodur d&apos;hidrogen</source>
        <translation>Hydrogen iodide</translation>
    </message>
    <message>
        <source>En estat gasós es descompon en hidrogen i iode, també gasosos.</source>
        <translation>In the gaseous state it decomposes into hydrogen and iodine, also gaseous.</translation>
    </message>
    <message>
        <source>Descomposició del iodur d&apos;hidrogen (gas),</source>
        <translation>Decomposition of hydrogen iodide (gas),</translation>
    </message>
    <message>
        <source> formant iode i hidrogen, tots dos en estat gasós</source>
        <translation> forming iodine and hydrogen, both in the gaseous state</translation>
    </message>
    <message>
        <source>En la descomposició del iodur d&apos;hidrogen es produeixen hidrogen i iode. Si dues molècules d&apos;HI xoquen entre si de manera eficaç, es trenquen els enllaços H–I i es formen els nous enllaços H–H i I–I. Cal remarcar, però, que el nombre total de molècules presents és sempre el mateix.</source>
        <translation>In the decomposition of hydrogen iodide, hydrogen and iodine are produced. If two HI molecules collide with each other effectively, the H–I bonds break and the new H–H and I–I bonds form. Note, however, that the total number of molecules present is always the same.</translation>
    </message>
    <message>
        <source>Per cada dues molècules de iodur d&apos;hidrogen que desapareixen, es forma una d&apos;hidrogen i una altra de iode. Al principi, la concentració d&apos; HI baixa ràpidament, alhora que augmenten les concentracions d&apos; H2 i I2, sempre iguals. Després les concentracions varien més lentament</source>
        <translation>For every two hydrogen iodide molecules that disappear, one hydrogen molecule and one iodine molecule are formed. At first the HI concentration falls quickly, while the concentrations of H2 and I2 rise, always equal to each other. Later the concentrations change more slowly.</translation>
    </message>
    <message>
        <source>En aquest model, la reacció es produeix quan dues molècules de iodur d&apos;hidrogen s&apos;acosten prou en un xoc i amb una orientació que deixa a prop els dos àtoms d&apos;hidrogen i els dos de iode; no es comprova l&apos;energia del xoc. Aleshores es formen les molècules d&apos;hidrogen i iode. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació).</source>
        <translation>In this model, the reaction takes place when two hydrogen iodide molecules come close enough in a collision, with an orientation that leaves the two hydrogen atoms and the two iodine atoms near each other; the energy of the collision is not checked. The hydrogen and iodine molecules are then formed. In reality, the collision must also have enough energy (activation energy).</translation>
    </message>
    <message>
        <source>Molècules NH3:</source>
        <translation>NH3 molecules:</translation>
    </message>
    <message>
        <source>Molècules N2:</source>
        <translation>N2 molecules:</translation>
    </message>
    <message>
        <source>Molècules H2:</source>
        <translation>H2 molecules:</translation>
    </message>
    <message>
        <source>Síntesi de l&apos;amoníac</source>
        <translation>Synthesis of ammonia</translation>
    </message>
    <message>
        <source>Amoníac</source>
        <translation>Ammonia</translation>
    </message>
    <message>
        <source>El nitrogen i l&apos;hidrogen, tots dos gasos, formen amoníac.</source>
        <translation>Nitrogen and hydrogen, both gases, form ammonia.</translation>
    </message>
    <message>
        <source>Formació d&apos;amoníac per reacció entre el nitrogen</source>
        <translation>Formation of ammonia by reaction between nitrogen</translation>
    </message>
    <message>
        <source> i l&apos;hidrogen. Tots tres en estat gasós</source>
        <translation> and hydrogen. All three in the gaseous state</translation>
    </message>
    <message>
        <source>En la formació de l&apos;amoníac, intervenen tres molècules d&apos;hidrogen per cadascuna de nitrogen, donant lloc a dues molècules d&apos;amoníac. Si l&apos;energia de les molècules en els xocs és prou gran, es trenquen els enllaços H–H i N≡N i es formen els nous enllaços N–H.</source>
        <translation>In the formation of ammonia, three hydrogen molecules take part for each nitrogen molecule, giving two ammonia molecules. If the energy of the molecules in the collisions is large enough, the H–H and N≡N bonds break and the new N–H bonds form.</translation>
    </message>
    <message>
        <source>La velocitat de reacció depen de les concentracions de nitrogen i d&apos;hidrogen. Al principi, amb concentracions de N2 i de H2 altes, es formen ràpidament molècules d&apos;amoníac. Quan les concentracions de N2 i H2 són baixes, és molt més difícil que els xocs siguin efectius per formar amoníac.</source>
        <translation>The reaction rate depends on the concentrations of nitrogen and hydrogen. At first, with high concentrations of N2 and H2, ammonia molecules form quickly. When the concentrations of N2 and H2 are low, it is much less likely that collisions are effective in forming ammonia.</translation>
    </message>
    <message>
        <source>En aquest model, la reacció es produeix quan xoquen una molècula de nitrogen i una d&apos;hidrogen i hi ha dues molècules més d&apos;hidrogen a prop; no es comprova l&apos;energia del xoc. Els àtoms de nitrogen i hidrogen es reorganitzen per formar dues molècules d&apos;amoníac. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació).</source>
        <translation>In this model, the reaction takes place when a nitrogen molecule and a hydrogen molecule collide while two more hydrogen molecules are nearby; the energy of the collision is not checked. The nitrogen and hydrogen atoms rearrange to form two ammonia molecules. In reality, the collision must also have enough energy (activation energy).</translation>
    </message>
    <message>
        <source>Reacció de síntesi</source>
        <translation>Synthesis reaction</translation>
    </message>
    <message>
        <source>Reacció de descomposició</source>
        <translation>Decomposition reaction</translation>
    </message>
</context>
</TS>
