#include "assets/document_writer.h"

#include "assets/document_check.h"
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
                   const DocumentValues& values, const DocumentLanguage& language) {
    const QString source =
        QString::fromStdString(SubstituteValues(raw.toStdString(), values, language));
    switch (recipe.kind) {
    case DocumentKind::Pdf:
        writePagedPdf(source, path, figuresFor(source, values, language));
        break;
    case DocumentKind::Slides:
        writeSlides(source, path, figuresFor(source, values, language), *language.words);
        break;
    case DocumentKind::Odt:
        writeOdt(source, path, figuresFor(source, values, language));
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

// Throws DocumentError listing every fault the check finds in one source.
void checkSource(const DocumentRecipe& recipe, const QString& name, const QString& source,
                 const QString& catalan, const std::set<std::string>& menuPaths) {
    std::vector<std::string> problems;
    if (source != catalan)
        problems = CounterpartProblems(catalan.toStdString(), source.toStdString());
    for (const std::string& p : MenuReferenceProblems(source.toStdString(), menuPaths))
        problems.push_back(p);
    if (recipe.form)
        if (const std::string p = FormTitleProblem(source.toStdString()); !p.empty())
            problems.push_back(p);
    if (problems.empty())
        return;
    std::string message = name.toStdString() + ":";
    for (const std::string& p : problems)
        message += "\n  " + p;
    throw DocumentError(message);
}

QStringList writeEdition(const std::vector<DocumentRecipe>& documents, const QString& sourceFolder,
                         const QString& folder, const DocumentEdition& edition,
                         const DocumentValues& values) {
    const QDir sources(QDir(sourceFolder).filePath(edition.folder));
    const QDir out(QDir(folder).filePath(edition.folder));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return {"cannot make the folder " + out.path()};
    const std::set<std::string> menuPaths = MenuPaths(*edition.language.words);
    const QString prefix = edition.folder.isEmpty() ? QString() : edition.folder + "/";
    QStringList errors;
    for (const DocumentRecipe& recipe : documents) {
        const QString path = out.filePath(recipe.fileName);
        try {
            if (!sources.exists(recipe.source))
                throw DocumentError(("no " + edition.languageName + " version of " + recipe.source +
                                     " in " + sources.path())
                                        .toStdString());
            const QString source = readSource(sources.filePath(recipe.source));
            checkSource(recipe, prefix + recipe.source, source,
                        readSource(QDir(sourceFolder).filePath(recipe.source)), menuPaths);
            writeDocument(recipe, source, path, values, edition.language);
        } catch (const DocumentError& e) {
            // Half a document must not pass for a whole one at the next build.
            QFile::remove(path);
            errors << prefix + recipe.fileName + ": " + QString::fromStdString(e.what());
        }
    }
    return errors;
}

} // namespace

QStringList writeDocuments(const std::vector<DocumentRecipe>& documents,
                           const QString& sourceFolder, const QString& folder,
                           const std::vector<DocumentEdition>& editions) {
    QStringList errors;
    std::vector<DocumentRun> runs;
    try {
        runs = modelRuns(sourceFolder);
    } catch (const DocumentError& e) {
        errors << kRunsFile + ": " + QString::fromStdString(e.what());
    }
    const DocumentValues values(std::move(runs));
    for (const DocumentEdition& edition : editions)
        errors << writeEdition(documents, sourceFolder, folder, edition, values);
    return errors;
}

} // namespace assets
