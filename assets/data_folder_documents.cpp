#include "assets/data_folder_documents.h"

namespace assets {

const std::vector<DocumentRecipe>& dataFolderDocuments() {
    static const std::vector<DocumentRecipe> documents{
        {"T_Tarvon.pdf", "T_Tarvon.html", DocumentKind::Pdf},
        {"P_Tarvon.pdf", "P_Tarvon.html", DocumentKind::Pdf},
        {"G_Tarvon.pdf", "G_Tarvon.html", DocumentKind::Pdf},
        {"T_Tarvon_presentacio.pdf", "T_Tarvon_presentacio.html", DocumentKind::Slides},
        {"InformExemTarvon.odt", "InformExemTarvon.html", DocumentKind::Odt},
        {"InformFitxa.odt", "InformFitxa.html", DocumentKind::Odt, true},
        {"Dades.txt", "Dades.txt", DocumentKind::Text},
    };
    return documents;
}

} // namespace assets
