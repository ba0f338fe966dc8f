#include "assets/document_writer.h"

#include "assets/document_error.h"
#include "assets/document_source.h"
#include "assets/odt_document.h"
#include "assets/paged_pdf.h"
#include "assets/slide_deck.h"

#include <QDir>
#include <QFile>

namespace assets {

namespace {

// Notepad and its kin want CR LF; the source keeps whatever its editor wrote.
// The byte-order mark tells editors the text is UTF-8: without it a word
// processor may read the accents in the locale's old code page.
void writeText(const QString& source, const QString& path) {
    QString text = source;
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF" + text.toUtf8()) < 0)
        throw DocumentError(("cannot write " + path + ": " + file.errorString()).toStdString());
}

void writeDocument(const DocumentRecipe& recipe, const QString& raw, const QString& path,
                   const DocumentValues& values) {
    const QString source = QString::fromStdString(SubstituteValues(raw.toStdString(), values));
    switch (recipe.kind) {
    case DocumentKind::Pdf:
        writePagedPdf(source, path, figuresFor(source, values));
        break;
    case DocumentKind::Slides:
        writeSlides(source, path, figuresFor(source, values));
        break;
    case DocumentKind::Odt:
        writeOdt(source, path, figuresFor(source, values));
        break;
    case DocumentKind::Text:
        writeText(source, path);
        break;
    }
}

// The seeded runs the documents quote, run once for all of them.
std::vector<DocumentRun> modelRuns(const QString& sourceFolder) {
    const QString path = QDir(sourceFolder).filePath(kRunsFile);
    if (!QFile::exists(path))
        return {};
    std::vector<DocumentRun> runs = ParseRunsFile(readSource(path).toStdString());
    for (DocumentRun& run : runs)
        RunModel(run);
    return runs;
}

} // namespace

QStringList writeDocuments(const std::vector<DocumentRecipe>& documents,
                           const QString& sourceFolder, const QString& folder) {
    QStringList errors;
    std::vector<DocumentRun> runs;
    try {
        runs = modelRuns(sourceFolder);
    } catch (const DocumentError& e) {
        errors << kRunsFile + ": " + QString::fromStdString(e.what());
    }
    const DocumentValues values(std::move(runs));
    for (const DocumentRecipe& recipe : documents) {
        const QString path = QDir(folder).filePath(recipe.fileName);
        try {
            writeDocument(recipe, readSource(QDir(sourceFolder).filePath(recipe.source)), path,
                          values);
        } catch (const DocumentError& e) {
            // Half a document must not pass for a whole one at the next build.
            QFile::remove(path);
            errors << recipe.fileName + ": " + QString::fromStdString(e.what());
        }
    }
    return errors;
}

} // namespace assets
