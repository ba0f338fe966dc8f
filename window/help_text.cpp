#include "window/help_text.h"

#include "reactions/registry.h"
#include "window/word_wrap.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace tarvon {

namespace {

constexpr char kCrLf[] = "\r\n";

struct Entry {
    const char* name;
    const char* explanation;
};

struct Section {
    const char* heading;
    bool needsReaction; // the menu works only once a reaction is chosen
    std::vector<Entry> entries;
};

// What each registered reaction does, in the menu's order.
std::vector<Entry> reactionEntries() {
    std::vector<Entry> entries;
    for (const ReactionDescription* r : Reactions())
        entries.push_back({r->help.name.source, r->help.explanation.source});
    return entries;
}

const std::vector<Section>& Sections() {
    static const std::vector<Section> sections{
        {"Arxiu (Alt -A):",
         false,
         {{"Document de text",
           "Obre un document per prendre notes. La taula de dades cinètiques queda copiada "
           "al porta-retalls i s'hi pot enganxar. El primer cop que s'utilitza després "
           "d'obrir el programa, el document es crea a la carpeta Documents amb el nom "
           "Dades Tarvon; si aquest nom ja hi és, s'hi afegeix un número, de manera que "
           "les notes anteriors es conserven. Les vegades següents s'obre el mateix "
           "document."},
          {"Elaboració d'informe (Word)",
           "Conté un exemple de com es poden respondre les preguntes o redactar l'informe "
           "de les propostes de treball, i una fitxa en blanc per fer-ho. La fitxa es desa "
           "com a document nou a la carpeta Documents."},
          {"Gràfiques Excel",
           "Obre un full de càlcul amb la taula de dades cinètiques enganxada i la seva "
           "gràfica. Només està disponible després d'haver pres dades en el menú Cinètica. "
           "El full es desa a la carpeta Documents amb el nom DadesCine i el de la "
           "reacció; si aquest nom ja hi és, s'hi afegeix un número, de manera que els "
           "fulls anteriors es conserven."}}},
        {"Accions (Alt-C):",
         true,
         {{"Tornar a situació inicial", "Atura el procés i torna a la situació inicial."},
          {"Congelar/Descongelar imatge",
           "Mostra les partícules en un instant determinat, o bé reprèn el moviment."},
          {"Marcar/Desmarcar partícules",
           "Cal activar-ho abans de poder marcar partícules. En fer clic sobre una "
           "partícula, queda envoltada d'un altre color, o bé torna a tenir el seu color "
           "normal."}}},
        {"Eines (Alt -E):",
         true,
         {{"Nombre de partícules",
           "Augmenta o disminueix el nombre de partícules per costat del sòlid, per "
           "adaptar-lo a la velocitat de l'ordinador."},
          {"Diàmetre",
           "Els diàmetres grans mostren millor els detalls, i els petits reflecteixen "
           "millor la teoria cinètica. Amb \"Afinar\" (+) i (-) s'ajusta lleugerament el "
           "diàmetre per evitar distorsions amb algunes resolucions de pantalla."},
          {"Cronòmetre", "Serveix per mesurar el temps en alguns experiments."},
          {"Velocitat del procés",
           "Mostra una barra de desplaçament que accelera el moviment de les partícules, "
           "tant com ho permeti l'ordinador."},
          {"Volum constant",
           "Quan està marcat, la caixa conserva la mida que té amb el nombre més gran de "
           "partícules que permet \"Augmentar\" en aquest ordinador, amb el diàmetre triat. "
           "Així, en canviar el nombre de partícules canvia la concentració, i es pot "
           "aplicar el mètode de les velocitats inicials. Desmarcat, la mida de la caixa "
           "segueix el nombre de partícules."}}},
        {"Reaccions (Alt-R):", false, reactionEntries()},
        {"Cinètica (Alt-N):",
         true,
         {{"Adquirir dades cinètiques",
           "Pren dades del temps i de la concentració de les substàncies en fase gasosa a "
           "intervals de 0,5, 1, 2, 5 o 10 segons. L'interval es pot canviar dins d'un "
           "mateix experiment. També es poden prendre dades a voluntat amb el cronòmetre."},
          {"Aturar presa de dades", "Atura la presa de dades, que es pot continuar més endavant."},
          {"Esborrar dades", "Atura la presa de dades, esborra les dades i amaga la taula."},
          {"Desenvolupament de la reacció",
           "Mostra el desenvolupament de la reacció en dos instants, amb una part de la "
           "caixa i les partícules més grans. El botó Continuar fa passar d'un instant al "
           "següent."},
          {"Tornar a Reaccions", "Torna a la pantalla de la reacció."},
          {"Experiment nou",
           "Torna a començar la reacció amb el nombre de partícules, el diàmetre i la "
           "velocitat triats, i torna a prendre dades amb el mateix interval, o amb el "
           "cronòmetre si es prenien així. Les dades anteriors es poden comparar a la "
           "gràfica."},
          {"Gràfica en directe",
           "Obre una finestra amb el nombre de partícules de cada substància en funció del "
           "temps, que creix a mesura que es prenen dades. Hi apareixen, més clares, fins a "
           "quatre experiments anteriors de la mateixa reacció, amb el nom de les seves "
           "condicions. A sota hi ha els xocs entre molècules i els efectius, o bé, a "
           "l'òxid de ferro(II), les molècules d'oxigen que arriben a la superfície i les "
           "que l'oxiden, comptats des que ha començat l'experiment. \"Desar imatge…\" la desa "
           "en PNG o SVG a la carpeta Documents sense esborrar cap fitxer anterior. La tecla "
           "Esc tanca la finestra."},
          {"Anàlisi de l'ordre",
           "Per a una columna de la taula, representa N, ln N i 1/N en funció del temps amb "
           "les rectes de mínims quadrats, i en dona R², el pendent i la constant k (el "
           "valor absolut del pendent, sense factor estequiomètric). Indica l'ordre que "
           "s'ajusta millor, o que les dades no permeten decidir-lo, el temps de "
           "semireacció i la velocitat inicial. Necessita almenys quatre files de dades."}}},
        {"Finestra (Alt -F):",
         false,
         {{"Presentació", "Resum en diapositives d'alguns conceptes del model."},
          {"Introducció teòrica", "Fitxer PDF que explica els conceptes principals del model."},
          {"Propostes de treball",
           "Fitxer PDF amb una col·lecció d'experiments per fer amb el model."},
          {"Guia didàctica",
           "Fitxer PDF amb orientacions sobre com s'ha construït el model i com es pot "
           "utilitzar."},
          {"Mode projector",
           "Per veure-ho des del fons de l'aula: cada àtom es dibuixa com a mínim de 8 "
           "píxels d'amplada, sense canviar-ne la posició ni el model, i la lletra dels "
           "comptadors, de la descripció i de la taula de dades es fa més gran, fins a una "
           "vegada i mitja, tant com hi càpiga. Es torna a desactivar de la mateixa manera, "
           "i el programa recorda l'elecció."}}},
    };
    return sections;
}

void AppendSection(std::string& text, const Section& section) {
    text.append(section.heading).append(kCrLf);
    if (section.needsReaction)
        text.append("(Només disponible després d'haver triat")
            .append(kCrLf)
            .append("una reacció en el menú Reaccions)")
            .append(kCrLf);
    for (const Entry& entry : section.entries) {
        text.append(kCrLf).append("-- ").append(entry.name).append(":").append(kCrLf);
        for (const std::string& line : WrapWords(entry.explanation, kAmpladaAjuda))
            text.append("    ").append(line).append(kCrLf);
    }
}

} // namespace

std::string TextAjuda() {
    std::string text(kCrLf);
    for (const Section& section : Sections()) {
        if (&section != &Sections().front())
            text.append(kCrLf).append(kCrLf);
        AppendSection(text, section);
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
