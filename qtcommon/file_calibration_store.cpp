#include "qtcommon/file_calibration_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvon {

namespace {
// The file is two short lines; anything much longer is not one of ours.
constexpr qint64 kMostBytesRead = 4096;
} // namespace

std::optional<std::string> FileCalibrationStore::read() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(kMostBytesRead).toStdString();
}

std::optional<std::string> FileCalibrationStore::write(const std::string& bytes) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return QString("No s'ha pogut crear la carpeta %1").arg(folder).toStdString();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

CalibrationStore::RemoveResult FileCalibrationStore::remove() {
    QFile file(path_);
    if (!QFileInfo(path_).isSymLink() && !file.exists())
        return {Removal::NotThere, {}};
    if (!file.remove())
        return {Removal::Failed, file.errorString().toStdString()};
    return {Removal::Deleted, {}};
}

} // namespace tarvon
