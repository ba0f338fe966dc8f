#pragma once

#include "window/document_writers.h"

namespace tarvon {

// The workbook and report-form writers of this library.
class FileWriters : public DocumentWriters {
public:
    bool workbook(const std::string& path, const DataRows& taula, const std::string& Reaccio,
                  std::string& reason) override;
    bool reportForm(const std::string& origen, const std::string& desti, const std::string& text,
                    std::string& reason) override;
};

} // namespace tarvon
