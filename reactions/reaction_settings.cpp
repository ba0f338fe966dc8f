#include "reactions/reaction_settings.h"

namespace tarvon {

namespace {

// Products are taken in double and stored in single precision, as the
// settings keep them.
float Single(double v) {
    return static_cast<float>(v);
}

void SetDiameterFactor(SimulationState& s, float DiamBase, float factor) {
    s.FactorDiam = factor;
    s.Diam = Single(static_cast<double>(DiamBase) * factor);
    RecalculaDistEnllac(s);
}

} // namespace

void RecalculaDistEnllac(SimulationState& s) {
    const ReactionDescription* r = s.Reaccio;
    if (r == nullptr)
        return;
    s.DistEnllac = r->bondLength(s.Diam);
    if (r->afterBondLength != nullptr)
        r->afterBondLength(s);
}

void ChooseReaction(SimulationState& s, const ReactionDescription& r, float DiamBase) {
    UseReaction(s, &r);
    s.Diam = DiamBase;
    s.FactorDiam = 1.0f;
    s.DistEnllac = r.bondLength(DiamBase);
}

void EinesDiamPre(SimulationState& s, float DiamBase) {
    SetDiameterFactor(s, DiamBase, 1.0f);
}

void EinesDiam15(SimulationState& s, float DiamBase) {
    SetDiameterFactor(s, DiamBase, 1.5f);
}

void EinesDiamAfAu(SimulationState& s, float DiamBase) {
    if (Single(DiamBase * 1.52) > s.Diam)
        s.Diam = Single(s.Diam * 1.01);
    RecalculaDistEnllac(s);
}

void EinesDiamAfDi(SimulationState& s, float DiamBase) {
    if (Single(DiamBase * 0.96) < s.Diam)
        s.Diam = Single(s.Diam * 0.99);
    RecalculaDistEnllac(s);
}

void DiamMecanisme(SimulationState& s, float DiamBase) {
    SetDiameterFactor(s, DiamBase, 4.0f);
}

} // namespace tarvon
