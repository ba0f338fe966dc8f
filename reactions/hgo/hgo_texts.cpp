#include "reactions/hgo/hgo_parts.h"

namespace tarvon {

// The blank between a number and °C is a no-break space (U+00A0), written as
// itself: lupdate reads the literals.
const ReactionTexts& TextsHgO() {
    static constexpr ReactionTexts texts{
        TX("reactions", "Descomposició de l'òxid de mercuri(II), sòlid."),
        TX("reactions", "A T > 400 °C, es formen oxigen i mercuri, tots dos en estat gasós"),
        TX("reactions",
           "A uns 300 °C el mercuri i l'oxigen formen òxid de mercuri(II); per sobre d'uns "
           "400 °C l'òxid es descompon. Com que el mercuri bull a 357 °C, a aquestes "
           "temperatures els productes, àtoms de mercuri i molècules d'oxigen, són gasos."),
        TX("reactions", "Suposant un escalfament gradual, a mesura que van arribant a "
                        "la temperatura de reacció, els ions de mercuri i oxigen del sòlid "
                        "van donant lloc als àtoms de mercuri i a les molècules d'oxigen. "
                        "La variació de les concentracions o nombre de partícules és, per "
                        "tant, uniforme"),
        TX("reactions", "Quan els ions mercuri(II) i òxid, presents en l'estructura sòlida de "
                        "l'òxid de mercuri(II), adquireixen prou energia en escalfar el sòlid per "
                        "sobre d'uns 400 °C, es produeix la reacció. Es reor"
                        "ganitzen les càrregues, donant lloc als àtoms, neutres, de mercuri i "
                        "d'oxigen, que formen la molècula O2."),
    };
    return texts;
}

} // namespace tarvon
