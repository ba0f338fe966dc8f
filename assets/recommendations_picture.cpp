#include "assets/recommendations_picture.h"

#include "assets/card_body.h"

namespace assets {

void paintRecommendationsPicture(QImage& image, const CardFonts& fonts) {
    const QRectF body =
        paintInfoCard(image,
                      {QStringLiteral("Recomanacions d'ús"),
                       QStringLiteral("Com treure profit de Tarvon a l'aula"), QString()},
                      fonts);
    const QString steps[] = {
        QStringLiteral("Obriu el model sempre des d'Orvalis, que abans calibra el nombre de "
                       "partícules que l'ordinador pot moure."),
        QStringLiteral("Projecteu la pantalla perquè tota la classe vegi bé la caixa."),
        QStringLiteral("Trieu una reacció al menú Reaccions i observeu-la una estona abans de "
                       "mesurar res."),
        QStringLiteral("Al menú Eines, un diàmetre més gran fa més freqüents els xocs; la "
                       "velocitat del procés només accelera l'animació. Amb més partícules la "
                       "caixa creix i la concentració gairebé no canvia: estudieu-la dins d'una "
                       "mateixa prova."),
        QStringLiteral("Preneu dades des del menú Cinètica, a intervals fixos o amb el "
                       "cronòmetre."),
        QStringLiteral("Congeleu la imatge, o seguiu pas a pas el primer xoc eficaç amb "
                       "«Desenvolupament de la reacció»."),
        QStringLiteral("Passeu la taula de dades al full de càlcul i feu-ne gràfiques."),
        QStringLiteral("Demaneu prediccions abans de cada prova i comenteu els resultats amb "
                       "l'alumnat."),
    };
    CardBody text(image, body, fonts);
    int number = 1;
    for (const QString& step : steps)
        text.numbered(number++, step);
    text.paragraph(QStringLiteral("Trobareu propostes de treball i la guia didàctica al menú "
                                  "Finestra."));
}

} // namespace assets
