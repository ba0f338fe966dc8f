#include "window/menu_tree.h"

#include "reactions/registry.h"
#include "window/reaction_words.h"

namespace tarvon {

namespace {

// One item per registered reaction, named by its key.
void addReactions(std::vector<MenuItemDef>& tree) {
    for (const ReactionDescription* r : Reactions())
        tree.push_back({r->key, ReactionWords(r->menuCaption), "mnuReaccions", ""});
}

std::vector<MenuItemDef> buildTree() {
    std::vector<MenuItemDef> tree{
        {"mnuArxiu", TX("window", "&Arxiu"), "", ""},
        {"ArxiuText", TX("window", "Document de text"), "mnuArxiu", ""},
        {"ArxiuInformE", TX("window", "Elaboració d'informe (Word)"), "mnuArxiu", ""},
        {"ArxiuInformExem", TX("window", "Exemple"), "ArxiuInformE", ""},
        {"ArxiuInformFitxa", TX("window", "Fitxa per emplenar"), "ArxiuInformE", ""},
        {"ArxiuExcel", TX("window", "Gràfiques Excel"), "mnuArxiu", ""},
        {"ArxiuSortir", TX("window", "Sortir"), "mnuArxiu", ""},
        {"mnuAccions", TX("window", "A&ccions"), "", ""},
        {"AccionsInici", TX("window", "Tornar a situació inicial"), "mnuAccions", ""},
        {"AccionsCongelar", TX("window", "Congelar imatge"), "mnuAccions", ""},
        {"AccionsMarcar", TX("window", "Marcar/Desmarcar partícules"), "mnuAccions", ""},
        {"mnuEines", TX("window", "&Eines"), "", ""},
        {"EinesNombreP", TX("window", "Nombre de partícules"), "mnuEines", ""},
        {"EinesNPPre", TX("window", "Predeterminat"), "EinesNombreP", ""},
        {"EinesNPA", TX("window", "Augmentar"), "EinesNombreP", ""},
        {"EinesNPD", TX("window", "Disminuir"), "EinesNombreP", ""},
        {"EinesDiam", TX("window", "Diàmetre"), "mnuEines", ""},
        {"EinesDiamPre", TX("window", "Predeterminat"), "EinesDiam", ""},
        {"EinesDiam15", TX("window", "1,5:1"), "EinesDiam", ""},
        {"EinesDiamAf", TX("window", "Afinar"), "EinesDiam", ""},
        {"EinesDiamAfAu", TX("window", "(+)"), "EinesDiamAf", "Ctrl+A"},
        {"EinesDiamAfDi", TX("window", "(-)"), "EinesDiamAf", "Ctrl+D"},
        {"EinesCrono", TX("window", "Cronòmetre"), "mnuEines", ""},
        {"EinesVel", TX("window", "Velocitat del procés"), "mnuEines", ""},
        {"EinesVolumConstant", TX("window", "Volum constant"), "mnuEines", ""},
        {"mnuReaccions", TX("window", "&Reaccions"), "", ""},
    };
    addReactions(tree);
    tree.insert(tree.end(),
                {
                    {"mnuCine", TX("window", "Ci&nètica"), "", ""},
                    {"CineDades", TX("window", "Adquirir dades cinètiques"), "mnuCine", ""},
                    {"CineDadesCrono", TX("window", "Amb el cronòmetre"), "CineDades", ""},
                    {"CineDades05", TX("window", "Cada 0,5 segons"), "CineDades", ""},
                    {"CineDades1", TX("window", "    \"      1 segon"), "CineDades", ""},
                    {"CineDades2", TX("window", "    \"      2 segons"), "CineDades", ""},
                    {"CineDades5", TX("window", "    \"      5 segons"), "CineDades", ""},
                    {"CineDades10", TX("window", "    \"    10 segons"), "CineDades", ""},
                    {"CineNoDades", TX("window", "......Aturar presa de dades"), "mnuCine", ""},
                    {"CineEsborrar", TX("window", "......Esborrar dades"), "mnuCine", ""},
                    {"CineMeca", TX("window", "Desenvolupament de la reacció"), "mnuCine", ""},
                    {"CineTornar", TX("window", "......Tornar a Reaccions"), "mnuCine", ""},
                    {"CineExperimentNou", TX("window", "Experiment nou"), "mnuCine", ""},
                    {"CineGrafica", TX("window", "Gràfica en directe"), "mnuCine", ""},
                    {"CineAnalisi", TX("window", "Anàlisi de l'ordre"), "mnuCine", ""},
                    {"mnuFinestra", TX("window", "&Finestra"), "", ""},
                    {"FinPre", TX("window", "Presentació"), "mnuFinestra", ""},
                    {"FinTeo", TX("window", "Introducció teòrica"), "mnuFinestra", ""},
                    {"FinProp", TX("window", "Propostes de treball"), "mnuFinestra", ""},
                    {"FinGuia", TX("window", "Guia didàctica"), "mnuFinestra", ""},
                    {"FinProjector", TX("window", "Mode projector"), "mnuFinestra", ""},
                    {"FinIdioma", TX("window", "Idioma"), "mnuFinestra", ""},
                    // Each language's own name, in no catalogue.
                    {"FinIdiomaCa", {"window", "Català"}, "FinIdioma", ""},
                    {"FinIdiomaEs", {"window", "Español"}, "FinIdioma", ""},
                    {"FinIdiomaEn", {"window", "English"}, "FinIdioma", ""},
                    {"mnuAjuda", TX("window", "A&juda"), "", ""},
                });
    return tree;
}

} // namespace

const std::vector<MenuItemDef>& MenuTree() {
    static const std::vector<MenuItemDef> tree = buildTree();
    return tree;
}

} // namespace tarvon
