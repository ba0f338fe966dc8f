#include "assets/data_folder_documents.h"
#include "assets/document_check.h"
#include "assets/document_source.h"
#include "assets/document_writer.h"
#include "assets/odt_document.h"
#include "assets/slide_deck.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace assets {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct PdfPages {
    int count = 0;
    QSizeF size; // points, of the first page
};

// Qt writes each page object with "/Type /Page" and its own MediaBox, uncompressed.
PdfPages pdfPages(const QByteArray& pdf) {
    PdfPages pages;
    pages.count = static_cast<int>(pdf.count("/Type /Page\n"));
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
    if (box.hasMatch())
        pages.size = {box.captured(1).toDouble(), box.captured(2).toDouble()};
    return pages;
}

// The sources' own language only: what the writer makes of a Catalan source.
const std::vector<DocumentEdition> kCatalanOnly{{QString(), "Catalan", CatalanDocuments()}};

void put(const QString& folder, const QString& name, const QByteArray& text) {
    QDir().mkpath(QFileInfo(QDir(folder).filePath(name)).path());
    QFile file(QDir(folder).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class DataFolderDocuments : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        errors_ = writeDocuments(dataFolderDocuments(), DOCUMENT_SOURCE_DIR, folder_->path());
    }
    static void TearDownTestSuite() { delete folder_; }

    static QString written(const char* name) { return QDir(folder_->path()).filePath(name); }

    static inline QTemporaryDir* folder_ = nullptr;
    static inline QStringList errors_;
};

TEST_F(DataFolderDocuments, EveryDocumentIsWrittenUnderItsOwnName) {
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join("\n").toStdString();
    for (const DocumentRecipe& recipe : dataFolderDocuments()) {
        SCOPED_TRACE(recipe.fileName.toStdString());
        EXPECT_GT(QFileInfo(QDir(folder_->path()).filePath(recipe.fileName)).size(), 40);
    }
    for (const char* odt : {"InformExemTarvon.odt", "InformFitxa.odt"})
        EXPECT_TRUE(contents(written(odt)).contains("application/vnd.oasis.opendocument.text"));
}

// A4 portrait is 595 x 842 points; a booklet needs more than one page for its text.
TEST_F(DataFolderDocuments, BookletsAreA4PortraitOverSeveralPages) {
    for (const char* name : {"T_Tarvon.pdf", "P_Tarvon.pdf", "G_Tarvon.pdf"}) {
        SCOPED_TRACE(name);
        const PdfPages pages = pdfPages(contents(written(name)));
        EXPECT_GE(pages.count, 2);
        EXPECT_LE(pages.count, 12);
        EXPECT_NEAR(pages.size.width(), 595, 1);
        EXPECT_NEAR(pages.size.height(), 842, 1);
    }
}

TEST_F(DataFolderDocuments, SlidesAreLandscapeOnePagePerSlide) {
    const QString deck =
        readSource(QDir(DOCUMENT_SOURCE_DIR).filePath("T_Tarvon_presentacio.html"));
    const PdfPages pages = pdfPages(contents(written("T_Tarvon_presentacio.pdf")));
    EXPECT_EQ(pages.count, deck.count(kSlideMark));
    EXPECT_GE(pages.count, 8);
    EXPECT_GT(pages.size.width(), pages.size.height() * 1.3);
}

TEST_F(DataFolderDocuments, NotesDocumentIsATitleLineThenAnEmptyLineWithCrLf) {
    const QByteArray text = contents(written("Dades.txt"));
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF" + QStringLiteral("Tarvon — ").toUtf8()));
    EXPECT_TRUE(text.endsWith("\r\n\r\n"));
    EXPECT_EQ(text.count('\n'), text.count("\r\n"));
}

// The program puts "Tarvon" before the first line of the form: in every language that line must
// be the title alone, one run, with nothing above it.
TEST(ReportForm, OpensWithTheTitleAsOneBoldLargeRun) {
    for (const char* language : {"", "es", "en"}) {
        SCOPED_TRACE(language);
        const QDir sources(QDir(DOCUMENT_SOURCE_DIR).filePath(language));
        const auto form = odtDocument(readSource(sources.filePath("InformFitxa.html")));
        const QTextBlock first = form->begin();
        const QString title = form->metaInformation(QTextDocument::DocumentTitle);
        EXPECT_FALSE(title.isEmpty());
        EXPECT_EQ(first.text(), QStringLiteral(" — ") + title);
        EXPECT_EQ(QTextCursor(first).currentTable(), nullptr);
        int runs = 0;
        for (auto it = first.begin(); !it.atEnd(); ++it, ++runs) {
            EXPECT_EQ(it.fragment().charFormat().fontWeight(), QFont::Bold);
            EXPECT_GE(it.fragment().charFormat().fontPointSize(), 16);
        }
        EXPECT_EQ(runs, 1);
    }
}

// A failed document is named, and no half-written file is left to pass for it at the next build.
TEST(DocumentWriter, FailuresAreNamedAndLeaveNoFile) {
    QTemporaryDir sources, folder;
    QFile deck(QDir(sources.path()).filePath("deck.html"));
    ASSERT_TRUE(deck.open(QIODevice::WriteOnly));
    deck.write((kSlideMark + "<h1>Una</h1><p>curta</p>" + kSlideMark + "<h1>Dues</h1>" +
                QStringLiteral("<p>Massa text per a una diapositiva.</p>").repeated(40))
                   .toUtf8());
    deck.close();
    const QStringList errors = writeDocuments({{"Llarga.pdf", "deck.html", DocumentKind::Slides},
                                               {"Absent.pdf", "absent.html", DocumentKind::Pdf}},
                                              sources.path(), folder.path(), kCatalanOnly);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Llarga.pdf: ")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("slide 2")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith("Absent.pdf: ")) << errors[1].toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A source may quote only what the runs computed: a misspelt value, species or figure fails its
// document, each one named, and writes no file.
TEST(DocumentWriter, NamesEveryValueAndFigureTheRunsDidNotGive) {
    QTemporaryDir sources, folder;
    const auto put = [&](const char* name, const QByteArray& text) {
        QFile file(QDir(sources.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    put("runs.txt", "# a short run\nhi: --reaction HI --particles 64 --seed 5 --duration 3\n");
    put("good.html", "<p>{{hi.HI.inicial}} - {{hi.HI@3}}</p><img src=\"hi.HI.ordres.png\">");
    put("bad.html", "<p>{{hi.HI@2.5}} {{hi.NH3@1}}</p><img src=\"hi.corba.png\">");
    const QStringList errors = writeDocuments(
        {{"Bo.odt", "good.html", DocumentKind::Odt}, {"Dolent.pdf", "bad.html", DocumentKind::Pdf}},
        sources.path(), folder.path(), kCatalanOnly);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("hi.HI@2.5")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("NH3")) << errors[0].toStdString();
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("Bo.odt")));
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("Dolent.pdf")));

    put("bad.html", "<img src=\"hi.corba.png\">");
    const QStringList figureErrors = writeDocuments({{"Dolent.pdf", "bad.html", DocumentKind::Pdf}},
                                                    sources.path(), folder.path(), kCatalanOnly);
    ASSERT_EQ(figureErrors.size(), 1);
    EXPECT_TRUE(figureErrors[0].contains("hi.corba.png")) << figureErrors[0].toStdString();
}

// Each language's documents come from its own folder under the Catalan names, with its numbers
// and its menu captions; a translation that is missing, quotes other values or names a menu
// the program does not show in that language fails, named, and leaves no file.
TEST(DocumentWriter, TranslationsAreWrittenInTheirFolderAndCheckedAgainstTheCatalan) {
    QTemporaryDir sources, folder;
    const QString src = sources.path();
    put(src, "a.txt", "{{0.5 * 3}} <span class=\"menu\">Arxiu › Sortir</span>\n");
    put(src, "b.txt", "{{0.5 * 3}} <span class=\"menu\">Accions › Congelar imatge</span>\n");
    put(src, "es/a.txt", "{{0.5 * 3}} <span class=\"menu\">Archivo › Salir</span>\n");
    put(src, "en/a.txt", "{{0.5 * 3}} <span class=\"menu\">File › Exit</span>\n");
    put(src, "en/b.txt",
        "{{0.5 * 4}} <span class=\"menu\">Accions › Congelar imatge</span> File › Exit\n");
    const QStringList errors = writeDocuments(
        {{"A.txt", "a.txt", DocumentKind::Text}, {"B.txt", "b.txt", DocumentKind::Text}}, src,
        folder.path());
    const QDir out(folder.path());
    EXPECT_EQ(contents(out.filePath("A.txt")),
              "\xEF\xBB\xBF"
              "1,5 <span class=\"menu\">Arxiu › Sortir</span>\r\n");
    EXPECT_TRUE(contents(out.filePath("es/A.txt")).contains("1,5 "));
    EXPECT_TRUE(contents(out.filePath("en/A.txt")).contains("1.5 "));
    ASSERT_EQ(errors.size(), 2) << errors.join("\n").toStdString();
    EXPECT_TRUE(errors[0].startsWith("es/B.txt: no Spanish version of b.txt"))
        << errors[0].toStdString();
    const QString english = errors[1];
    EXPECT_TRUE(english.startsWith("en/B.txt: en/b.txt:")) << english.toStdString();
    for (const char* fault :
         {"lacks the value {{0.5 * 3}}", "has the value {{0.5 * 4}}",
          "no menu item 'Accions › Congelar imatge'", "line 1: a menu reference not marked"})
        EXPECT_TRUE(english.contains(QString::fromUtf8(fault))) << fault;
    EXPECT_FALSE(QFile::exists(out.filePath("en/B.txt")));
    EXPECT_FALSE(QFile::exists(out.filePath("es/B.txt")));
}

// The captions a document cites come from the program's catalogues, the frozen box's too: a
// caption renamed in the code but not in the check would stay Catalan and match nothing.
TEST(DocumentWriter, MenuCaptionsOfEachLanguageAreThoseOfItsCatalogue) {
    const auto& editions = documentEditions();
    ASSERT_EQ(editions.size(), 3u);
    const std::set<std::string> es = MenuPaths(*editions[1].language.words);
    const std::set<std::string> en = MenuPaths(*editions[2].language.words);
    EXPECT_TRUE(es.count("Acciones › Descongelar imagen"));
    EXPECT_TRUE(en.count("Actions › Unfreeze image"));
    EXPECT_TRUE(en.count("Tools › Diameter › 1.5:1"));
    EXPECT_FALSE(en.count("Accions › Descongelar Imatge"));
    EXPECT_EQ(editions[2].language.decimal, '.');
}

} // namespace
} // namespace assets
