#include "reactions/nh3/nh3.h"

#include "reactions/nh3/nh3_parts.h"
#include "reactions/nh3/reaccio_nh3.h"

namespace tarvon {

namespace {

constexpr PictureData kPictures[] = {
    {"RT_NH3.bmp", PictureKind::Equation, "N2(g) + 3 H2(g) → 2 NH3(g)"},
    {"RI_68.bmp", PictureKind::Element, "N"},
};
constexpr const PictureData& kEquation = kPictures[0];
constexpr const PictureData& kNitrogenPicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {kMoleculesPresents, [](const SimulationState& s) { return s.nN2 + s.nNH3 + s.nH2; }},
    {TX("reactions", "Molècules NH3:"), [](const SimulationState& s) { return s.nNH3; }},
    {TX("reactions", "Molècules N2:"), [](const SimulationState& s) { return s.nN2; }},
    {TX("reactions", "Molècules H2:"), [](const SimulationState& s) { return s.nH2; }},
};

// Each column the count of a counter box.
constexpr DataColumn kColumns[] = {
    {"N2", 2},  // Molècules N2
    {"H2", 3},  // Molècules H2
    {"NH3", 1}, // Molècules NH3
};

// Between the atom centres of its molecule, twips.
float bondLength(float diam) {
    const double d = diam;
    return static_cast<float>(d * 0.74 + d * 0.37);
}

void legend(Legend& l, const LegendInput& in) {
    GasLegend(l, in, kNitrogenPicture, kHydrogenPicture);
}

void event(TickContext& t, int i) {
    ReaccioNH3(t.s, t.rnd, t.hooks, i);
}

} // namespace

constexpr ReactionDescription kNH3{
    .key = "NH3",
    .menuCaption = TX("reactions", "Síntesi de l'amoníac"),
    .help = {TX("reactions", "Amoníac"),
             TX("reactions", "El nitrogen i l'hidrogen, tots dos gasos, formen amoníac.")},
    .texts = TextsNH3,
    .pictures = {&kSynthesisPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
    .bondLength = bondLength,
    .afterBondLength = nullptr,
    .mechanismSide = 14,
    .mechanismBox = {-0.25, 1.8},
    .populate = PoblacioNH3,
    .legend = legend,
    .event = event,
    .collisions = CollisionKind::Molecules,
    .tick = {"NH3", {TickNH3, MovesNH3, MarginsNH3}, {nullptr, ContinueNH3}, BalanceNH3},
};

} // namespace tarvon
