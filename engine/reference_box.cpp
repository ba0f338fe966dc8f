#include "engine/reference_box.h"

#include <cmath>

namespace tarvon {

void SetReferenceBox(BoxGeometry& s) {
    s.CaixaX = 4168.8f;
    s.CaixaY = 6862.7952f;
    s.CaixaZ = s.CaixaX;
    s.DesplX = 625.32f;
    s.DesplY = 625.32f;
    s.Persp = std::sqrt(s.DesplX * s.DesplX + s.DesplY * s.DesplY);
    s.AnglePersp = std::atan(s.DesplY / s.DesplX);
    s.OrigenX = 562.94f;
    s.OrigenY = 194;
}

} // namespace tarvon
