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
            std::string("La reacció es produeix quan la molècula d'oxigen, en el seu movim") +
                "ent caòtic, xoca contra la superfície del ferro en la forma adequada. Ale" +
                "shores, els àtoms es transformen en ions, negatiu l'oxigen(2-) i positiu " +
                "el ferro(2+) per intercanvi d'electrons, donant lloc a un enllaç iònic.",
            std::string("En un recipient tancat, la concentració o el nombre de molècu") +
                "les d'oxigen disminueix en la mesura que es va formant òxid fèrric. " +
                "La velocitat de reacció depen de la concentració d'oxigen. Al " +
                "principi la concentració d'oxigen disminueix més ràpidament i al fin" +
                "al tendeix a estabilitzar-se.",
            std::string("Quan en un xoc, els àtoms d'oxigen s'acosten suficientment als ") +
                "àtoms de ferro i amb prou energia, xoc eficaç, es produeix el Complex" +
                " Activat. Immediatament, es reorganitzen les càrregues, formant-se un" +
                " ió positiu, ferro i un negatiu, oxigen i es dona lloc a l'estru" +
                "ctura cristal.lina de l'òxid ferrós."};
}

ReactionTexts nh3() {
    return {picture("RT_Sinte"),
            picture("RT_NH3"),
            "Formació d'amoníac per reacció entre el nitrogen",
            " i l'hidrogen. Tots tres en estat gasós",
            std::string("En la formació de l'amoníac, intervenen tres molècules d'hidrogen ") +
                "per cadascuna de nitrogen, donant lloc a dues molècules d'amoníac. Si l'" +
                "energia de les molècules en els xocs es prou gran, es trenquen els enlla" +
                "ços H-H i N-N i es fan els nous enllaços N-H.",
            std::string("La velocitat de reacció depen de les concentracions de nitrog") +
                "en i d'hidrogen. Al principi, amb concentracions de N2 i de H2 altes," +
                " es formen ràpidament molècules d'amoníac. Quan les concentracions de" +
                " N2 i H2 són baixes, és molt més difícil que els xocs siguin efectius" +
                " per formar amoníac.",
            std::string("En aquest model, la reacció es produeix quan xoquen una molècu") +
                "la de nitrogen i una d'hidrogen amb suficient energia cinètica (velocit" +
                "at ), i es troben dues molècules més d'hi" +
                "drogen en les proximitats. Els àtoms de nitrogen i hidrogen es reorganit" +
                "zen per formar dues molècules d'amoníac."};
}

ReactionTexts hi() {
    return {picture("RT_Descom"),
            picture("RT_HI"),
            "Descomposició del iodur d'hidrogen (gas),",
            " formant iode i hidrogen, tots dos en estat gasós",
            std::string("En la descomposició del iodur d'hidrogen es produeix hidrogen i ") +
                "iode. Si les molècules d' HI xoquen entre sí eficientment, es trenquen " +
                "els enllaços H-H i I-I i es fan els nous enllaços H-I. Cal remarcar que " +
                "el nombre total de molècules presents és però, sempre el mateix.",
            std::string("Per cada dues molècules de iodur d'hidrogen que desapareixen, ") +
                "es forma una d'hidrogen i una altra de iode. Al principi, la concent" +
                "ració d' HI baixa ràpidament, alhora que augmenten les concentracions" +
                " d' H2 i I2, sempre iguals. Després les concentracions varien més" + " lentament",
            std::string("La reacció es produeix quan xoquen dues molècules de iodur d'hi") +
                "drogen amb suficient energia cinètica (velocitat ), i amb una orientació " +
                "adequada com per que es puguin acostar entre sí els dos àtoms d'hidrogen " +
                "i els dos de iode. Aleshores es formen les molècules d'hidrogen i iode."};
}

ReactionTexts hgo() {
    return {picture("RT_Descom"),
            picture("RT_HgO"),
            "Descomposició de l'òxid de mercuri(II), sòlid.",
            "A T > 357 ºC, es formen oxigen i mercuri, tots dos en estat gasós",
            std::string("A uns 300ºC de temperatura, ja es produeix la reacció de descomposi") +
                "ció de l'òxid de mercuri(II ). A partir de 357 ºC, punt d'ebullició del mer" +
                "curi, la reacció s'afavoreix obtenint els productes resultants, àtoms de " +
                "mercuri i molècules d'oxigen, en estat gasós.",
            std::string("Suposant un escalfament gradual, a mesura que van arribant a ") +
                "la temperatura de reacció, els ions de mercuri i oxigen del sòlid " +
                "van donant lloc als àtoms de mercuri i a les molècules d'oxigen. " +
                "La variació de les concentracions o nombre de partícules és, per " +
                "tant, uniforme",
            std::string("Quan els ions de mercuri i oxigen, presents en la estructura ") +
                "sòlida de l'òxid de mercuri(II ) adquireixen prou energia, degut a l'" +
                "escalfament a 357 ºC, es produeix la reacció. Es reor" +
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
