#pragma once

#include "texts/language.h"
#include "window/document_writers.h"

namespace tarvon {

// The workbook and report-form writers of this library; what they write and
// why they failed in the words of `lang`.
class FileWriters : public DocumentWriters {
public:
    explicit FileWriters(const Language& lang = Catala()) : lang_(lang) {}
    bool workbook(const std::string& path, const DataRows& taula, const std::string& Reaccio,
                  std::string& reason) override;
    bool reportForm(const std::string& origen, const std::string& desti, const std::string& text,
                    std::string& reason) override;

private:
    const Language& lang_;
};

} // namespace tarvon
