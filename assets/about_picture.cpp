#include "assets/about_picture.h"

#include "assets/card_body.h"

namespace assets {

void paintAboutPicture(QImage& image, const CardFonts& fonts) {
    const QRectF body = paintInfoCard(
        image,
        {QStringLiteral("Sobre aquest treball"),
         QStringLiteral("Tarvon, model basat en la teoria cineticomolecular"),
         QStringLiteral("Treball de desenvolupament de models per a l'ensenyament de la química")},
        fonts);
    CardBody text(image, body, fonts);
    text.heading(QStringLiteral("Què és"));
    text.paragraph(QStringLiteral(
        "Tarvon és un model de la teoria cineticomolecular. En una caixa tancada, dibuixada en "
        "perspectiva, els àtoms i les molècules són cercles de colors que es mouen, xoquen entre "
        "si i amb les parets, i reaccionen quan el xoc és eficaç."));
    text.bullet(QStringLiteral("Quatre reaccions: la síntesi de l'òxid de ferro(II) i de "
                               "l'amoníac, i la descomposició del iodur d'hidrogen i de l'òxid "
                               "de mercuri(II)."));
    text.bullet(QStringLiteral("Comptadors de les partícules de cada espècie i una taula de dades "
                               "que en recull la variació amb el temps."));
    text.bullet(QStringLiteral("La vista del mecanisme, que atura el primer xoc eficaç i el "
                               "mostra pas a pas."));
    text.heading(QStringLiteral("Per a què serveix"));
    text.paragraph(QStringLiteral(
        "Ajuda l'alumnat de secundària a veure què passa a escala de partícules durant una "
        "reacció química: la velocitat de reacció, el paper dels xocs i de l'orientació de les "
        "partícules, i com varien les concentracions de reactius i productes al llarg del "
        "temps."));
    text.paragraph(QStringLiteral(
        "Les dades es poden passar a un full de càlcul o a un informe, i el model s'acompanya "
        "d'una introducció teòrica, de propostes de treball i d'una guia didàctica."));
}

} // namespace assets
