#include "assets/recommendations_picture.h"

#include "assets/card_body.h"
#include "assets/picture_words.h"

namespace assets {

void paintRecommendationsPicture(QImage& image, const CardFonts& fonts,
                                 const tarvon::Language& words) {
    const QRectF body =
        paintInfoCard(image,
                      {say(words, TX("assets", "Recomanacions d'ús")),
                       say(words, TX("assets", "Com treure profit de Tarvon a l'aula")), QString()},
                      fonts);
    const tarvon::TextKey steps[] = {
        TX("assets", "Obriu el model sempre des d'Orvalis, que abans calibra el nombre de "
                     "partícules que l'ordinador pot moure."),
        TX("assets", "Projecteu la pantalla perquè tota la classe vegi bé la caixa."),
        TX("assets", "Trieu una reacció al menú Reaccions i observeu-la una estona abans de "
                     "mesurar res."),
        TX("assets", "Al menú Eines, un diàmetre més gran fa més freqüents els xocs; la "
                     "velocitat del procés només accelera l'animació. Amb més partícules la "
                     "caixa creix i la concentració gairebé no canvia: estudieu-la dins d'una "
                     "mateixa prova."),
        TX("assets", "Preneu dades des del menú Cinètica, a intervals fixos o amb el "
                     "cronòmetre."),
        TX("assets", "Congeleu la imatge, o seguiu pas a pas el primer xoc eficaç amb "
                     "«Desenvolupament de la reacció»."),
        TX("assets", "Passeu la taula de dades al full de càlcul i feu-ne gràfiques."),
        TX("assets", "Demaneu prediccions abans de cada prova i comenteu els resultats amb "
                     "l'alumnat."),
    };
    CardBody text(image, body, fonts);
    int number = 1;
    for (const tarvon::TextKey& step : steps)
        text.numbered(number++, say(words, step));
    text.paragraph(
        say(words, TX("assets", "Trobareu propostes de treball i la guia didàctica al menú "
                                "Finestra.")));
}

} // namespace assets
