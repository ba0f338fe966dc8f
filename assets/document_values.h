#pragma once

#include "assets/document_runs.h"
#include "texts/language.h"

#include <string>
#include <vector>

namespace assets {

// The language a document is written in: its words, and the decimal separator its numbers use.
struct DocumentLanguage {
    const tarvon::Language* words;
    char decimal;
};

// Catalan, the sources' own language, with the decimal comma.
DocumentLanguage CatalanDocuments();

// The values the document sources name in {{...}}, computed from the runs.
// Every lookup of something not computed throws DocumentError.
class DocumentValues {
public:
    explicit DocumentValues(std::vector<DocumentRun> runs);

    // The text that replaces {{expression}}. "{{? A > B}}" (or <) is a claim
    // the prose around it makes: it writes nothing, and throws when it does
    // not hold, so the text cannot outlive the numbers it describes.
    std::string text(const std::string& expression,
                     const DocumentLanguage& language = CatalanDocuments()) const;

    const DocumentRun& run(const std::string& name) const;
    // The run and the column of "RUN.SP".
    std::pair<const DocumentRun*, std::size_t> series(const std::string& runDotSpecies) const;

private:
    struct Value {
        Value(double n, bool isR2 = false) : number(n), r2(isR2) {}
        Value(std::string t) : text(std::move(t)) {}
        double number = 0;
        std::string text; // set for values that are text only
        bool r2 = false;
    };
    Value value(const std::string& name, const DocumentLanguage& language) const;
    double number(const std::string& expression) const;
    void checkClaim(const std::string& claim) const;
    Value setting(const DocumentRun& run, const std::string& key,
                  const DocumentLanguage& language) const;
    Value speciesValue(const DocumentRun& run, std::size_t column, const std::string& key) const;

    std::vector<DocumentRun> runs_;
};

// Numbers as the documents print them, with the language's decimal separator: integers whole,
// R² with three decimals, anything else with three significant digits.
std::string FormatDocumentNumber(double value, bool r2 = false, char decimal = ',');

// Replaces every {{expression}} of a source. Throws DocumentError naming every
// expression that could not be computed.
std::string SubstituteValues(const std::string& source, const DocumentValues& values,
                             const DocumentLanguage& language = CatalanDocuments());

} // namespace assets
