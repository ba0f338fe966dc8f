#include "reactions/hi/hi_parts.h"

namespace tarvon {

const ReactionTexts& TextsHI() {
    static constexpr ReactionTexts texts{
        TX("reactions", "Descomposició del iodur d'hidrogen (gas),"),
        TX("reactions", " formant iode i hidrogen, tots dos en estat gasós"),
        TX("reactions",
           "En la descomposició del iodur d'hidrogen es produeixen hidrogen i iode. Si dues "
           "molècules d'HI xoquen entre si de manera eficaç, es trenquen els enllaços H–I i es "
           "formen els nous enllaços H–H i I–I. Cal remarcar, però, que el nombre total de "
           "molècules presents és sempre el mateix."),
        TX("reactions", "Per cada dues molècules de iodur d'hidrogen que desapareixen, "
                        "es forma una d'hidrogen i una altra de iode. Al principi, la concent"
                        "ració d' HI baixa ràpidament, alhora que augmenten les concentracions"
                        " d' H2 i I2, sempre iguals. Després les concentracions varien més"
                        " lentament"),
        TX("reactions",
           "En aquest model, la reacció es produeix quan dues molècules de iodur d'hidrogen "
           "s'acosten prou en un xoc i amb una orientació que deixa a prop els dos àtoms "
           "d'hidrogen i els dos de iode; no es comprova l'energia del xoc. Aleshores es "
           "formen les molècules d'hidrogen i iode. En la realitat, a més, el xoc ha de tenir "
           "prou energia (energia d'activació)."),
    };
    return texts;
}

} // namespace tarvon
