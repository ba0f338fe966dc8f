#include "reactions/mechanism_continue.h"

#include "reactions/atom_colours.h"
#include "reactions/reaction_description.h"

namespace tarvon {

namespace {

// Runs on however the reaction's part ends.
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
    if (s.Reaccio != nullptr)
        s.Reaccio->tick.capture.resume(s);
}

void NormalBorder(AtomShape& shape) {
    shape.border = ColorsEspecie(6);
    shape.borderWidth = 1;
}

void Dress(AtomShape& shape, Rgb fill, float diameter) {
    shape.fill = fill;
    shape.width = diameter;
    shape.height = diameter;
    NormalBorder(shape);
    shape.visible = true;
}

} // namespace tarvon
