#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace assets {

// The two pictures the main window centres side by side above the box: the kind of
// reaction as a heading, then its balanced equation. Both share one height and one baseline,
// and are as wide as their text plus a margin that keeps them apart.
QSize reactionKindSize(const QString& kind);
void paintReactionKindPicture(QImage& image, const QString& kind);

// `equation` as formulaRuns() reads it: "2 Fe(s) + O2(g) → 2 FeO(s)".
QSize equationSize(const QString& equation);
void paintEquationPicture(QImage& image, const QString& equation);

} // namespace assets
