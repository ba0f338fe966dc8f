#pragma once

#include "texts/language.h"

#include <string>

namespace tarvon {

// Copies the ODF text document `origen` to `desti` with `text` inserted at the
// start of its first line. False on any error (desti removed then), with its
// cause in `reason` when given, in the words of `lang`.
bool CopiarFitxaAmbText(const std::string& origen, const std::string& desti,
                        const std::string& text, const Language& lang,
                        std::string* reason = nullptr);

} // namespace tarvon
