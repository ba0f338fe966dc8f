#include "assets/formula_runs.h"

namespace assets {

namespace {

constexpr char16_t kArrow = u'→';

void append(std::vector<FormulaRun>& runs, QChar c, RunKind kind) {
    if (runs.empty() || runs.back().kind != kind || kind == RunKind::Arrow)
        runs.push_back({QString(), kind});
    runs.back().text += c;
}

bool startsSubscript(QChar previous) {
    return previous.isLetter() || previous == u')';
}

} // namespace

std::vector<FormulaRun> formulaRuns(const QString& text) {
    std::vector<FormulaRun> runs;
    QChar previous;
    RunKind previousKind = RunKind::Normal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        RunKind kind = RunKind::Normal;
        if (c == kArrow) {
            kind = RunKind::Arrow;
        } else if (c == u'_' && i + 1 < text.size()) {
            c = text[++i];
            kind = RunKind::Subscript;
        } else if (c.isDigit() && (startsSubscript(previous) ||
                                   (previous.isDigit() && previousKind == RunKind::Subscript))) {
            kind = RunKind::Subscript;
        }
        append(runs, c, kind);
        previous = c;
        previousKind = kind;
    }
    return runs;
}

} // namespace assets
