#include "startup/calibration_text.h"

#include "startup/number_text.h"

namespace tarvon {

std::string CalibrationText(float TempsPas, int ballCount) {
    return NumberText(TempsPas) + "\r\n" + NumberText(static_cast<float>(ballCount)) + "\r\n";
}

} // namespace tarvon
