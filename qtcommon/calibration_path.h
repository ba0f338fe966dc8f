#pragma once

#include <QString>

namespace tarvon {

// The calibration file both programs know: one per user, in the user's cache
// folder (~/.cache/Optim_boles.txt on Linux), never in a folder other users
// can write to.
QString CalibrationFilePath();

} // namespace tarvon
