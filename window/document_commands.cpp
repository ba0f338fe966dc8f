#include "window/document_commands.h"

#include "reactions/reaction_description.h"
#include "window/document_names.h"
#include "window/free_file_name.h"
#include "window/tarvon_model.h"
#include "window/text_args.h"

#include <functional>
#include <optional>
#include <system_error>

namespace tarvon {

namespace {

namespace fs = std::filesystem;

constexpr char kTitol[] = "Tarvon";

// The data folder's document in the user's language, or the Catalan one.
fs::path InData(const DocumentServices& s, const std::string& name) {
    return DocumentEnIdioma(s.dataFolder, s.idioma, name);
}

bool Exists(const fs::path& file) {
    std::error_code ignored;
    return fs::is_regular_file(file, ignored);
}

// What failed and where, as the message box's detail text: `what` has the
// place as %1 and the reason as %2.
std::string Detail(const DocumentServices& s, const TextKey& what, const fs::path& where,
                   const std::string& why) {
    return WithArgs(s.lang(what), {where.string(), why});
}

// Why a document the program looks for is not there to open or copy.
std::string Missing(const DocumentServices& s, const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!ec && status.type() == fs::file_type::not_found)
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    return Detail(s, TX("window", "No s'ha trobat %1: %2"), file,
                  ec ? ec.message() : s.lang(TX("window", "no és un fitxer ordinari")));
}

void Fail(DocumentServices& s, const std::string& detail) {
    s.messages.show(s.lang(kProcesFallat), detail);
}

// The opener may fail long after the command has returned; the failure is
// told whenever it comes.
void Open(DocumentServices& s, const fs::path& file) {
    s.opener.open(file, [&s, file](const std::string& reason) {
        s.messages.show(s.lang(kProcesFallat),
                        Detail(s, TX("window", "No s'ha pogut obrir %1: %2"), file, reason));
    });
}

void OpenExisting(DocumentServices& s, const fs::path& file) {
    if (Exists(file))
        Open(s, file);
    else
        Fail(s, Missing(s, file));
}

// Writes `path`; false with the reason on failure.
using Writer = std::function<bool(const fs::path& path, std::string& reason)>;

// Writes a new document in the documents folder and tells the user where it
// went. A document that could not be written is removed; nothing the user
// kept is touched. On failure the user is told what failed and where.
std::optional<fs::path> WriteNew(DocumentServices& s, const std::string& stem,
                                 const std::string& extension, const Writer& write) {
    std::error_code error;
    const auto path = ReservarNomLliure(s.documentsFolder, stem, extension, error);
    if (!path) {
        Fail(s, Detail(s, TX("window", "No s'ha pogut crear %1: %2"),
                       s.documentsFolder / (stem + extension), error.message()));
        return std::nullopt;
    }
    std::string reason;
    if (!write(*path, reason)) {
        std::error_code ignored;
        fs::remove(*path, ignored);
        Fail(s, Detail(s, TX("window", "No s'ha pogut escriure %1: %2"), *path, reason));
        return std::nullopt;
    }
    s.notice.show(WithArgs(s.lang(kDesatA), {path->string()}));
    return path;
}

void WriteAndOpen(DocumentServices& s, const std::string& stem, const std::string& extension,
                  const Writer& write) {
    if (const auto path = WriteNew(s, stem, extension, write))
        Open(s, *path);
}

// The session's notes file: the one made earlier, or a new copy of the data
// folder's Dades.txt when there is none yet or the user has deleted it.
std::optional<fs::path> NotesFile(DocumentServices& s) {
    if (Exists(s.notesFile))
        return s.notesFile;
    const fs::path model = InData(s, "Dades.txt");
    if (!Exists(model)) {
        Fail(s, Missing(s, model));
        return std::nullopt;
    }
    auto made = WriteNew(
        s, NomsCopiesDe(s.idioma).notes, ".txt", [&](const fs::path& path, std::string& reason) {
            std::error_code error;
            fs::copy_file(model, path, fs::copy_options::overwrite_existing, error);
            if (error)
                reason = WithArgs(s.lang(TX("window", "no s'ha pogut copiar %1: %2")),
                                  {model.string(), error.message()});
            return !error;
        });
    if (made)
        s.notesFile = *made;
    return made;
}

} // namespace

void ArxiuText(const TarvonModel& m, DocumentServices& s) {
    s.clipboard.setText(TaulaDades(m.data.Taula, m.w.SeparadorDecimal, m.lang));
    if (const auto notes = NotesFile(s))
        Open(s, *notes);
}

void ArxiuExcel(const TarvonModel& m, DocumentServices& s) {
    s.clipboard.setText(TaulaDades(m.data.Taula, m.w.SeparadorDecimal, m.lang));
    const std::string reaccio = m.s.Reaccio != nullptr ? m.s.Reaccio->key : "";
    WriteAndOpen(s, NomsCopiesDe(s.idioma).workbook + reaccio, ".xlsx",
                 [&](const fs::path& path, std::string& reason) {
                     return s.writers.workbook(path.string(), m.data.Taula, reaccio, reason);
                 });
}

void ArxiuInformExem(DocumentServices& s) {
    OpenExisting(s, InData(s, "InformExemTarvon.odt"));
}

void ArxiuInformFitxa(DocumentServices& s) {
    s.clipboard.setText(kTitol);
    const fs::path form = InData(s, "InformFitxa.odt");
    if (!Exists(form)) {
        Fail(s, Missing(s, form));
        return;
    }
    WriteAndOpen(s, NomsCopiesDe(s.idioma).form, ".odt",
                 [&](const fs::path& path, std::string& reason) {
                     return s.writers.reportForm(form.string(), path.string(), kTitol, reason);
                 });
}

void ObrirDocument(DocumentServices& s, const std::string& name) {
    OpenExisting(s, InData(s, name));
}

} // namespace tarvon
