#include "export/report_form.h"

#include "export/odf_first_line.h"
#include "export/zip_archive.h"

#include <algorithm>
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

} // namespace

bool CopiarFitxaAmbText(const std::string& origen, const std::string& desti,
                        const std::string& text) {
    // The whole document is read before desti is opened, so a failed read
    // leaves nothing behind.
    auto entries = ReadZipEntries(origen);
    if (!entries || !InsertIntoContent(*entries, text))
        return false;
    std::stable_partition(entries->begin(), entries->end(),
                          [](const ZipEntry& e) { return e.name == kMimetype; });
    if (WriteZipEntries(desti, *entries, kMimetype))
        return true;
    std::error_code ec;
    if (std::filesystem::is_regular_file(desti, ec))
        std::filesystem::remove(desti, ec);
    return false;
}

} // namespace tarvon
