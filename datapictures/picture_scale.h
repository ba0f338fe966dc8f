#pragma once

#include <string>

namespace tarvon {

// How much larger than its file a data-folder picture is shown at screen
// factor `factor`. At the factors of the screen classes a picture is shown at
// its file's size, as it was made (1); between and beyond them it grows and
// shrinks with the factor from the nearest class below (the smallest class
// for screens under it). Variants made for one class ("...800.jpg" for the
// narrow one, "...1152.jpg" for the wide one) are measured from that class.
double PictureScale(const std::string& name, double factor);

} // namespace tarvon
