#include "reactions/hgo/hgo_parts.h"

namespace tarvon {

const ReactionTexts& TextsHgO() {
    static const ReactionTexts texts{
        "Descomposició de l'òxid de mercuri(II), sòlid.",
        "A T > 400\u00A0°C, es formen oxigen i mercuri, tots dos en estat gasós",
        "A uns 300\u00A0°C el mercuri i l'oxigen formen òxid de mercuri(II); per sobre d'uns "
        "400\u00A0°C l'òxid es descompon. Com que el mercuri bull a 357\u00A0°C, a aquestes "
        "temperatures els productes, àtoms de mercuri i molècules d'oxigen, són gasos.",
        std::string("Suposant un escalfament gradual, a mesura que van arribant a ") +
            "la temperatura de reacció, els ions de mercuri i oxigen del sòlid " +
            "van donant lloc als àtoms de mercuri i a les molècules d'oxigen. " +
            "La variació de les concentracions o nombre de partícules és, per " + "tant, uniforme",
        std::string("Quan els ions mercuri(II) i òxid, presents en l'estructura sòlida de ") +
            "l'òxid de mercuri(II), adquireixen prou energia en escalfar el sòlid per " +
            "sobre d'uns 400\u00A0°C, es produeix la reacció. Es reor" +
            "ganitzen les càrregues, donant lloc als àtoms, neutres, de mercuri i " +
            "d'oxigen, que formen la molècula O2."};
    return texts;
}

} // namespace tarvon
