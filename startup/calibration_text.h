#pragma once

#include <string>

namespace tarvon {

// The calibration file's bytes: the time budget per step, then the ball count,
// each on its own line ended by CR LF. For 0.07 and 150 that is the 12 bytes
// " .07\r\n 150\r\n".
std::string CalibrationText(float TempsPas, int ballCount);

} // namespace tarvon
