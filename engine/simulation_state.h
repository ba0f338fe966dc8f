#pragma once

#include "engine/box_geometry.h"
#include "engine/caja_shapes.h"
#include "engine/capture_state.h"
#include "engine/legend.h"
#include "engine/particle_counters.h"
#include "engine/particle_lists.h"
#include "engine/reaction_state.h"

namespace tarvon {

struct ReactionDescription;
struct ReactionTick;

// The animation's timer; the window's timer follows it.
struct AnimationControls {
    bool tmrRellotgeEnabled = true;
    int tmrRellotgeInterval = 50; // ms
};

// The whole simulation: lists, box, shapes and scalars. One object, passed by
// reference; the window only paints it.
struct SimulationState : ParticleLists, BoxGeometry, SpeciesCounters, ReactionState {
    // The chosen reaction, looked up once from its key; none before the first choice.
    const ReactionDescription* Reaccio = nullptr;
    const ReactionTick* Regles = nullptr; // what the engine asks of Reaccio; set with it

    int NombreMol = 0; // slots in use
    int NumA = 0, NumB = 0;

    float FactorEnllac = 0.85f;
    float DistEnllac = 0;
    float Escala = 1.0f;
    float Diam = 150;
    float PasOxid = 0; // height step of the oxidised iron layer

    float RatioXoc = 0, DistXoc = 0; // last pair tested
    bool Rebot = false;

    double Ara = 0;        // seconds, monotonic, read at the start of a tick
    double TempsEvent = 0; // last timed "HgO" release
    float IntervalEvent = 0.5f;

    CaptureState meca;
    AnimationControls controls;
    CajaShapes caja;
    Legend llegenda; // shown under the box
};

} // namespace tarvon
