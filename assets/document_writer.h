#pragma once

#include "assets/document_recipe.h"

#include <QStringList>

#include <vector>

namespace assets {

// The seeded runs of the model the sources quote, in the sources folder.
inline const QString kRunsFile = QStringLiteral("runs.txt");

// Writes every document from its source in `sourceFolder` into `folder`. Returns one message
// per document that could not be read, laid out or written, or that names a value or figure
// the runs did not give; empty when all were.
QStringList writeDocuments(const std::vector<DocumentRecipe>& documents,
                           const QString& sourceFolder, const QString& folder);

} // namespace assets
