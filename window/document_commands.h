#pragma once

#include "window/document_services.h"

#include <string>

namespace tarvon {

struct TarvonModel;

inline constexpr TextKey kProcesFallat = TX("window", "El procés requerit ha fallat");

// Every new file of the documents folder is told in a notice: these words,
// its path as %1.
inline constexpr TextKey kDesatA = TX("window", "Desat a: %1");

// ArxiuText: the data table on the clipboard; the session's notes file is
// opened for the user to paste it. The first use makes it in the documents
// folder from the data folder's Dades.txt, never over an existing file.
// Documents are read, and copies named, in the language of `s` (see
// document_names.h).
void ArxiuText(const TarvonModel& m, DocumentServices& s);

// ArxiuExcel: the table on the clipboard, then a new workbook with the table
// and its chart in the documents folder, opened.
void ArxiuExcel(const TarvonModel& m, DocumentServices& s);

// ArxiuInformExem: the example report, opened.
void ArxiuInformExem(DocumentServices& s);

// ArxiuInformFitxa: the title on the clipboard, then a new copy of the report
// form headed with it in the documents folder, opened.
void ArxiuInformFitxa(DocumentServices& s);

// FinPre, FinTeo, FinProp, FinGuia: a teaching document of the data folder,
// in the user's language where there is one, opened.
void ObrirDocument(DocumentServices& s, const std::string& name);

} // namespace tarvon
