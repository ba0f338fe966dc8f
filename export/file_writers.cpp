#include "export/file_writers.h"

#include "export/report_form.h"
#include "export/workbook_export.h"

namespace tarvon {

bool FileWriters::workbook(const std::string& path, const DataRows& taula,
                           const std::string& Reaccio, std::string& reason) {
    return EscriureLlibreDades(path, taula, Reaccio, lang_, &reason);
}

bool FileWriters::reportForm(const std::string& origen, const std::string& desti,
                             const std::string& text, std::string& reason) {
    return CopiarFitxaAmbText(origen, desti, text, lang_, &reason);
}

} // namespace tarvon
