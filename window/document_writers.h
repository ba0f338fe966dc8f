#pragma once

#include "window/data_table.h"

#include <string>

namespace tarvon {

// The file formats documents are written in: a workbook of the data table and
// the user's copy of the report form. False on any error, nothing left behind,
// and `reason` says why (the system's words where it gave any).
class DocumentWriters {
public:
    virtual ~DocumentWriters() = default;
    virtual bool workbook(const std::string& path, const DataRows& taula,
                          const std::string& Reaccio, std::string& reason) = 0;
    virtual bool reportForm(const std::string& origen, const std::string& desti,
                            const std::string& text, std::string& reason) = 0;
};

} // namespace tarvon
