#include "reactions/nh3/nh3_parts.h"

namespace tarvon {

const ReactionTexts& TextsNH3() {
    static constexpr ReactionTexts texts{
        TX("reactions", "Formació d'amoníac per reacció entre el nitrogen"),
        TX("reactions", " i l'hidrogen. Tots tres en estat gasós"),
        TX("reactions", "En la formació de l'amoníac, intervenen tres molècules d'hidrogen "
                        "per cadascuna de nitrogen, donant lloc a dues molècules d'amoníac. Si l'"
                        "energia de les molècules en els xocs és prou gran, es trenquen els enlla"
                        "ços H–H i N≡N i es formen els nous enllaços N–H."),
        TX("reactions", "La velocitat de reacció depen de les concentracions de nitrog"
                        "en i d'hidrogen. Al principi, amb concentracions de N2 i de H2 altes,"
                        " es formen ràpidament molècules d'amoníac. Quan les concentracions de"
                        " N2 i H2 són baixes, és molt més difícil que els xocs siguin efectius"
                        " per formar amoníac."),
        TX("reactions",
           "En aquest model, la reacció es produeix quan xoquen una molècula de nitrogen i "
           "una d'hidrogen i hi ha dues molècules més d'hidrogen a prop; no es comprova "
           "l'energia del xoc. Els àtoms de nitrogen i hidrogen es reorganitzen per formar "
           "dues molècules d'amoníac. En la realitat, a més, el xoc ha de tenir prou energia "
           "(energia d'activació)."),
    };
    return texts;
}

} // namespace tarvon
