#pragma once
// The population of each reaction and the steps they share; Crea_Poblacio
// picks one. Each expects BuidarSistema to have run and the generator to be
// reseeded.

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

void PoblacioHI(SimulationState& s, UniformRandom& rnd);
void PoblacioNH3(SimulationState& s, UniformRandom& rnd);
void PoblacioFeO(SimulationState& s, UniformRandom& rnd);
void PoblacioHgO(SimulationState& s, UniformRandom& rnd);

// Puts the centre of slot i at random in the box, at least `margin` from every
// wall, on whole twips (the gas molecules of "HI" and "NH3").
void SituaCentre(SimulationState& s, UniformRandom& rnd, int i, float margin);

// "FeO": places the n x n iron atoms from the layer reference in s.capa, row
// by row in increasing depth, with scale sc and atom diameter d.
void Capa_Ferro(SimulationState& s, int n, float sc, float d);
// Sizes, places, raises and shows iron shape k.
void Situa_Bola(SimulationState& s, int k);

// "HgO": the first n pairs of Parells, shuffled into OrdreParells.
void Barreja_Parells(SimulationState& s, UniformRandom& rnd, int n);

} // namespace tarvon
