#include "window/document_commands.h"

#include "window/free_file_name.h"
#include "window/tarvon_model.h"
#include "reactions/reaction_description.h"

#include <functional>
#include <optional>
#include <system_error>

namespace tarvon {

namespace {

constexpr char kTitol[] = "Tarvon";

bool Exists(const std::filesystem::path& file) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(file, ignored);
}

// The opener may fail long after the command has returned; the failure is
// told whenever it comes.
void Open(DocumentServices& s, const std::filesystem::path& file) {
    s.opener.open(file, [&messages = s.messages] { messages.show(kProcesFallat); });
}

bool OpenExisting(DocumentServices& s, const std::filesystem::path& file) {
    if (!Exists(file))
        return false;
    Open(s, file);
    return true;
}

// Writes a new document in the documents folder and tells the user where it
// went. A document that could not be written is removed; nothing the user
// kept is touched.
std::optional<std::filesystem::path>
WriteNew(DocumentServices& s, const std::string& stem, const std::string& extension,
         const std::function<bool(const std::filesystem::path&)>& write) {
    const auto path = ReservarNomLliure(s.documentsFolder, stem, extension);
    if (!path)
        return std::nullopt;
    if (!write(*path)) {
        std::error_code ignored;
        std::filesystem::remove(*path, ignored);
        return std::nullopt;
    }
    s.notice.show(kDesatA + path->string());
    return path;
}

bool WriteAndOpen(DocumentServices& s, const std::string& stem, const std::string& extension,
                  const std::function<bool(const std::filesystem::path&)>& write) {
    const auto path = WriteNew(s, stem, extension, write);
    if (path)
        Open(s, *path);
    return path.has_value();
}

void Report(DocumentServices& s, bool done) {
    if (!done)
        s.messages.show(kProcesFallat);
}

// The session's notes file: the one made earlier, or a new copy of the data
// folder's Dades.txt when there is none yet or the user has deleted it.
std::optional<std::filesystem::path> NotesFile(DocumentServices& s) {
    if (Exists(s.notesFile))
        return s.notesFile;
    const std::filesystem::path model = s.dataFolder / "Dades.txt";
    if (!Exists(model))
        return std::nullopt;
    auto made = WriteNew(s, std::string("Dades ") + kTitol, ".txt", [&](const auto& path) {
        std::error_code error;
        std::filesystem::copy_file(model, path, std::filesystem::copy_options::overwrite_existing,
                                   error);
        return !error;
    });
    if (made)
        s.notesFile = *made;
    return made;
}

} // namespace

void ArxiuText(const TarvonModel& m, DocumentServices& s) {
    s.clipboard.setText(TaulaDades(m.data.Taula, m.w.SeparadorDecimal));
    const auto notes = NotesFile(s);
    if (notes)
        Open(s, *notes);
    Report(s, notes.has_value());
}

void ArxiuExcel(const TarvonModel& m, DocumentServices& s) {
    s.clipboard.setText(TaulaDades(m.data.Taula, m.w.SeparadorDecimal));
    const std::string reaccio = m.s.Reaccio != nullptr ? m.s.Reaccio->key : "";
    Report(s, WriteAndOpen(s, "DadesCine" + reaccio, ".xlsx", [&](const auto& path) {
               return s.writers.workbook(path.string(), m.data.Taula, reaccio);
           }));
}

void ArxiuInformExem(DocumentServices& s) {
    Report(s, OpenExisting(s, s.dataFolder / "InformExemTarvon.odt"));
}

void ArxiuInformFitxa(DocumentServices& s) {
    s.clipboard.setText(kTitol);
    const std::filesystem::path form = s.dataFolder / "InformFitxa.odt";
    Report(s,
           Exists(form) &&
               WriteAndOpen(s, "InformFitxa" + std::string(kTitol), ".odt", [&](const auto& path) {
                   return s.writers.reportForm(form.string(), path.string(), kTitol);
               }));
}

void ObrirDocument(DocumentServices& s, const std::string& name) {
    Report(s, OpenExisting(s, s.dataFolder / name));
}

} // namespace tarvon
