#include "reactions/hgo/hgo.h"

#include "reactions/hgo/hgo_parts.h"
#include "reactions/hgo/release_hgo.h"

namespace tarvon {

namespace {

constexpr PictureData kPictures[] = {
    {"RT_HgO.bmp", PictureKind::Equation, "2 HgO(s) → 2 Hg(g) + O2(g)"},
    {"RI_47.bmp", PictureKind::Element, "Hg"},
};
constexpr const PictureData& kEquation = kPictures[0];
constexpr const PictureData& kMercuryPicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {TX("reactions", "Òxid mercúric(HgO) inicial:"),
     [](const SimulationState& s) { return s.NumA; }},
    {TX("reactions", "Òxid mercúric(HgO) present:"),
     [](const SimulationState& s) { return s.NumA - s.nHg; }},
    {TX("reactions", "Molècules oxígen (gas):"), [](const SimulationState& s) { return s.nO2; }},
    {TX("reactions", "Àtoms mercuri (gas):"), [](const SimulationState& s) { return s.nHg; }},
};

// Each column the count of a counter box.
constexpr DataColumn kColumns[] = {
    {"Hg", 3}, // Àtoms mercuri (gas)
    {"O2", 2}, // Molècules oxígen (gas)
};

// Between the atom centres of its molecule, twips.
float bondLength(float diam) {
    const double d = diam;
    return static_cast<float>(d * 1.4);
}

void legend(Legend& l, const LegendInput& in) {
    OxideLegend(l, in, 1.44f, 1.1f, kMercuryPicture);
}

// The timed release of the next ion pair.
void event(TickContext& t, int) {
    ReleaseHgO(t.s, t.clock);
}

} // namespace

constexpr ReactionDescription kHgO{
    .key = "HgO",
    .menuCaption = TX("reactions", "Descomposició de l'òxid de mercuri(II)"),
    .help = {TX("reactions", "Òxid de mercuri(II)"),
             TX("reactions",
                "És un sòlid que es descompon en oxigen i mercuri, tots dos gasos, per sobre "
                "d'uns 400 °C.")},
    .texts = TextsHgO,
    .pictures = {&kDecompositionPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
    .bondLength = bondLength,
    .afterBondLength = nullptr,
    .mechanismSide = 3,
    .mechanismBox = {-0.552, 2},
    .populate = PoblacioHgO,
    .legend = legend,
    .event = event,
    .collisions = CollisionKind::None,
    .tick = {"HgO", {TickHgO, MovesHgO, MarginsHgO}, {ShowCaptureHgO, ContinueHgO}, BalanceHgO},
};

} // namespace tarvon
