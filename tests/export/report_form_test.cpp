#include "export/report_form.h"

#include "export/archive_testing.h"
#include "texts/marked_language.h"

#include <zip.h>

#include <filesystem>
#include <string>

namespace tarvon {
namespace {

namespace fs = std::filesystem;
using testing::EntryData;
using testing::ReadArchive;

const std::string kMime = "application/vnd.oasis.opendocument.text";
const std::string kBody = "<office:body><office:text><text:sequence-decls/>";
const std::string kContent = "<?xml version=\"1.0\"?><office:document-content>" + kBody +
                             "<text:p text:style-name=\"P1\"><text:span text:style-name=\"T1\">"
                             "Nom:</text:span></text:p><text:p>Data:</text:p></office:text>"
                             "</office:body></office:document-content>";
const std::string kStyles = "<office:document-styles>&#x4b;</office:document-styles>";

struct ReportForm : testing::ScratchFolder {
    std::string origen = (dir / "InformFitxa.odt").string();
    std::string desti = (dir / "InformFitxa-1.odt").string();
    // The form with mimetype not first, as a careless writer might leave it.
    void writeForm(const std::string& content, bool withContent = true) {
        zipFile zip = zipOpen64(origen.c_str(), APPEND_STATUS_CREATE);
        for (const auto& [name, data] :
             {std::pair{"content.xml", content}, {"mimetype", kMime}, {"styles.xml", kStyles}}) {
            if (!withContent && name == std::string("content.xml"))
                continue;
            zipOpenNewFileInZip(zip, name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION);
            zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size()));
            zipCloseFileInZip(zip);
        }
        zipClose(zip, nullptr);
    }
    std::string copiedContent(const std::string& text) {
        return CopiarFitxaAmbText(origen, desti, text, Catala())
                   ? EntryData(ReadArchive(desti), "content.xml")
                   : "<failed>";
    }
};

TEST_F(ReportForm, TextStartsTheFirstSpanAndTheRestIsCopied) {
    writeForm(kContent);
    ASSERT_TRUE(CopiarFitxaAmbText(origen, desti, "Tarvon", Catala()));
    const auto copy = ReadArchive(desti);

    ASSERT_EQ(copy.size(), 3u);
    EXPECT_EQ(copy[0].name, "mimetype");
    EXPECT_EQ(copy[0].method, 0u);
    EXPECT_EQ(copy[0].data, kMime);
    std::string expected = kContent;
    EXPECT_EQ(EntryData(copy, "content.xml"), expected.insert(expected.find("Nom:"), "Tarvon"));
    EXPECT_EQ(EntryData(copy, "styles.xml"), kStyles);
}

TEST_F(ReportForm, HeadingsEmptyParagraphsAndEscapes) {
    writeForm(kBody + "<text:h text:outline-level=\"1\">Fitxa</text:h>");
    EXPECT_EQ(copiedContent("A&B <\"x'>"),
              kBody +
                  "<text:h text:outline-level=\"1\">A&amp;B &lt;&quot;x&apos;&gt;Fitxa</text:h>");
    // Not a heading; a '>' inside an attribute does not end the tag.
    writeForm(kBody + "<text:hidden-text/><text:p text:style-name=\"P>\"/>");
    EXPECT_EQ(copiedContent("Tarvon"),
              kBody + "<text:hidden-text/><text:p text:style-name=\"P>\">Tarvon</text:p>");
}

TEST_F(ReportForm, FailuresLeaveNoCopy) {
    EXPECT_EQ(copiedContent("Tarvon"), "<failed>"); // no form at all
    writeForm(kContent, false);
    EXPECT_EQ(copiedContent("Tarvon"), "<failed>");
    writeForm("<office:text><table:table/></office:text>");
    EXPECT_EQ(copiedContent("Tarvon"), "<failed>");
    EXPECT_FALSE(fs::exists(desti));

    writeForm(kContent);
    desti = (dir / "missing" / "copy.odt").string();
    EXPECT_EQ(copiedContent("Tarvon"), "<failed>");
    EXPECT_FALSE(fs::exists(desti));
}

TEST_F(ReportForm, WhyItFailedIsToldInTheLanguageGiven) {
    const test::MarkedLanguage marked;
    std::string reason;
    fs::create_directories(origen); // a folder, not a form
    EXPECT_FALSE(CopiarFitxaAmbText(origen, desti, "Tarvon", marked, &reason));
    EXPECT_EQ(reason, "~no s'ha pogut llegir " + origen + ": ~no és un fitxer ordinari");
    fs::remove(origen);
    writeForm("<office:text><table:table/></office:text>");
    EXPECT_FALSE(CopiarFitxaAmbText(origen, desti, "Tarvon", marked, &reason));
    EXPECT_EQ(reason, "~" + origen + " no té cap paràgraf on posar el títol");
}

} // namespace
} // namespace tarvon
