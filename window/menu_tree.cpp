#include "window/menu_tree.h"

#include "reactions/registry.h"

namespace tarvon {

namespace {

// The interval items line up under "Cada 0,5 segons" with a ditto mark.
std::string ditto(const char* rest) {
    return std::string("    \"") + rest;
}

// One item per registered reaction, named by its key.
void addReactions(std::vector<MenuItemDef>& tree) {
    for (const ReactionDescription* r : Reactions())
        tree.push_back({r->key, r->menuCaption.source, "mnuReaccions", ""});
}

std::vector<MenuItemDef> buildTree() {
    std::vector<MenuItemDef> tree{
        {"mnuArxiu", "&Arxiu", "", ""},
        {"ArxiuText", "Document de text", "mnuArxiu", ""},
        {"ArxiuInformE", "Elaboració d'informe (Word)", "mnuArxiu", ""},
        {"ArxiuInformExem", "Exemple", "ArxiuInformE", ""},
        {"ArxiuInformFitxa", "Fitxa per emplenar", "ArxiuInformE", ""},
        {"ArxiuExcel", "Gràfiques Excel", "mnuArxiu", ""},
        {"ArxiuSortir", "Sortir", "mnuArxiu", ""},
        {"mnuAccions", "A&ccions", "", ""},
        {"AccionsInici", "Tornar a situació inicial", "mnuAccions", ""},
        {"AccionsCongelar", "Congelar imatge", "mnuAccions", ""},
        {"AccionsMarcar", "Marcar/Desmarcar partícules", "mnuAccions", ""},
        {"mnuEines", "&Eines", "", ""},
        {"EinesNombreP", "Nombre de partícules", "mnuEines", ""},
        {"EinesNPPre", "Predeterminat", "EinesNombreP", ""},
        {"EinesNPA", "Augmentar", "EinesNombreP", ""},
        {"EinesNPD", "Disminuir", "EinesNombreP", ""},
        {"EinesDiam", "Diàmetre", "mnuEines", ""},
        {"EinesDiamPre", "Predeterminat", "EinesDiam", ""},
        {"EinesDiam15", "1,5:1", "EinesDiam", ""},
        {"EinesDiamAf", "Afinar", "EinesDiam", ""},
        {"EinesDiamAfAu", "(+)", "EinesDiamAf", "Ctrl+A"},
        {"EinesDiamAfDi", "(-)", "EinesDiamAf", "Ctrl+D"},
        {"EinesCrono", "Cronòmetre", "mnuEines", ""},
        {"EinesVel", "Velocitat del procés", "mnuEines", ""},
        {"EinesVolumConstant", "Volum constant", "mnuEines", ""},
        {"mnuReaccions", "&Reaccions", "", ""},
    };
    addReactions(tree);
    tree.insert(tree.end(), {
                                {"mnuCine", "Ci&nètica", "", ""},
                                {"CineDades", "Adquirir dades cinètiques", "mnuCine", ""},
                                {"CineDadesCrono", "Amb el cronòmetre", "CineDades", ""},
                                {"CineDades05", "Cada 0,5 segons", "CineDades", ""},
                                {"CineDades1", ditto("      1 segon"), "CineDades", ""},
                                {"CineDades2", ditto("      2 segons"), "CineDades", ""},
                                {"CineDades5", ditto("      5 segons"), "CineDades", ""},
                                {"CineDades10", ditto("    10 segons"), "CineDades", ""},
                                {"CineNoDades", "......Aturar presa de dades", "mnuCine", ""},
                                {"CineEsborrar", "......Esborrar dades", "mnuCine", ""},
                                {"CineMeca", "Desenvolupament de la reacció", "mnuCine", ""},
                                {"CineTornar", "......Tornar a Reaccions", "mnuCine", ""},
                                {"CineExperimentNou", "Experiment nou", "mnuCine", ""},
                                {"CineGrafica", "Gràfica en directe", "mnuCine", ""},
                                {"CineAnalisi", "Anàlisi de l'ordre", "mnuCine", ""},
                                {"mnuFinestra", "&Finestra", "", ""},
                                {"FinPre", "Presentació", "mnuFinestra", ""},
                                {"FinTeo", "Introducció teòrica", "mnuFinestra", ""},
                                {"FinProp", "Propostes de treball", "mnuFinestra", ""},
                                {"FinGuia", "Guia didàctica", "mnuFinestra", ""},
                                {"FinProjector", "Mode projector", "mnuFinestra", ""},
                                {"mnuAjuda", "A&juda", "", ""},
                            });
    return tree;
}

} // namespace

const std::vector<MenuItemDef>& MenuTree() {
    static const std::vector<MenuItemDef> tree = buildTree();
    return tree;
}

} // namespace tarvon
