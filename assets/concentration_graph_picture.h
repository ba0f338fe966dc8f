#pragma once

#include <QImage>

namespace assets {

// Counts against time in a decomposition 2 HI → H2 + I2: the reactant falls fast at first and
// then more and more slowly, the two products rise together. The drawing scales with the image.
void paintConcentrationGraph(QImage& image);

} // namespace assets
