#include "reactions/hi/hi.h"

#include "reactions/hi/hi_parts.h"
#include "reactions/hi/reaccio_hi.h"

namespace tarvon {

namespace {

constexpr PictureData kPictures[] = {
    {"RT_HI.bmp", PictureKind::Equation, "2 HI(g) → H2(g) + I2(g)"},
    {"RI_70.bmp", PictureKind::Element, "I"},
};
constexpr const PictureData& kEquation = kPictures[0];
constexpr const PictureData& kIodinePicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {kMoleculesPresents, [](const SimulationState& s) { return s.NombreMol; }},
    {TX("reactions", "Molècules HI:"), [](const SimulationState& s) { return s.nHI; }},
    {TX("reactions", "Molècules hidrogen:"), [](const SimulationState& s) { return s.nH2; }},
    {TX("reactions", "Molècules iode:"), [](const SimulationState& s) { return s.nI2; }},
};

// Each column the count of a counter box.
constexpr DataColumn kColumns[] = {
    {"HI", 1}, // Molècules HI
    {"H2", 2}, // Molècules hidrogen
    {"I2", 3}, // Molècules iode
};

// Between the atom centres of its molecule, twips.
float bondLength(float diam) {
    const double d = diam;
    return static_cast<float>(d * 0.37 + d * 1.33);
}

void legend(Legend& l, const LegendInput& in) {
    GasLegend(l, in, kIodinePicture, kHydrogenPicture);
}

void event(TickContext& t, int i) {
    ReaccioHI(t.s, t.rnd, t.hooks, i);
}

} // namespace

constexpr ReactionDescription kHI{
    .key = "HI",
    .menuCaption = TX("reactions", "Descomposició del iodur d'hidrogen"),
    .help = {TX("reactions", "Iodur d'hidrogen"),
             TX("reactions", "En estat gasós es descompon en hidrogen i iode, també gasosos.")},
    .texts = TextsHI,
    .pictures = {&kDecompositionPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
    .bondLength = bondLength,
    .afterBondLength = nullptr,
    .mechanismSide = 12,
    .mechanismBox = {-0.25, 2},
    .populate = PoblacioHI,
    .legend = legend,
    .event = event,
    .collisions = CollisionKind::Molecules,
    .tick = {"HI", {TickHI, MovesHI, MarginsHI}, {nullptr, ContinueHI}, BalanceHI},
};

} // namespace tarvon
