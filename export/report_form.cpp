#include "export/report_form.h"

#include "export/odf_first_line.h"
#include "export/write_failure.h"
#include "export/zip_archive.h"
#include "window/text_args.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tarvon {

namespace {

// ODF readers identify the document by this entry: first, and stored.
constexpr char kMimetype[] = "mimetype";
constexpr char kContent[] = "content.xml";

bool InsertIntoContent(std::vector<ZipEntry>& entries, const std::string& text) {
    const auto content = std::find_if(entries.begin(), entries.end(),
                                      [](const ZipEntry& e) { return e.name == kContent; });
    if (content == entries.end())
        return false;
    auto inserted = InsertAtFirstLine(content->data, text);
    if (!inserted)
        return false;
    content->data = std::move(*inserted);
    return true;
}

// The file is missing or no file: the system says so; else it is no archive.
std::string WhyUnreadable(const std::string& path, const Language& lang) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec)
        return ec.message();
    if (!std::filesystem::is_regular_file(status))
        return lang(TX("export", "no és un fitxer ordinari"));
    return lang(TX("export", "no és un document ODF vàlid"));
}

} // namespace

bool CopiarFitxaAmbText(const std::string& origen, const std::string& desti,
                        const std::string& text, const Language& lang, std::string* reason) {
    // The whole document is read before desti is opened, so a failed read
    // leaves nothing behind.
    auto entries = ReadZipEntries(origen);
    if (!entries)
        return WriteFailed(reason, WithArgs(lang(TX("export", "no s'ha pogut llegir %1: %2")),
                                            {origen, WhyUnreadable(origen, lang)}));
    if (!InsertIntoContent(*entries, text))
        return WriteFailed(
            reason,
            WithArgs(lang(TX("export", "%1 no té cap paràgraf on posar el títol")), {origen}));
    std::stable_partition(entries->begin(), entries->end(),
                          [](const ZipEntry& e) { return e.name == kMimetype; });
    errno = 0;
    if (WriteZipEntries(desti, *entries, kMimetype))
        return true;
    const int system = errno; // from the file operation that failed, if any
    std::error_code ec;
    if (std::filesystem::is_regular_file(desti, ec))
        std::filesystem::remove(desti, ec);
    return WriteFailed(reason, system != 0 ? std::strerror(system)
                                           : lang(TX("export", "error en escriure el document")));
}

} // namespace tarvon
