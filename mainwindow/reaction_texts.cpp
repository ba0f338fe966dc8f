#include "mainwindow/reaction_texts.h"

#include <stdexcept>

namespace tarvon {

namespace {

std::string picture(const char* name) {
    return std::string("Arxius_orvalis/") + name + ".bmp";
}

ReactionTexts feo() {
    return {picture("RT_Sinte"), picture("RT_FeO"), "Formació de l'òxid de ferro(II), sòlid,",
            " per reacció del ferro sòlid i l'oxigen gas",
            std::string("La reacció es produeix quan la molècula d'oxigen, en el seu movim") +
                "ent caòtic, xoca contra la superfície del ferro en la forma adequada. Ale" +
                "shores, els àtoms es transformen en ions, negatiu l'oxigen(2-) i positiu " +
                "el ferro(2+) per intercanvi d'electrons, donant lloc a un enllaç iònic."};
}

ReactionTexts nh3() {
    return {picture("RT_Sinte"), picture("RT_NH3"),
            "Formació d'amoníac per reacció entre el nitrogen",
            " i l'hidrogen. Tots tres en estat gasós",
            std::string("En la formació de l'amoníac, intervenen tres molècules d'hidrogen ") +
                "per cadascuna de nitrogen, donant lloc a dues molècules d'amoníac. Si l'" +
                "energia de les molècules en els xocs es prou gran, es trenquen els enlla" +
                "ços H-H i N-N i es fan els nous enllaços N-H."};
}

ReactionTexts hi() {
    return {picture("RT_Descom"), picture("RT_HI"), "Descomposició del iodur d'hidrogen (gas),",
            " formant iode i hidrogen, tots dos en estat gasós",
            std::string("En la descomposició del iodur d'hidrogen es produeix hidrogen i ") +
                "iode. Si les molècules d' HI xoquen entre sí eficientment, es trenquen " +
                "els enllaços H-H i I-I i es fan els nous enllaços H-I. Cal remarcar que " +
                "el nombre total de molècules presents és però, sempre el mateix."};
}

ReactionTexts hgo() {
    return {picture("RT_Descom"), picture("RT_HgO"),
            "Descomposició de l'òxid de mercuri(II), sòlid.",
            "A T > 357 ºC, es formen oxigen i mercuri, tots dos en estat gasós",
            std::string("A uns 300ºC de temperatura, ja es produeix la reacció de descomposi") +
                "ció de l'òxid de mercuri(II ). A partir de 357 ºC, punt d'ebullició del mer" +
                "curi, la reacció s'afavoreix obtenint els productes resultants, àtoms de " +
                "mercuri i molècules d'oxigen, en estat gasós."};
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
