#include "mainwindow/reaction_texts.h"

#include <stdexcept>

namespace tarvon {

namespace {

std::string picture(const char* name) {
    return std::string("Arxius_orvalis/") + name + ".bmp";
}

ReactionTexts feo() {
    return {picture("RT_Sinte"),
            picture("RT_FeO"),
            "Formació de l'òxid de ferro(II), sòlid,",
            " per reacció del ferro sòlid i l'oxigen gas",
            "La reacció es produeix quan la molècula d'oxigen, en el seu moviment caòtic, "
            "xoca contra la superfície del ferro en la forma adequada. Aleshores es trenca "
            "l'enllaç O=O i cada àtom de ferro cedeix dos electrons a un àtom d'oxigen: es "
            "formen ions ferro(II), Fe²⁺, i ions òxid, O²⁻, units per enllaç iònic.",
            std::string("En un recipient tancat, la concentració o el nombre de molècu") +
                "les d'oxigen disminueix a mesura que es va formant òxid de ferro(II). " +
                "La velocitat de reacció depen de la concentració d'oxigen. Al " +
                "principi la concentració d'oxigen disminueix més ràpidament i al fin" +
                "al tendeix a estabilitzar-se.",
            "En aquest model, el xoc és eficaç quan una molècula d'oxigen arriba amb "
            "l'orientació adequada sobre dos àtoms de ferro veïns no oxidats; no se'n comprova "
            "l'energia. En la realitat, a més, el xoc ha de tenir prou energia (energia "
            "d'activació). Es formen dos ions Fe²⁺ i dos ions O²⁻, que s'incorporen a l'estructura "
            "cristal·lina de l'òxid de ferro(II)."};
}

ReactionTexts nh3() {
    return {picture("RT_Sinte"),
            picture("RT_NH3"),
            "Formació d'amoníac per reacció entre el nitrogen",
            " i l'hidrogen. Tots tres en estat gasós",
            std::string("En la formació de l'amoníac, intervenen tres molècules d'hidrogen ") +
                "per cadascuna de nitrogen, donant lloc a dues molècules d'amoníac. Si l'" +
                "energia de les molècules en els xocs és prou gran, es trenquen els enlla" +
                "ços H–H i N≡N i es formen els nous enllaços N–H.",
            std::string("La velocitat de reacció depen de les concentracions de nitrog") +
                "en i d'hidrogen. Al principi, amb concentracions de N2 i de H2 altes," +
                " es formen ràpidament molècules d'amoníac. Quan les concentracions de" +
                " N2 i H2 són baixes, és molt més difícil que els xocs siguin efectius" +
                " per formar amoníac.",
            "En aquest model, la reacció es produeix quan xoquen una molècula de nitrogen i "
            "una d'hidrogen i hi ha dues molècules més d'hidrogen a prop; no es comprova "
            "l'energia del xoc. Els àtoms de nitrogen i hidrogen es reorganitzen per formar "
            "dues molècules d'amoníac. En la realitat, a més, el xoc ha de tenir prou energia "
            "(energia d'activació)."};
}

ReactionTexts hi() {
    return {picture("RT_Descom"),
            picture("RT_HI"),
            "Descomposició del iodur d'hidrogen (gas),",
            " formant iode i hidrogen, tots dos en estat gasós",
            "En la descomposició del iodur d'hidrogen es produeixen hidrogen i iode. Si dues "
            "molècules d'HI xoquen entre si de manera eficaç, es trenquen els enllaços H–I i es "
            "formen els nous enllaços H–H i I–I. Cal remarcar, però, que el nombre total de "
            "molècules presents és sempre el mateix.",
            std::string("Per cada dues molècules de iodur d'hidrogen que desapareixen, ") +
                "es forma una d'hidrogen i una altra de iode. Al principi, la concent" +
                "ració d' HI baixa ràpidament, alhora que augmenten les concentracions" +
                " d' H2 i I2, sempre iguals. Després les concentracions varien més" + " lentament",
            "En aquest model, la reacció es produeix quan dues molècules de iodur d'hidrogen "
            "s'acosten prou en un xoc i amb una orientació que deixa a prop els dos àtoms "
            "d'hidrogen i els dos de iode; no es comprova l'energia del xoc. Aleshores es "
            "formen les molècules d'hidrogen i iode. En la realitat, a més, el xoc ha de tenir "
            "prou energia (energia d'activació)."};
}

ReactionTexts hgo() {
    return {picture("RT_Descom"),
            picture("RT_HgO"),
            "Descomposició de l'òxid de mercuri(II), sòlid.",
            "A T > 400\u00A0°C, es formen oxigen i mercuri, tots dos en estat gasós",
            "A uns 300\u00A0°C el mercuri i l'oxigen formen òxid de mercuri(II); per sobre d'uns "
            "400\u00A0°C l'òxid es descompon. Com que el mercuri bull a 357\u00A0°C, a aquestes "
            "temperatures els productes, àtoms de mercuri i molècules d'oxigen, són gasos.",
            std::string("Suposant un escalfament gradual, a mesura que van arribant a ") +
                "la temperatura de reacció, els ions de mercuri i oxigen del sòlid " +
                "van donant lloc als àtoms de mercuri i a les molècules d'oxigen. " +
                "La variació de les concentracions o nombre de partícules és, per " +
                "tant, uniforme",
            std::string("Quan els ions mercuri(II) i òxid, presents en l'estructura sòlida de ") +
                "l'òxid de mercuri(II), adquireixen prou energia en escalfar el sòlid per " +
                "sobre d'uns 400\u00A0°C, es produeix la reacció. Es reor" +
                "ganitzen les càrregues, donant lloc als àtoms, neutres, de mercuri i " +
                "d'oxigen, que formen la molècula O2."};
}

} // namespace

const ReactionTexts& TextsFor(Reaction r) {
    static const ReactionTexts texts[] = {feo(), nh3(), hi(), hgo()};
    switch (r) {
    case Reaction::FeO:
        return texts[0];
    case Reaction::NH3:
        return texts[1];
    case Reaction::HI:
        return texts[2];
    case Reaction::HgO:
        return texts[3];
    case Reaction::None:
        break;
    }
    throw std::invalid_argument("no reaction chosen");
}

} // namespace tarvon
