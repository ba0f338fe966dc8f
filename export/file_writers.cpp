#include "export/file_writers.h"

#include "export/report_form.h"
#include "export/workbook_export.h"

namespace tarvon {

bool FileWriters::workbook(const std::string& path, const DataRows& taula,
                           const std::string& Reaccio) {
    return EscriureLlibreDades(path, taula, Reaccio);
}

bool FileWriters::reportForm(const std::string& origen, const std::string& desti,
                             const std::string& text) {
    return CopiarFitxaAmbText(origen, desti, text);
}

} // namespace tarvon
