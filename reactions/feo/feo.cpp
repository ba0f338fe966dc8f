#include "reactions/feo/feo.h"

#include "reactions/feo/feo_parts.h"
#include "reactions/feo/reaccio_feo.h"

namespace tarvon {

namespace {

constexpr PictureData kPictures[] = {
    {"RT_FeO.bmp", PictureKind::Equation, "2 Fe(s) + O2(g) → 2 FeO(s)"},
    {"RI_43.bmp", PictureKind::Element, "Fe"},
};
constexpr const PictureData& kEquation = kPictures[0];
constexpr const PictureData& kIronPicture = kPictures[1];

constexpr CounterBox kCounters[] = {
    {TX("reactions", "Molèc. oxigen inicials:"),
     [](const SimulationState& s) { return s.NombreMol; }},
    {TX("reactions", "Molèc. oxigen presents:"), [](const SimulationState& s) { return s.nO2; }},
    {TX("reactions", "Òxid ferrós(FeO) format:"), [](const SimulationState& s) { return s.nFeO; }},
};

// Each column the count of a counter box.
constexpr DataColumn kColumns[] = {
    {"O2", 1}, // Molèc. oxigen presents
};

// Between the atom centres of its molecule, twips.
float bondLength(float diam) {
    const double d = diam;
    return static_cast<float>(2 * d * 0.74);
}

// The oxygen atom's radius is a quarter of the O2 bond.
void oxygenRadius(SimulationState& s) {
    s.RadiA[0] = s.DistEnllac / 4;
}

void legend(Legend& l, const LegendInput& in) {
    OxideLegend(l, in, 1.16f, 0.83f, kIronPicture);
}

// Slot i has reached the iron surface.
void event(TickContext& t, int i) {
    ReaccioFeO(t.s, i);
}

} // namespace

constexpr ReactionDescription kFeO{
    .key = "FeO",
    .menuCaption = TX("reactions", "Síntesi de l'òxid de ferro(II)"),
    .help = {TX("reactions", "Òxid de ferro(II)"),
             TX("reactions",
                "L'oxigen gasós reacciona amb els àtoms de la superfície del ferro i es forma "
                "òxid de ferro(II).")},
    .texts = TextsFeO,
    .pictures = {&kSynthesisPicture, &kEquation, kPictures},
    .counters = kCounters,
    .columns = kColumns,
    .bondLength = bondLength,
    .afterBondLength = oxygenRadius,
    .mechanismSide = 8,
    .mechanismBox = {-0.58, 2},
    .populate = PoblacioFeO,
    .legend = legend,
    .event = event,
    .collisions = CollisionKind::Surface,
    .tick = {"FeO", {TickFeO, MovesFeO, MarginsFeO}, {ShowCaptureFeO, ContinueFeO}, BalanceFeO},
};

} // namespace tarvon
