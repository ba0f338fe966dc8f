// Writes the zip reader's seeds into the folder given: archives as the report
// form and a workbook are made, and an empty one.
#include "export/zip_archive.h"

#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const bool ok =
        tarvon::WriteZipEntries(
            (folder / "form.odt").string(),
            {{"mimetype", "application/vnd.oasis.opendocument.text"},
             {"content.xml", "<office:text><text:p><text:span>Fitxa</text:span></text:p>"
                             "</office:text>"},
             {"META-INF/manifest.xml", "<manifest:manifest/>"}},
            "mimetype") &&
        tarvon::WriteZipEntries((folder / "empty.zip").string(), {}, "") &&
        tarvon::WriteZipEntries((folder / "one.zip").string(), {{"a.txt", std::string(300, 'a')}},
                                "");
    return ok ? 0 : 1;
}
