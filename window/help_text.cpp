#include "window/help_text.h"

#include "reactions/registry.h"
#include "window/word_wrap.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace tarvon {

namespace {

constexpr char kCrLf[] = "\r\n";

// An item's name as its menu shows it, and what it does.
struct Entry {
    TextKey name;
    TextKey explanation;
};

struct Section {
    TextKey heading;
    bool needsReaction; // the menu works only once a reaction is chosen
    std::vector<Entry> entries;
};

// What each registered reaction does, in the menu's order.
std::vector<Entry> reactionEntries() {
    std::vector<Entry> entries;
    for (const ReactionDescription* r : Reactions())
        entries.push_back({r->help.name, r->help.explanation});
    return entries;
}

const std::vector<Section>& Sections() {
    static const std::vector<Section> sections{
        {TX("window", "Arxiu (Alt -A):"),
         false,
         {{TX("window", "Document de text"),
           TX("window",
              "Obre un document per prendre notes. La taula de dades cinètiques queda copiada "
              "al porta-retalls i s'hi pot enganxar. El primer cop que s'utilitza després "
              "d'obrir el programa, el document es crea a la carpeta Documents amb el nom "
              "Dades Tarvon; si aquest nom ja hi és, s'hi afegeix un número, de manera que "
              "les notes anteriors es conserven. Les vegades següents s'obre el mateix "
              "document.")},
          {TX("window", "Elaboració d'informe (Word)"),
           TX("window",
              "Conté un exemple de com es poden respondre les preguntes o redactar l'informe "
              "de les propostes de treball, i una fitxa en blanc per fer-ho. La fitxa es desa "
              "com a document nou a la carpeta Documents.")},
          {TX("window", "Gràfiques Excel"),
           TX("window",
              "Obre un full de càlcul amb la taula de dades cinètiques enganxada i la seva "
              "gràfica. Només està disponible després d'haver pres dades en el menú Cinètica. "
              "El full es desa a la carpeta Documents amb el nom DadesCine i el de la "
              "reacció; si aquest nom ja hi és, s'hi afegeix un número, de manera que els "
              "fulls anteriors es conserven.")}}},
        {TX("window", "Accions (Alt-C):"),
         true,
         {{TX("window", "Tornar a situació inicial"),
           TX("window", "Atura el procés i torna a la situació inicial.")},
          {TX("window", "Congelar/Descongelar imatge"),
           TX("window",
              "Mostra les partícules en un instant determinat, o bé reprèn el moviment.")},
          {TX("window", "Marcar/Desmarcar partícules"),
           TX("window",
              "Cal activar-ho abans de poder marcar partícules. En fer clic sobre una "
              "partícula, queda envoltada d'un altre color, o bé torna a tenir el seu color "
              "normal.")}}},
        {TX("window", "Eines (Alt -E):"),
         true,
         {{TX("window", "Nombre de partícules"),
           TX("window", "Augmenta o disminueix el nombre de partícules per costat del sòlid, per "
                        "adaptar-lo a la velocitat de l'ordinador.")},
          {TX("window", "Diàmetre"),
           TX("window",
              "Els diàmetres grans mostren millor els detalls, i els petits reflecteixen "
              "millor la teoria cinètica. Amb \"Afinar\" (+) i (-) s'ajusta lleugerament el "
              "diàmetre per evitar distorsions amb algunes resolucions de pantalla.")},
          {TX("window", "Cronòmetre"),
           TX("window", "Serveix per mesurar el temps en alguns experiments.")},
          {TX("window", "Velocitat del procés"),
           TX("window",
              "Mostra una barra de desplaçament que accelera el moviment de les partícules, "
              "tant com ho permeti l'ordinador.")},
          {TX("window", "Volum constant"),
           TX("window",
              "Quan està marcat, la caixa conserva la mida que té amb el nombre més gran de "
              "partícules que permet \"Augmentar\" en aquest ordinador, amb el diàmetre triat. "
              "Així, en canviar el nombre de partícules canvia la concentració, i es pot "
              "aplicar el mètode de les velocitats inicials. Desmarcat, la mida de la caixa "
              "segueix el nombre de partícules.")}}},
        {TX("window", "Reaccions (Alt-R):"), false, reactionEntries()},
        {TX("window", "Cinètica (Alt-N):"),
         true,
         {{TX("window", "Adquirir dades cinètiques"),
           TX("window",
              "Pren dades del temps i de la concentració de les substàncies en fase gasosa a "
              "intervals de 0,5, 1, 2, 5 o 10 segons. L'interval es pot canviar dins d'un "
              "mateix experiment. També es poden prendre dades a voluntat amb el cronòmetre.")},
          {TX("window", "Aturar presa de dades"),
           TX("window", "Atura la presa de dades, que es pot continuar més endavant.")},
          {TX("window", "Esborrar dades"),
           TX("window", "Atura la presa de dades, esborra les dades i amaga la taula.")},
          {TX("window", "Desenvolupament de la reacció"),
           TX("window",
              "Mostra el desenvolupament de la reacció en dos instants, amb una part de la "
              "caixa i les partícules més grans. El botó Continuar fa passar d'un instant al "
              "següent.")},
          {TX("window", "Tornar a Reaccions"), TX("window", "Torna a la pantalla de la reacció.")},
          {TX("window", "Experiment nou"),
           TX("window",
              "Torna a començar la reacció amb el nombre de partícules, el diàmetre i la "
              "velocitat triats, i torna a prendre dades amb el mateix interval, o amb el "
              "cronòmetre si es prenien així. Les dades anteriors es poden comparar a la "
              "gràfica.")},
          {TX("window", "Gràfica en directe"),
           TX("window",
              "Obre una finestra amb el nombre de partícules de cada substància en funció del "
              "temps, que creix a mesura que es prenen dades. Hi apareixen, més clares, fins a "
              "quatre experiments anteriors de la mateixa reacció, amb el nom de les seves "
              "condicions. A sota hi ha els xocs entre molècules i els efectius, o bé, a "
              "l'òxid de ferro(II), les molècules d'oxigen que arriben a la superfície i les "
              "que l'oxiden, comptats des que ha començat l'experiment. \"Desar imatge…\" la desa "
              "en PNG o SVG a la carpeta Documents sense esborrar cap fitxer anterior. La tecla "
              "Esc tanca la finestra.")},
          {TX("window", "Anàlisi de l'ordre"),
           TX("window",
              "Per a una columna de la taula, representa N, ln N i 1/N en funció del temps amb "
              "les rectes de mínims quadrats, i en dona R², el pendent i la constant k (el "
              "valor absolut del pendent, sense factor estequiomètric). Indica l'ordre que "
              "s'ajusta millor, o que les dades no permeten decidir-lo, el temps de "
              "semireacció i la velocitat inicial. Necessita almenys quatre files de dades.")}}},
        {TX("window", "Finestra (Alt -F):"),
         false,
         {{TX("window", "Presentació"),
           TX("window", "Resum en diapositives d'alguns conceptes del model.")},
          {TX("window", "Introducció teòrica"),
           TX("window", "Fitxer PDF que explica els conceptes principals del model.")},
          {TX("window", "Propostes de treball"),
           TX("window", "Fitxer PDF amb una col·lecció d'experiments per fer amb el model.")},
          {TX("window", "Guia didàctica"),
           TX("window",
              "Fitxer PDF amb orientacions sobre com s'ha construït el model i com es pot "
              "utilitzar.")},
          {TX("window", "Mode projector"),
           TX("window",
              "Per veure-ho des del fons de l'aula: cada àtom es dibuixa com a mínim de 8 "
              "píxels d'amplada, sense canviar-ne la posició ni el model, i la lletra dels "
              "comptadors, de la descripció i de la taula de dades es fa més gran, fins a una "
              "vegada i mitja, tant com hi càpiga. Es torna a desactivar de la mateixa manera, "
              "i el programa recorda l'elecció.")},
          {TX("window", "Idioma"),
           TX("window",
              "Tria la llengua dels menús i dels textos del programa: català, castellà o "
              "anglès. S'aplica la propera vegada que s'obre el programa. L'exemple d'informe, "
              "la fitxa i els documents del menú Finestra s'obren en la llengua triada, o en "
              "català si la carpeta de dades no els té en aquesta llengua. El document de "
              "notes, la fitxa i el full de càlcul que es desen a la carpeta Documents tenen "
              "el nom en la llengua triada.")}}},
    };
    return sections;
}

void AppendSection(std::string& text, const Section& section, const Language& lang) {
    text.append(lang(section.heading)).append(kCrLf);
    if (section.needsReaction)
        text.append(lang(TX("window", "(Només disponible després d'haver triat")))
            .append(kCrLf)
            .append(lang(TX("window", "una reacció en el menú Reaccions)")))
            .append(kCrLf);
    for (const Entry& entry : section.entries) {
        text.append(kCrLf).append("-- ").append(lang(entry.name)).append(":").append(kCrLf);
        for (const std::string& line : WrapWords(lang(entry.explanation), kAmpladaAjuda))
            text.append("    ").append(line).append(kCrLf);
    }
}

} // namespace

std::string TextAjuda(const Language& lang) {
    std::string text(kCrLf);
    for (const Section& section : Sections()) {
        if (&section != &Sections().front())
            text.append(kCrLf).append(kCrLf);
        AppendSection(text, section, lang);
    }
    return text.append(" ").append(kCrLf);
}

AjudaPlacement PlacementAjuda(float s) {
    AjudaPlacement p{};
    p.Left = 10250 * s;
    p.Top = 460 * s;
    p.Height = 10580 * s;
    p.Width = 5100 * s;
    p.TextHeight = p.Height - 550 * s;
    p.TextWidth = p.Width - 100 * s;
    p.FontSize = 10 * s;
    return p;
}

AjudaPlacement FitAjuda(AjudaPlacement p, float screenWidth, float screenHeight) {
    const float shorter = std::max(0.0f, p.Height - screenHeight);
    const float narrower = std::max(0.0f, p.Width - screenWidth);
    p.Height -= shorter;
    p.TextHeight -= shorter;
    p.Width -= narrower;
    p.TextWidth -= narrower;
    p.Left = std::clamp(p.Left, 0.0f, screenWidth - p.Width);
    p.Top = std::clamp(p.Top, 0.0f, screenHeight - p.Height);
    return p;
}

} // namespace tarvon
