#include "reactions/nh3/nh3.h"

#include "reactions/nh3/nh3_parts.h"

namespace tarvon {

namespace {

constexpr PictureSpec kPictures[] = {
    {"RT_NH3.bmp", PictureKind::Equation, "N2(g) + 3 H2(g) → 2 NH3(g)"},
    {"RI_68.bmp", PictureKind::Element, "N"},
};
constexpr const PictureSpec& kEquation = kPictures[0];
constexpr const PictureSpec& kNitrogenPicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {kMoleculesPresents, [](const SimulationState& s) { return s.nN2 + s.nNH3 + s.nH2; }},
    {"Molècules NH3:", [](const SimulationState& s) { return s.nNH3; }},
    {"Molècules N2:", [](const SimulationState& s) { return s.nN2; }},
    {"Molècules H2:", [](const SimulationState& s) { return s.nH2; }},
};

constexpr DataColumn kColumns[] = {
    {"N2", [](const SimulationState& s) { return s.nN2; }},
    {"H2", [](const SimulationState& s) { return s.nH2; }},
    {"NH3", [](const SimulationState& s) { return s.nNH3; }},
};

} // namespace

constexpr ReactionDescription kNH3{
    .key = "NH3",
    .id = Reaction::NH3,
    .menuCaption = "Síntesi de l'amoníac",
    .help = {"Amoníac", "El nitrogen i l'hidrogen, tots dos gasos, formen amoníac."},
    .texts = TextsNH3,
    .pictures = {&kSynthesisPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
};

} // namespace tarvon
