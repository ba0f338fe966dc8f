#pragma once

#include "engine/caja_canvas.h"
#include "engine/rgb.h"

namespace tarvon {

// The picture box Caja as the window's commands use it: a persistent picture
// with a back colour.
class CajaPicture : public CajaCanvas {
public:
    // Like a picture box, a new back colour erases what was drawn.
    virtual void setBackColour(Rgb colour) = 0;
    virtual void clear() = 0;
    // Moves and sizes the picture box, twips; the picture follows its size.
    virtual void place(float left, float top, float width, float height) = 0;
};

} // namespace tarvon
