#include "assets/about_picture.h"

#include "assets/card_body.h"
#include "assets/picture_words.h"

namespace assets {

void paintAboutPicture(QImage& image, const CardFonts& fonts, const tarvon::Language& words) {
    const QRectF body = paintInfoCard(
        image,
        {say(words, TX("assets", "Sobre aquest treball")),
         say(words, TX("assets", "Tarvon, model basat en la teoria cineticomolecular")),
         say(words, TX("assets", "Treball de desenvolupament de models per a l'ensenyament de la "
                                 "química"))},
        fonts);
    CardBody text(image, body, fonts);
    text.heading(say(words, TX("assets", "Què és")));
    text.paragraph(
        say(words,
            TX("assets",
               "Tarvon és un model de la teoria cineticomolecular. En una caixa tancada, "
               "dibuixada en perspectiva, els àtoms i les molècules són cercles de colors que es "
               "mouen, xoquen entre si i amb les parets, i reaccionen quan el xoc és eficaç.")));
    text.bullet(say(words, TX("assets", "Quatre reaccions: la síntesi de l'òxid de ferro(II) i de "
                                        "l'amoníac, i la descomposició del iodur d'hidrogen i de "
                                        "l'òxid de mercuri(II).")));
    text.bullet(say(words, TX("assets", "Comptadors de les partícules de cada espècie i una taula "
                                        "de dades que en recull la variació amb el temps.")));
    text.bullet(say(words, TX("assets", "La vista del mecanisme, que atura el primer xoc eficaç i "
                                        "el mostra pas a pas.")));
    text.heading(say(words, TX("assets", "Per a què serveix")));
    text.paragraph(say(
        words, TX("assets", "Ajuda l'alumnat de secundària a veure què passa a escala de "
                            "partícules durant una reacció química: la velocitat de reacció, el "
                            "paper dels xocs i de l'orientació de les partícules, i com varien les "
                            "concentracions de reactius i productes al llarg del temps.")));
    text.paragraph(say(
        words, TX("assets", "Les dades es poden passar a un full de càlcul o a un informe, i el "
                            "model s'acompanya d'una introducció teòrica, de propostes de treball "
                            "i d'una guia didàctica.")));
}

} // namespace assets
