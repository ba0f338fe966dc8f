#include "export/file_writers.h"
#include "export/zip_archive.h"
#include "reactions/hi/hi.h"
#include "window/document_commands.h"
#include "window/document_names.h"
#include "window/reaction_choice.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

struct FakeClipboard : Clipboard {
    std::vector<std::string> texts;
    void setText(const std::string& text) override { texts.push_back(text); }
};

// An opener that fails at once, or keeps the failure call of each file it
// was asked to open, as a running opener process would.
struct FakeOpener : DocumentOpener {
    bool works = true;
    std::vector<fs::path> opened;
    std::vector<Failed> running;
    void open(const fs::path& file, Failed failed) override {
        opened.push_back(file);
        if (works)
            running.push_back(std::move(failed));
        else
            failed("no application");
    }
};

struct FakeMessages : MessageBox {
    std::vector<std::string> shown, details;
    void show(const std::string& text, const std::string& detail) override {
        shown.push_back(text);
        details.push_back(detail);
    }
};

// Writers that fail with a reason of their own, after the name was taken.
struct FailingWriters : DocumentWriters {
    bool workbook(const std::string& path, const DataRows&, const std::string&,
                  std::string& reason) override {
        std::ofstream(path) << "half a workbook";
        reason = "disk full";
        return false;
    }
    bool reportForm(const std::string&, const std::string&, const std::string&,
                    std::string& reason) override {
        reason = "disk full";
        return false;
    }
};

// The detail names the file and gives the reason.
::testing::AssertionResult Tells(const std::string& detail, const fs::path& file,
                                 const std::string& reason) {
    if (detail.find(file.string()) != std::string::npos && detail.ends_with(": " + reason))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << detail << "\" should name " << file << " and end with " << reason;
}

std::string SystemSays(int error) {
    return std::make_error_code(static_cast<std::errc>(error)).message();
}

struct FakeNotice : Notice {
    std::vector<std::string> shown;
    void show(const std::string& text) override { shown.push_back(text); }
};

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A data folder with the documents of the menus, and an empty documents folder.
struct Documents : ::testing::Test {
    static fs::path NewRoot() {
        static int n = 0;
        return fs::temp_directory_path() /
               ("document_commands_" + std::to_string(getpid()) + "_" + std::to_string(++n));
    }
    Documents() {
        fs::create_directories(data);
        for (const char* name : {"Dades.txt", "T_Tarvon.pdf", "InformExemTarvon.odt"})
            std::ofstream(data / name) << name;
    }
    ~Documents() override { fs::remove_all(root); }

    fs::path root = NewRoot();
    fs::path data = root / "Arxius_orvalis";
    fs::path docs = root / "Documents";
    FakeClipboard clipboard;
    FakeOpener opener;
    FakeMessages messages;
    FakeNotice notice;
    FileWriters writers;
    DocumentServices s{clipboard, opener, messages, notice, writers, data, docs};
    test::LoadedWindow w;
};

using Paths = std::vector<fs::path>;
using Texts = std::vector<std::string>;

// A report form with a title line, as the library's writer reads it.
void WriteForm(const fs::path& file, const std::string& title) {
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(WriteZipEntries(
        file.string(),
        {{"mimetype", "application/vnd.oasis.opendocument.text"},
         {"content.xml", "<office:text><text:p>" + title + "</text:p></office:text>"}},
        "mimetype"));
}

std::string FormTitle(const fs::path& copy) {
    const auto entries = ReadZipEntries(copy.string());
    return entries && entries->size() == 2 ? entries->at(1).data : "";
}

std::string Saved(const fs::path& file) {
    return "Desat a: " + file.string();
}

TEST_F(Documents, DataFolderDocumentsOpenOrTellTheyFailedAtOnceOrLater) {
    ObrirDocument(s, "T_Tarvon.pdf");
    ArxiuInformExem(s);
    EXPECT_EQ(opener.opened, (Paths{data / "T_Tarvon.pdf", data / "InformExemTarvon.odt"}));
    EXPECT_TRUE(messages.shown.empty());

    ObrirDocument(s, "G_Tarvon.pdf"); // missing: not even asked
    EXPECT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(messages.shown, Texts{kProcesFallat.source});
    EXPECT_TRUE(Tells(messages.details.at(0), data / "G_Tarvon.pdf", SystemSays(ENOENT)));
    opener.works = false;
    ObrirDocument(s, "T_Tarvon.pdf");
    EXPECT_EQ(messages.shown, Texts(2, kProcesFallat.source));
    EXPECT_TRUE(Tells(messages.details.at(1), data / "T_Tarvon.pdf", "no application"));

    // The opener of the example report fails after the command has returned.
    opener.running.at(1)("exit status 4");
    EXPECT_EQ(messages.shown, Texts(3, kProcesFallat.source));
    EXPECT_TRUE(Tells(messages.details.at(2), data / "InformExemTarvon.odt", "exit status 4"));
    EXPECT_TRUE(notice.shown.empty()) << "nothing was written";
}

TEST_F(Documents, NotesFileIsMadeOncePerSessionInTheDocumentsFolder) {
    fs::create_directories(docs);
    std::ofstream(docs / "Dades Tarvon.txt") << "earlier notes";
    const fs::path notes = docs / "Dades Tarvon (2).txt";

    ArxiuText(w.m, s); // no table taken
    EXPECT_EQ(Contents(notes), "Dades.txt") << "a copy of the data folder's";
    EXPECT_EQ(notice.shown, Texts{Saved(notes)});
    std::ofstream(notes, std::ios::app) << " and what the user wrote";
    w.m.data.Taula = {true, {"Temps", "HI"}, {{0, {200}}}, {}};
    ArxiuText(w.m, s);
    EXPECT_EQ(opener.opened, (Paths{notes, notes}));
    EXPECT_EQ(clipboard.texts,
              (Texts{"", kTitolDades + std::string("\r\nTemps\tHI\r\n0\t200\r\n")}));
    EXPECT_EQ(Contents(notes), "Dades.txt and what the user wrote");
    EXPECT_EQ(notice.shown.size(), 1u) << "nothing new to tell";

    fs::remove(notes); // deleted by the user meanwhile
    ArxiuText(w.m, s);
    EXPECT_EQ(Contents(notes), "Dades.txt");
    EXPECT_EQ(notice.shown, (Texts{Saved(notes), Saved(notes)}));
    EXPECT_EQ(opener.opened.size(), 3u);

    EXPECT_EQ(Contents(docs / "Dades Tarvon.txt"), "earlier notes");
    EXPECT_EQ(Contents(data / "Dades.txt"), "Dades.txt");
    EXPECT_EQ(std::distance(fs::directory_iterator(data), {}), 3) << "nothing written there";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Documents, NotesFileThatCannotBeMadeIsToldAndNotKept) {
    s.documentsFolder = data / "Dades.txt" / "sub"; // cannot be made
    ArxiuText(w.m, s);
    fs::remove(data / "Dades.txt");
    s.documentsFolder = docs;
    ArxiuText(w.m, s);
    EXPECT_EQ(messages.shown, Texts(2, kProcesFallat.source));
    EXPECT_TRUE(Tells(messages.details.at(0), data / "Dades.txt" / "sub" / "Dades Tarvon.txt",
                      SystemSays(ENOTDIR)));
    EXPECT_TRUE(Tells(messages.details.at(1), data / "Dades.txt", SystemSays(ENOENT)));
    EXPECT_EQ(clipboard.texts.size(), 2u) << "the clipboard keeps the table";
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(notice.shown.empty());
    EXPECT_FALSE(fs::exists(docs) && !fs::is_empty(docs)) << "no empty notes left behind";
}

TEST_F(Documents, EachWorkbookIsANewFileOfTheDocumentsFolder) {
    TriaReaccio(w.m, kHI);
    w.m.data.Taula = {
        true, {"Temps", "HI", "H2", "I2"}, {{0, {200, 0, 0}}, {0.5f, {198, 1, 1}}}, {}};
    w.m.w.SeparadorDecimal = ',';
    ArxiuExcel(w.m, s);
    const std::string first = Contents(docs / "DadesCineHI.xlsx");
    ArxiuExcel(w.m, s);
    EXPECT_EQ(opener.opened, (Paths{docs / "DadesCineHI.xlsx", docs / "DadesCineHI (2).xlsx"}));
    EXPECT_TRUE(first.starts_with("PK")) << "a zip, as workbooks are";
    EXPECT_EQ(Contents(docs / "DadesCineHI.xlsx"), first) << "the first one is kept";
    EXPECT_EQ(clipboard.texts,
              (Texts(2, kTitolDades + std::string("\r\nTemps\tHI\tH2\tI2\r\n0\t200\t0\t0\r\n"
                                                  "0,5\t198\t1\t1\r\n"))));
    EXPECT_EQ(notice.shown, (Texts{Saved(opener.opened[0]), Saved(opener.opened[1])}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(data), {}), 3) << "nothing written there";

    s.documentsFolder = data / "Dades.txt" / "sub"; // cannot be made
    ArxiuExcel(w.m, s);
    EXPECT_EQ(messages.shown, Texts{kProcesFallat.source});
    EXPECT_TRUE(Tells(messages.details.at(0), data / "Dades.txt" / "sub" / "DadesCineHI.xlsx",
                      SystemSays(ENOTDIR)));
    EXPECT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(clipboard.texts.size(), 3u);
    EXPECT_EQ(notice.shown.size(), 2u);
}

TEST_F(Documents, AWriterThatFailsIsToldWithItsReasonAndLeavesNothing) {
    std::ofstream(data / "InformFitxa.odt") << "not a zip";
    FailingWriters failing;
    DocumentServices f{clipboard, opener, messages, notice, failing, data, docs};
    ArxiuExcel(w.m, f);
    ArxiuInformFitxa(f);
    EXPECT_EQ(messages.shown, Texts(2, kProcesFallat.source));
    EXPECT_TRUE(Tells(messages.details.at(0), docs / "DadesCine.xlsx", "disk full"));
    EXPECT_TRUE(Tells(messages.details.at(1), docs / "InformFitxaTarvon.odt", "disk full"));
    EXPECT_TRUE(fs::is_empty(docs));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(notice.shown.empty());

    // The library's own writer says which form it could not read.
    ArxiuInformFitxa(s);
    ASSERT_EQ(messages.details.size(), 3u);
    EXPECT_NE(messages.details[2].find((docs / "InformFitxaTarvon.odt").string()),
              std::string::npos);
    EXPECT_NE(messages.details[2].find((data / "InformFitxa.odt").string()), std::string::npos)
        << messages.details[2];
    EXPECT_TRUE(fs::is_empty(docs));
}

TEST_F(Documents, TheReportFormIsCopiedUnderANewNameHeadedWithTheTitle) {
    ArxiuInformFitxa(s); // no form in the data folder
    EXPECT_EQ(clipboard.texts, Texts{"Tarvon"});
    EXPECT_EQ(messages.shown, Texts{kProcesFallat.source});
    EXPECT_TRUE(Tells(messages.details.at(0), data / "InformFitxa.odt", SystemSays(ENOENT)));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_FALSE(fs::exists(docs) && !fs::is_empty(docs)) << "no empty copy left behind";
    EXPECT_TRUE(notice.shown.empty());

    const std::string form = (data / "InformFitxa.odt").string();
    ASSERT_TRUE(WriteZipEntries(
        form,
        {{"mimetype", "application/vnd.oasis.opendocument.text"},
         {"content.xml", "<office:text><text:p> \xe2\x80\x94 Fitxa</text:p></office:text>"}},
        "mimetype"));
    ArxiuInformFitxa(s);
    ArxiuInformFitxa(s);
    EXPECT_EQ(opener.opened,
              (Paths{docs / "InformFitxaTarvon.odt", docs / "InformFitxaTarvon (2).odt"}));
    const auto copy = ReadZipEntries(opener.opened.back().string());
    ASSERT_TRUE(copy && copy->size() == 2);
    EXPECT_EQ(copy->at(1).data,
              "<office:text><text:p>Tarvon \xe2\x80\x94 Fitxa</text:p></office:text>");
    EXPECT_EQ(notice.shown, (Texts{Saved(opener.opened[0]), Saved(opener.opened[1])}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

// Catalan at the top of the data folder, the others in es/ and en/; an
// older data folder has only the Catalan, which is used then.
TEST_F(Documents, EachLanguageReadsItsOwnDocumentOrElseTheCatalanOne) {
    fs::create_directories(data / "es");
    fs::create_directories(data / "en" / "G_Tarvon.pdf"); // not a file
    std::ofstream(data / "es" / "T_Tarvon.pdf") << "es";
    std::ofstream(data / "G_Tarvon.pdf") << "ca";
    EXPECT_EQ(DocumentEnIdioma(data, Idioma::Catala, "T_Tarvon.pdf"), data / "T_Tarvon.pdf");
    EXPECT_EQ(DocumentEnIdioma(data, Idioma::Castella, "T_Tarvon.pdf"),
              data / "es" / "T_Tarvon.pdf");
    EXPECT_EQ(DocumentEnIdioma(data, Idioma::Angles, "T_Tarvon.pdf"), data / "T_Tarvon.pdf");
    EXPECT_EQ(DocumentEnIdioma(data, Idioma::Angles, "G_Tarvon.pdf"), data / "G_Tarvon.pdf");
    EXPECT_EQ(DocumentEnIdioma(data, Idioma::Castella, "P_Tarvon.pdf"), data / "P_Tarvon.pdf")
        << "missing everywhere: the Catalan one is the one reported";

    s.idioma = Idioma::Castella;
    ObrirDocument(s, "T_Tarvon.pdf");
    ArxiuInformExem(s); // only the Catalan one
    ObrirDocument(s, "P_Tarvon.pdf");
    EXPECT_EQ(opener.opened, (Paths{data / "es" / "T_Tarvon.pdf", data / "InformExemTarvon.odt"}));
    EXPECT_EQ(messages.shown, Texts{kProcesFallat.source});
    EXPECT_TRUE(Tells(messages.details.at(0), data / "P_Tarvon.pdf", SystemSays(ENOENT)));
}

// The copies of the documents folder are named in the user's language and
// made from the language's own model where the data folder has one.
TEST_F(Documents, CopiesAreNamedInTheUsersLanguageAndNumberedApart) {
    struct Case {
        Idioma idioma;
        std::string notes, workbook, form;
    };
    const std::vector<Case> cases{
        {Idioma::Catala, "Dades Tarvon.txt", "DadesCineHI", "InformFitxaTarvon"},
        {Idioma::Castella, "Datos Tarvon.txt", "DatosCineHI", "Informe Tarvon"},
        {Idioma::Angles, "Tarvon data.txt", "KineticsDataHI", "Tarvon report"}};
    fs::create_directories(data / "es");
    std::ofstream(data / "es" / "Dades.txt") << "Datos";
    WriteForm(data / "InformFitxa.odt", " Fitxa");
    WriteForm(data / "en" / "InformFitxa.odt", " Form");
    TriaReaccio(w.m, kHI);
    w.m.data.Taula = {true, {"Temps", "HI"}, {{0, {200}}}, {}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CodiIdioma(c.idioma));
        fs::remove_all(docs);
        opener.opened.clear();
        s.notesFile.clear();
        s.idioma = c.idioma;
        ArxiuText(w.m, s);
        for (int twice = 0; twice < 2; ++twice) {
            ArxiuExcel(w.m, s);
            ArxiuInformFitxa(s);
        }
        EXPECT_EQ(opener.opened,
                  (Paths{docs / c.notes, docs / (c.workbook + ".xlsx"), docs / (c.form + ".odt"),
                         docs / (c.workbook + " (2).xlsx"), docs / (c.form + " (2).odt")}));
        EXPECT_EQ(std::distance(fs::directory_iterator(docs), {}), 5);
    }
    EXPECT_TRUE(messages.shown.empty());
    // Made from the models of the last language, English: the Catalan notes,
    // its own form, headed with the program's name as in every language.
    EXPECT_EQ(Contents(docs / "Tarvon data.txt"), "Dades.txt");
    EXPECT_EQ(FormTitle(docs / "Tarvon report (2).odt"),
              "<office:text><text:p>Tarvon Form</text:p></office:text>");
    s.idioma = Idioma::Castella;
    s.notesFile.clear();
    ArxiuText(w.m, s);
    EXPECT_EQ(opener.opened.back(), docs / "Datos Tarvon.txt") << "no other language's copy";
    EXPECT_EQ(Contents(docs / "Datos Tarvon.txt"), "Datos");
    ArxiuInformFitxa(s);
    EXPECT_EQ(FormTitle(opener.opened.back()),
              "<office:text><text:p>Tarvon Fitxa</text:p></office:text>");
}

} // namespace
} // namespace tarvon
