#include "reactions/feo/feo_parts.h"

namespace tarvon {

const ReactionTexts& TextsFeO() {
    static constexpr ReactionTexts texts{
        TX("reactions", "Formació de l'òxid de ferro(II), sòlid,"),
        TX("reactions", " per reacció del ferro sòlid i l'oxigen gas"),
        TX("reactions",
           "La reacció es produeix quan la molècula d'oxigen, en el seu moviment caòtic, "
           "xoca contra la superfície del ferro en la forma adequada. Aleshores es trenca "
           "l'enllaç O=O i cada àtom de ferro cedeix dos electrons a un àtom d'oxigen: es "
           "formen ions ferro(II), Fe²⁺, i ions òxid, O²⁻, units per enllaç iònic."),
        TX("reactions", "En un recipient tancat, la concentració o el nombre de molècu"
                        "les d'oxigen disminueix a mesura que es va formant òxid de ferro(II). "
                        "La velocitat de reacció depen de la concentració d'oxigen. Al "
                        "principi la concentració d'oxigen disminueix més ràpidament i al fin"
                        "al tendeix a estabilitzar-se."),
        TX("reactions",
           "En aquest model, el xoc és eficaç quan una molècula d'oxigen arriba amb "
           "l'orientació adequada sobre dos àtoms de ferro veïns no oxidats; no se'n comprova "
           "l'energia. En la realitat, a més, el xoc ha de tenir prou energia (energia "
           "d'activació). Es formen dos ions Fe²⁺ i dos ions O²⁻, que s'incorporen a l'estructura "
           "cristal·lina de l'òxid de ferro(II)."),
    };
    return texts;
}

} // namespace tarvon
