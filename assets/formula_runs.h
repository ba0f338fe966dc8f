#pragma once

#include <QString>

#include <vector>

namespace assets {

enum class RunKind { Normal, Subscript, Arrow };

struct FormulaRun {
    QString text;
    RunKind kind;

    bool operator==(const FormulaRun&) const = default;
};

// Splits a chemical text into what is written normally, what is lowered and the reaction
// arrow. Digits right after a letter or a closing bracket are subscripts (O2, NH3) while a
// leading coefficient stays normal (2 Fe); "_x" lowers the one character x (E_a); "→" is
// the arrow.
std::vector<FormulaRun> formulaRuns(const QString& text);

} // namespace assets
