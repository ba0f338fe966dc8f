#pragma once

#include "platform/calibration_store.h"

#include <QString>

namespace tarvon {

// The calibration file on disk. Writing goes through a temporary file that
// replaces the old one in one rename, so a reader never sees half a file.
class FileCalibrationStore final : public CalibrationStore {
public:
    explicit FileCalibrationStore(QString path) : path_(std::move(path)) {}

    std::optional<std::string> read() override;
    std::optional<std::string> write(const std::string& bytes) override;
    RemoveResult remove() override;

    const QString& path() const { return path_; }

private:
    QString path_;
};

} // namespace tarvon
