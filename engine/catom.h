#pragma once

#include "engine/rgb.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// Creates and dresses the atom shapes of the box. Frm is the simulation whose
// shape arrays and lists are changed.
class CAtom {
public:
    void Crea_AtomsA(SimulationState& Frm, int Num) const { crea(Frm.caja.AtomA, Num); }
    void Crea_AtomsB(SimulationState& Frm, int Num) const { crea(Frm.caja.AtomB, Num); }
    void Crea_AtomsC(SimulationState& Frm, int Num) const { crea(Frm.caja.AtomC, Num); }
    void Crea_AtomsD(SimulationState& Frm, int Num) const { crea(Frm.caja.AtomD, Num); }

    void Propietats_AtomsA(SimulationState& Frm, float Dia, int Num, Rgb fill, Rgb border) const {
        propietats(Frm.caja.AtomA, Frm.RadiA, kTagKindA, Dia, Num, fill, border);
    }
    void Propietats_AtomsB(SimulationState& Frm, float Dia, int Num, Rgb fill, Rgb border) const {
        propietats(Frm.caja.AtomB, Frm.RadiB, kTagKindB, Dia, Num, fill, border);
    }
    void Propietats_AtomsC(SimulationState& Frm, float Dia, int Num, Rgb fill, Rgb border) const {
        propietats(Frm.caja.AtomC, Frm.RadiC, kTagUnused, Dia, Num, fill, border);
    }
    void Propietats_AtomsD(SimulationState& Frm, float Dia, int Num, Rgb fill, Rgb border) const {
        propietats(Frm.caja.AtomD, Frm.RadiD, kTagUnused, Dia, Num, fill, border);
    }

    // Places Cercle(NB0 ... NB0 + Num - 1) at random in the box. IoCar does not
    // change what is shown.
    void Situacio_Atoms(SimulationState& Frm, UniformRandom& rnd, float Dia, float IoCar, int NB0,
                        int Num, float CX0, float CY0, Rgb fill, Rgb border) const;

    // Extends a shape array by Num shapes: on a fresh array (upper index 0)
    // indices 0 ... Num - 1, otherwise the Num indices after the upper one.
    static void crea(ShapeArray& shapes, int Num);

private:
    static void propietats(ShapeArray& shapes, FloatList& radii, char tag, float Dia, int Num,
                           Rgb fill, Rgb border);
};

} // namespace tarvon
