#include "qtcommon/file_calibration_store.h"

#include "qtcommon/qt_language.h"
#include "startup/plain_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvon {

namespace {
// The file is two short lines; anything much longer is not one of ours.
constexpr std::size_t kMostBytesRead = 4096;

// A FIFO, a device or a folder at the path is not ours to replace or delete.
std::string notAFile(const TextKey& message, const QString& path) {
    return Tx(message).arg(path).toStdString();
}
} // namespace

std::optional<std::string> FileCalibrationStore::read() {
    return ReadPlainFile(QFile::encodeName(path_).toStdString(), kMostBytesRead);
}

std::optional<std::string> FileCalibrationStore::write(const std::string& bytes) {
    if (KindOf(QFile::encodeName(path_).toStdString()) == PathKind::Other)
        return notAFile(TX("qtcommon", "No es pot escriure %1: no és un fitxer ordinari"), path_);
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return Tx(TX("qtcommon", "No s'ha pogut crear la carpeta %1")).arg(folder).toStdString();
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
    // A link goes whatever it points to; what it points to stays.
    if (!QFileInfo(path_).isSymLink()) {
        const PathKind kind = KindOf(QFile::encodeName(path_).toStdString());
        if (kind == PathKind::Missing)
            return {Removal::NotThere, {}};
        if (kind == PathKind::Other)
            return {
                Removal::Failed,
                notAFile(TX("qtcommon", "No es pot esborrar %1: no és un fitxer ordinari"), path_)};
    }
    if (!file.remove())
        return {Removal::Failed, file.errorString().toStdString()};
    return {Removal::Deleted, {}};
}

} // namespace tarvon
