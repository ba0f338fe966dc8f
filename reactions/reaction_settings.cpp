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

std::optional<float> DistEnllacFor(Reaction r, float diam) {
    const double d = diam;
    switch (r) {
    case Reaction::FeO:
        return Single(2 * d * 0.74);
    case Reaction::NH3:
        return Single(d * 0.74 + d * 0.37);
    case Reaction::HI:
        return Single(d * 0.37 + d * 1.33);
    case Reaction::HgO:
        return Single(d * 1.4);
    case Reaction::None:
        break;
    }
    return std::nullopt;
}

void RecalculaDistEnllac(SimulationState& s) {
    const Reaction r = ReactionOf(s);
    const std::optional<float> dist = DistEnllacFor(r, s.Diam);
    if (!dist)
        return;
    s.DistEnllac = *dist;
    if (r == Reaction::FeO)
        s.RadiA[0] = s.DistEnllac / 4;
}

void ChooseReaction(SimulationState& s, const ReactionDescription& r, float DiamBase) {
    s.Reaccio = &r;
    s.Diam = DiamBase;
    s.FactorDiam = 1.0f;
    if (const std::optional<float> dist = DistEnllacFor(r.id, DiamBase))
        s.DistEnllac = *dist;
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

int CostatNPMecanisme(Reaction r) {
    switch (r) {
    case Reaction::FeO:
        return 8;
    case Reaction::NH3:
        return 14;
    case Reaction::HI:
        return 12;
    case Reaction::HgO:
        return 3;
    case Reaction::None:
        break;
    }
    return 9;
}

} // namespace tarvon
