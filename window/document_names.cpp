#include "window/document_names.h"

#include <system_error>

namespace tarvon {

NomsCopies NomsCopiesDe(Idioma idioma) {
    switch (idioma) {
    case Idioma::Castella:
        return {"Datos Tarvon", "Informe Tarvon", "DatosCine"};
    case Idioma::Angles:
        return {"Tarvon data", "Tarvon report", "KineticsData"};
    case Idioma::Catala:
        break;
    }
    return {"Dades Tarvon", "InformFitxaTarvon", "DadesCine"};
}

std::filesystem::path DocumentEnIdioma(const std::filesystem::path& dataFolder, Idioma idioma,
                                       const std::string& name) {
    const std::filesystem::path catalan = dataFolder / name;
    if (idioma == Idioma::Catala)
        return catalan;
    const std::filesystem::path own = dataFolder / CodiIdioma(idioma) / name;
    std::error_code ignored;
    return std::filesystem::is_regular_file(own, ignored) ? own : catalan;
}

} // namespace tarvon
