#include "qtcommon/calibration_path.h"

#include <QStandardPaths>

namespace tarvon {

QString CalibrationFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           "/Optim_boles.txt";
}

} // namespace tarvon
