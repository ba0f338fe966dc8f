#include "reactions/mechanism_continue.h"

#include "reactions/atom_colours.h"
#include "reactions/feo/ordena_capes.h"
#include "reactions/reaction_description.h"

namespace tarvon {

namespace {

struct Centre {
    double x, y;
};

Centre centreOf(const CapturedShape& photo) {
    return {photo.left + photo.width / 2.0, photo.top + photo.height / 2.0};
}

void normalBorder(AtomShape& shape) {
    shape.border = ColorsEspecie(6);
    shape.borderWidth = 1;
}

void dress(AtomShape& shape, Rgb fill, float diameter) {
    shape.fill = fill;
    shape.width = diameter;
    shape.height = diameter;
    normalBorder(shape);
    shape.visible = true;
}

void centreAt(AtomShape& shape, Centre c) {
    shape.left = static_cast<float>(c.x - shape.width / 2.0);
    shape.top = static_cast<float>(c.y - shape.height / 2.0);
}

// The flags are cleared before the group is touched: a group that cannot be
// shown must not fail again at every later press.

// Two iron ions and two oxide ions where the oxidised layer keeps them, then
// the layer restacked whether or not a capture was on show.
void continueFeO(SimulationState& s) {
    if (s.meca.MecaCapturat) {
        s.meca.MecaCapturat = false;
        for (int n : {0, 1}) {
            const long c = s.meca.IdxMeca[n];
            s.caja.AtomB.move(c, s.PantBX[c], s.PantBY[c]);
            dress(s.caja.AtomB[c], ColorsEspecie(1), 0.83f * s.Diam);
        }
        for (int n : {2, 3}) {
            const long o = s.meca.IdxMeca[n];
            s.caja.AtomA.move(o, s.PantAX[o], s.PantAY[o]);
            dress(s.caja.AtomA[o], ColorsEspecie(4), 1.4f * s.Diam);
        }
    }
    Ordena_Capes(s);
}

// The captured atoms lose their highlight; the two ammonia molecules formed
// are shown whole.
void continueNH3(SimulationState& s) {
    if (!s.meca.MecaMostrat)
        return;
    s.meca.MecaMostrat = false;
    for (int a = 0; a <= s.NumA - 1; ++a)
        normalBorder(s.caja.AtomA[a]);
    for (int b = 0; b <= s.NumB - 1; ++b)
        normalBorder(s.caja.AtomB[b]);
    for (int n : {0, 1}) {
        const long row = s.meca.IdxMeca[n];
        s.caja.AtomA[s.TaulaMol(row, 1)].visible = true;
        for (int c = 2; c <= 4; ++c)
            s.caja.AtomB[s.TaulaMol(row, c)].visible = true;
    }
}

// The H2 and I2 just formed, without their highlight.
void continueHI(SimulationState& s) {
    if (!s.meca.MecaMostrat)
        return;
    s.meca.MecaMostrat = false;
    for (int n : {0, 1}) {
        const long i = s.meca.IdxMeca[n];
        for (AtomShape* shape : {&s.caja.AtomA[i], &s.caja.AtomB[i]}) {
            normalBorder(*shape);
            shape->visible = true;
        }
    }
}

// The released pair as atoms: the O2 side by side over where its two oxide
// ions were, in front, and each mercury atom where its ion was.
void continueHgO(SimulationState& s) {
    if (!s.meca.MecaCapturat)
        return;
    s.meca.MecaCapturat = false;
    const CaptureState& m = s.meca;
    const float dO = 0.74f * s.Diam;
    const Centre a = centreOf(m.FotoMeca[0]), b = centreOf(m.FotoMeca[1]);
    const Centre mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    for (int n : {0, 1}) {
        const long k = m.IdxMeca[n];
        AtomShape& oxygen = s.caja.AtomA[k];
        dress(oxygen, ColorsEspecie(5), dO);
        centreAt(oxygen, {mid.x + (n == 0 ? -dO / 2.0 : dO / 2.0), mid.y});
        s.caja.AtomA.bringToFront(k);
    }
    for (int n : {2, 3}) {
        AtomShape& mercury = s.caja.AtomB[m.IdxMeca[n]];
        dress(mercury, kMetalFill, 1.44f * s.Diam);
        centreAt(mercury, centreOf(m.FotoMeca[n]));
    }
}

// Runs on however the branch ends.
class RestartAnimation {
public:
    explicit RestartAnimation(SimulationState& s) : s_(s) {}
    ~RestartAnimation() {
        s_.controls.tmrRellotgeEnabled = true;
        s_.meca.CapturaEnPantalla = false;
    }
    RestartAnimation(const RestartAnimation&) = delete;
    RestartAnimation& operator=(const RestartAnimation&) = delete;

private:
    SimulationState& s_;
};

} // namespace

void Continuar(SimulationState& s) {
    const RestartAnimation restart(s);
    switch (ReactionOf(s)) {
    case Reaction::FeO:
        continueFeO(s);
        break;
    case Reaction::NH3:
        continueNH3(s);
        break;
    case Reaction::HI:
        continueHI(s);
        break;
    case Reaction::HgO:
        continueHgO(s);
        break;
    case Reaction::None:
        break;
    }
}

} // namespace tarvon
