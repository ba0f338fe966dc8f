<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ca">
<context>
    <name>reactions</name>
    <message>
        <source>Molècules presents:</source>
        <translation>Moléculas presentes:</translation>
    </message>
    <message>
        <source>Molèc. oxigen inicials:</source>
        <translation>Moléc. de oxígeno iniciales:</translation>
    </message>
    <message>
        <source>Molèc. oxigen presents:</source>
        <translation>Moléc. de oxígeno presentes:</translation>
    </message>
    <message>
        <source>Òxid ferrós(FeO) format:</source>
        <translation>Óxido de hierro(II) formado:</translation>
    </message>
    <message>
        <source>Síntesi de l&apos;òxid de ferro(II)</source>
        <translation>Síntesis del óxido de hierro(II)</translation>
    </message>
    <message>
        <source>Òxid de ferro(II)</source>
        <translation>Óxido de hierro(II)</translation>
    </message>
    <message>
        <source>L&apos;oxigen gasós reacciona amb els àtoms de la superfície del ferro i es forma òxid de ferro(II).</source>
        <translation>El oxígeno gaseoso reacciona con los átomos de la superficie del hierro y se forma óxido de hierro(II).</translation>
    </message>
    <message>
        <source>Formació de l&apos;òxid de ferro(II), sòlid,</source>
        <translation>Formación del óxido de hierro(II), sólido,</translation>
    </message>
    <message>
        <source> per reacció del ferro sòlid i l&apos;oxigen gas</source>
        <translation> por reacción del hierro sólido con el oxígeno gaseoso</translation>
    </message>
    <message>
        <source>La reacció es produeix quan la molècula d&apos;oxigen, en el seu moviment caòtic, xoca contra la superfície del ferro en la forma adequada. Aleshores es trenca l&apos;enllaç O=O i cada àtom de ferro cedeix dos electrons a un àtom d&apos;oxigen: es formen ions ferro(II), Fe²⁺, i ions òxid, O²⁻, units per enllaç iònic.</source>
        <translation>La reacción se produce cuando la molécula de oxígeno, en su movimiento caótico, choca contra la superficie del hierro de la forma adecuada. Entonces se rompe el enlace O=O y cada átomo de hierro cede dos electrones a un átomo de oxígeno: se forman iones hierro(II), Fe²⁺, e iones óxido, O²⁻, unidos por enlace iónico.</translation>
    </message>
    <message>
        <source>En un recipient tancat, la concentració o el nombre de molècules d&apos;oxigen disminueix a mesura que es va formant òxid de ferro(II). La velocitat de reacció depen de la concentració d&apos;oxigen. Al principi la concentració d&apos;oxigen disminueix més ràpidament i al final tendeix a estabilitzar-se.</source>
        <translation>En un recipiente cerrado, la concentración o el número de moléculas de oxígeno disminuye a medida que se va formando óxido de hierro(II). La velocidad de reacción depende de la concentración de oxígeno. Al principio la concentración de oxígeno disminuye más rápidamente y al final tiende a estabilizarse.</translation>
    </message>
    <message>
        <source>En aquest model, el xoc és eficaç quan una molècula d&apos;oxigen arriba amb l&apos;orientació adequada sobre dos àtoms de ferro veïns no oxidats; no se&apos;n comprova l&apos;energia. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació). Es formen dos ions Fe²⁺ i dos ions O²⁻, que s&apos;incorporen a l&apos;estructura cristal·lina de l&apos;òxid de ferro(II).</source>
        <translation>En este modelo, el choque es eficaz cuando una molécula de oxígeno llega con la orientación adecuada sobre dos átomos de hierro vecinos no oxidados; no se comprueba su energía. En la realidad, además, el choque debe tener suficiente energía (energía de activación). Se forman dos iones Fe²⁺ y dos iones O²⁻, que se incorporan a la estructura cristalina del óxido de hierro(II).</translation>
    </message>
    <message>
        <source>Òxid mercúric(HgO) inicial:</source>
        <translation>Óxido de mercurio(II) inicial:</translation>
    </message>
    <message>
        <source>Òxid mercúric(HgO) present:</source>
        <translation>Óxido de mercurio(II) presente:</translation>
    </message>
    <message>
        <source>Molècules oxígen (gas):</source>
        <translation>Moléculas de oxígeno (gas):</translation>
    </message>
    <message>
        <source>Àtoms mercuri (gas):</source>
        <translation>Átomos de mercurio (gas):</translation>
    </message>
    <message>
        <source>Descomposició de l&apos;òxid de mercuri(II)</source>
        <translation>Descomposición del óxido de mercurio(II)</translation>
    </message>
    <message>
        <source>Òxid de mercuri(II)</source>
        <translation>Óxido de mercurio(II)</translation>
    </message>
    <message>
        <source>És un sòlid que es descompon en oxigen i mercuri, tots dos gasos, per sobre d&apos;uns 400&#xa0;°C.</source>
        <translation>Es un sólido que se descompone en oxígeno y mercurio, ambos gases, por encima de unos 400&#xa0;°C.</translation>
    </message>
    <message>
        <source>Descomposició de l&apos;òxid de mercuri(II), sòlid.</source>
        <translation>Descomposición del óxido de mercurio(II), sólido.</translation>
    </message>
    <message>
        <source>A T &gt; 400&#xa0;°C, es formen oxigen i mercuri, tots dos en estat gasós</source>
        <translation>A T &gt; 400&#xa0;°C se forman oxígeno y mercurio, ambos en estado gaseoso</translation>
    </message>
    <message>
        <source>A uns 300&#xa0;°C el mercuri i l&apos;oxigen formen òxid de mercuri(II); per sobre d&apos;uns 400&#xa0;°C l&apos;òxid es descompon. Com que el mercuri bull a 357&#xa0;°C, a aquestes temperatures els productes, àtoms de mercuri i molècules d&apos;oxigen, són gasos.</source>
        <translation>A unos 300&#xa0;°C el mercurio y el oxígeno forman óxido de mercurio(II); por encima de unos 400&#xa0;°C el óxido se descompone. Como el mercurio hierve a 357&#xa0;°C, a estas temperaturas los productos, átomos de mercurio y moléculas de oxígeno, son gases.</translation>
    </message>
    <message>
        <source>Suposant un escalfament gradual, a mesura que van arribant a la temperatura de reacció, els ions de mercuri i oxigen del sòlid van donant lloc als àtoms de mercuri i a les molècules d&apos;oxigen. La variació de les concentracions o nombre de partícules és, per tant, uniforme</source>
        <translation>Suponiendo un calentamiento gradual, a medida que van llegando a la temperatura de reacción, los iones mercurio(II) y óxido del sólido van dando lugar a los átomos de mercurio y a las moléculas de oxígeno. La variación de las concentraciones o número de partículas es, por tanto, uniforme.</translation>
    </message>
    <message>
        <source>Quan els ions mercuri(II) i òxid, presents en l&apos;estructura sòlida de l&apos;òxid de mercuri(II), adquireixen prou energia en escalfar el sòlid per sobre d&apos;uns 400&#xa0;°C, es produeix la reacció. Es reorganitzen les càrregues, donant lloc als àtoms, neutres, de mercuri i d&apos;oxigen, que formen la molècula O2.</source>
        <translation>Cuando los iones mercurio(II) y óxido, presentes en la estructura sólida del óxido de mercurio(II), adquieren suficiente energía al calentar el sólido por encima de unos 400&#xa0;°C, se produce la reacción. Las cargas se reorganizan y dan lugar a los átomos, neutros, de mercurio y de oxígeno, que forman la molécula O2.</translation>
    </message>
    <message>
        <source>Molècules HI:</source>
        <translation>Moléculas de HI:</translation>
    </message>
    <message>
        <source>Molècules hidrogen:</source>
        <translation>Moléculas de hidrógeno:</translation>
    </message>
    <message>
        <source>Molècules iode:</source>
        <translation>Moléculas de yodo:</translation>
    </message>
    <message>
        <source>Descomposició del iodur d&apos;hidrogen</source>
        <translation>Descomposición del yoduro de hidrógeno</translation>
    </message>
    <message>
        <source>Iodur d&apos;hidrogen</source>
        <translation>Yoduro de hidrógeno</translation>
    </message>
    <message>
        <source>En estat gasós es descompon en hidrogen i iode, també gasosos.</source>
        <translation>En estado gaseoso se descompone en hidrógeno y yodo, también gaseosos.</translation>
    </message>
    <message>
        <source>Descomposició del iodur d&apos;hidrogen (gas),</source>
        <translation>Descomposición del yoduro de hidrógeno (gas),</translation>
    </message>
    <message>
        <source> formant iode i hidrogen, tots dos en estat gasós</source>
        <translation> y se forman yodo e hidrógeno, ambos en estado gaseoso</translation>
    </message>
    <message>
        <source>En la descomposició del iodur d&apos;hidrogen es produeixen hidrogen i iode. Si dues molècules d&apos;HI xoquen entre si de manera eficaç, es trenquen els enllaços H–I i es formen els nous enllaços H–H i I–I. Cal remarcar, però, que el nombre total de molècules presents és sempre el mateix.</source>
        <translation>En la descomposición del yoduro de hidrógeno se producen hidrógeno y yodo. Si dos moléculas de HI chocan entre sí de manera eficaz, se rompen los enlaces H–I y se forman los nuevos enlaces H–H e I–I. Cabe señalar, sin embargo, que el número total de moléculas presentes es siempre el mismo.</translation>
    </message>
    <message>
        <source>Per cada dues molècules de iodur d&apos;hidrogen que desapareixen, es forma una d&apos;hidrogen i una altra de iode. Al principi, la concentració d&apos; HI baixa ràpidament, alhora que augmenten les concentracions d&apos; H2 i I2, sempre iguals. Després les concentracions varien més lentament</source>
        <translation>Por cada dos moléculas de yoduro de hidrógeno que desaparecen, se forma una de hidrógeno y otra de yodo. Al principio, la concentración de HI baja rápidamente, a la vez que aumentan las concentraciones de H2 e I2, siempre iguales. Después las concentraciones varían más lentamente.</translation>
    </message>
    <message>
        <source>En aquest model, la reacció es produeix quan dues molècules de iodur d&apos;hidrogen s&apos;acosten prou en un xoc i amb una orientació que deixa a prop els dos àtoms d&apos;hidrogen i els dos de iode; no es comprova l&apos;energia del xoc. Aleshores es formen les molècules d&apos;hidrogen i iode. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació).</source>
        <translation>En este modelo, la reacción se produce cuando dos moléculas de yoduro de hidrógeno se acercan lo suficiente en un choque y con una orientación que deja cerca los dos átomos de hidrógeno y los dos de yodo; no se comprueba la energía del choque. Entonces se forman las moléculas de hidrógeno y de yodo. En la realidad, además, el choque debe tener suficiente energía (energía de activación).</translation>
    </message>
    <message>
        <source>Molècules NH3:</source>
        <translation>Moléculas de NH3:</translation>
    </message>
    <message>
        <source>Molècules N2:</source>
        <translation>Moléculas de N2:</translation>
    </message>
    <message>
        <source>Molècules H2:</source>
        <translation>Moléculas de H2:</translation>
    </message>
    <message>
        <source>Síntesi de l&apos;amoníac</source>
        <translation>Síntesis del amoníaco</translation>
    </message>
    <message>
        <source>Amoníac</source>
        <translation>Amoníaco</translation>
    </message>
    <message>
        <source>El nitrogen i l&apos;hidrogen, tots dos gasos, formen amoníac.</source>
        <translation>El nitrógeno y el hidrógeno, ambos gases, forman amoníaco.</translation>
    </message>
    <message>
        <source>Formació d&apos;amoníac per reacció entre el nitrogen</source>
        <translation>Formación de amoníaco por reacción entre el nitrógeno</translation>
    </message>
    <message>
        <source> i l&apos;hidrogen. Tots tres en estat gasós</source>
        <translation> y el hidrógeno. Los tres en estado gaseoso</translation>
    </message>
    <message>
        <source>En la formació de l&apos;amoníac, intervenen tres molècules d&apos;hidrogen per cadascuna de nitrogen, donant lloc a dues molècules d&apos;amoníac. Si l&apos;energia de les molècules en els xocs és prou gran, es trenquen els enllaços H–H i N≡N i es formen els nous enllaços N–H.</source>
        <translation>En la formación del amoníaco intervienen tres moléculas de hidrógeno por cada una de nitrógeno, y se forman dos moléculas de amoníaco. Si la energía de las moléculas en los choques es suficientemente grande, se rompen los enlaces H–H y N≡N y se forman los nuevos enlaces N–H.</translation>
    </message>
    <message>
        <source>La velocitat de reacció depen de les concentracions de nitrogen i d&apos;hidrogen. Al principi, amb concentracions de N2 i de H2 altes, es formen ràpidament molècules d&apos;amoníac. Quan les concentracions de N2 i H2 són baixes, és molt més difícil que els xocs siguin efectius per formar amoníac.</source>
        <translation>La velocidad de reacción depende de las concentraciones de nitrógeno y de hidrógeno. Al principio, con concentraciones de N2 y de H2 altas, se forman rápidamente moléculas de amoníaco. Cuando las concentraciones de N2 y H2 son bajas, es mucho más difícil que los choques sean eficaces para formar amoníaco.</translation>
    </message>
    <message>
        <source>En aquest model, la reacció es produeix quan xoquen una molècula de nitrogen i una d&apos;hidrogen i hi ha dues molècules més d&apos;hidrogen a prop; no es comprova l&apos;energia del xoc. Els àtoms de nitrogen i hidrogen es reorganitzen per formar dues molècules d&apos;amoníac. En la realitat, a més, el xoc ha de tenir prou energia (energia d&apos;activació).</source>
        <translation>En este modelo, la reacción se produce cuando chocan una molécula de nitrógeno y una de hidrógeno y hay otras dos moléculas de hidrógeno cerca; no se comprueba la energía del choque. Los átomos de nitrógeno e hidrógeno se reorganizan para formar dos moléculas de amoníaco. En la realidad, además, el choque debe tener suficiente energía (energía de activación).</translation>
    </message>
    <message>
        <source>Reacció de síntesi</source>
        <translation>Reacción de síntesis</translation>
    </message>
    <message>
        <source>Reacció de descomposició</source>
        <translation>Reacción de descomposición</translation>
    </message>
</context>
</TS>
