#pragma once

#include "assets/document_editions.h"
#include "assets/document_recipe.h"

#include <QStringList>

#include <vector>

namespace assets {

// The seeded runs of the model the sources quote, in the sources folder; one file for every
// language, so that all quote the same numbers.
inline const QString kRunsFile = QStringLiteral("runs.txt");

// Writes every document of every edition from its source in `sourceFolder` (or its edition's
// subfolder) into `folder` (or the same subfolder). Before writing, each source is checked: a
// translation must exist and quote the same values, figures and slides as the Catalan, and
// every menu it names must be <span class="menu">A › B</span> with the captions the program
// shows in that language. Returns one message per source with a fault, or that could not be
// read, laid out or written, or that names a value or figure the runs did not give; empty when
// all were written.
QStringList writeDocuments(const std::vector<DocumentRecipe>& documents,
                           const QString& sourceFolder, const QString& folder,
                           const std::vector<DocumentEdition>& editions = documentEditions());

} // namespace assets
