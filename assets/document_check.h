#pragma once

#include "texts/language.h"

#include <set>
#include <string>
#include <vector>

namespace assets {

// What a translated source must share with its Catalan one: the same {{...}} values and
// claims, the same figures and the same number of slides. One message per difference.
std::vector<std::string> CounterpartProblems(const std::string& catalan,
                                             const std::string& translated);

// Every menu path a document may cite in one language: the captions of the window's menu tree
// in `words`, without the access key and the dots or ditto marks the menu lays them out with,
// joined by " › ", from any item down to one of its descendants.
std::set<std::string> MenuPaths(const tarvon::Language& words);

// A menu reference is <span class="menu">A › B</span> naming one of `paths`; a " › " outside
// such a span is a reference left unmarked. One message per fault.
std::vector<std::string> MenuReferenceProblems(const std::string& source,
                                               const std::set<std::string>& paths);

// The report form's first paragraph is its title alone after " — ": Tarvon writes "Tarvon"
// in front of it in the user's copy. Empty when it is.
std::string FormTitleProblem(const std::string& source);

} // namespace assets
