#pragma once

#include "assets/document_recipe.h"

#include <QStringList>

#include <vector>

namespace assets {

// Writes every document from its source in `sourceFolder` into `folder`. Returns one message
// per document that could not be read, laid out or written; empty when all were.
QStringList writeDocuments(const std::vector<DocumentRecipe>& documents, const QString& sourceFolder,
                           const QString& folder);

} // namespace assets
