#include "tools/sim_run.h"

#include "engine/animation_step.h"
#include "layout/mida_caixa.h"
#include "reactions/buidar_sistema.h"
#include "reactions/crea_poblacio.h"
#include "reactions/mechanism_continue.h"
#include "reactions/reaction_rules.h"
#include "reactions/reaction_settings.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>

namespace tarvon {

namespace {
constexpr float kDiamBase = 150; // twips, on the reference screen
// Any clock reading will do; a start away from 0 keeps the rules honest.
constexpr double kClockStart = 1000;
} // namespace

// The reaction rules plus the interval rows the window takes at a tick's start.
class SimRun::Hooks : public ReactionRules {
public:
    Hooks(Clock& clock, UniformRandom& rnd, DataTaking& data, char separator)
        : ReactionRules(clock, rnd), data_(data), separator_(separator) {}
    void rowRule(SimulationState& s) override { PrendreFilaInterval(data_, s); }

private:
    DataTaking& data_;
    char separator_;
};

SimRun::SimRun(const SimOptions& options, std::uint64_t seed, char decimalSeparator)
    : options_(options), decimalSeparator_(decimalSeparator),
      state_(std::make_unique<SimulationState>()), clock_(kClockStart), seed_(seed) {
    hooks_ = std::make_unique<Hooks>(clock_, rnd_, data_, decimalSeparator_);
    choose();
    build(seed);
    IniciarDades(data_, *state_, clock_.now());
    data_.Taula.settings = {options_.reaction->key, state_->NombreP,      options_.diameter,
                            options_.tickMs,        options_.fixedVolume, 0};
    data_.Interval = options_.interval;
    ticksInDuration_ = std::lround(options_.duration * 1000.0 / options_.tickMs);
}

SimRun::~SimRun() = default;

// The reaction command and the diameter setting.
void SimRun::choose() {
    SimulationState& s = *state_;
    s.NombreP = options_.particles;
    ChooseReaction(s, *options_.reaction, kDiamBase);
    if (options_.diameter == 1.5f)
        EinesDiam15(s, kDiamBase);
}

// The rebuild: clearing, box sizing, population.
void SimRun::build(std::uint64_t seed) {
    SimulationState& s = *state_;
    BuidarSistema(s);
    MidaCaixaInputs in;
    in.CostatNP = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(s.NombreP))));
    in.Escala = s.Escala;
    in.DistEnllac = s.DistEnllac;
    in.FactorDiam = s.FactorDiam;
    in.MecaDemanat = s.meca.MecaDemanat;
    // The particle number stands for the budget: "Augmentar" reaches side 15 from it.
    in.VolumConstant = options_.fixedVolume;
    in.CostatVolum = CostatMaximNP(options_.particles);
    in.mechanismBox = s.Reaccio->mechanismBox;
    ApplyBoxGeometry(MidaCaixa(in), s);
    Crea_Poblacio(s, rnd_, seed);
    s.controls.tmrRellotgeInterval = options_.tickMs;
}

void SimRun::enterMechanism() {
    SimulationState& s = *state_;
    s.meca.MecaDemanat = true;
    DiamMecanisme(s, kDiamBase);
    s.meca.IdxMeca.fill(10000);
    const int side = s.Reaccio->mechanismSide;
    s.NombreP = side * side;
    build(seed_ + 1);
}

bool SimRun::tick() {
    // A capture on show is continued at once, as by a user pressing "Continuar"
    // before the next tick.
    const bool resumed = state_->controls.tmrRellotgeEnabled || continueCapture();
    clock_.advance(options_.tickMs / 1000.0);
    AnimationStep step(*state_, clock_, rnd_, *hooks_);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = step.guardedTick(&tickError_) && resumed;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ++times_.ticks;
    times_.totalMs += took.count();
    times_.maxMs = std::max(times_.maxMs, took.count());
    return ok;
}

bool SimRun::continueCapture() {
    try {
        Continuar(*state_);
        ++continued_;
        return true;
    } catch (const std::exception&) {
        return false; // the animation runs on all the same
    }
}

void SimRun::run() {
    for (long k = 0; k < ticksInDuration_; ++k)
        tick();
}

} // namespace tarvon
