#include "reactions/feo/feo.h"

#include "reactions/feo/feo_parts.h"

namespace tarvon {

namespace {

constexpr PictureSpec kPictures[] = {
    {"RT_FeO.bmp", PictureKind::Equation, "2 Fe(s) + O2(g) → 2 FeO(s)"},
    {"RI_43.bmp", PictureKind::Element, "Fe"},
};
constexpr const PictureSpec& kEquation = kPictures[0];
constexpr const PictureSpec& kIronPicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {"Molèc. oxigen inicials:", [](const SimulationState& s) { return s.NombreMol; }},
    {"Molèc. oxigen presents:", [](const SimulationState& s) { return s.nO2; }},
    {"Òxid ferrós(FeO) format:", [](const SimulationState& s) { return s.nFeO; }},
};

constexpr DataColumn kColumns[] = {
    {"O2", [](const SimulationState& s) { return s.nO2; }},
};

} // namespace

constexpr ReactionDescription kFeO{
    .key = "FeO",
    .id = Reaction::FeO,
    .menuCaption = "Síntesi de l'òxid de ferro(II)",
    .help = {"Òxid de ferro(II)",
             "L'oxigen gasós reacciona amb els àtoms de la superfície del ferro i es forma "
             "òxid de ferro(II)."},
    .texts = TextsFeO,
    .pictures = {&kSynthesisPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
};

} // namespace tarvon
