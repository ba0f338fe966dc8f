#include "assets/odt_document.h"

#include "assets/document_error.h"
#include "assets/document_source.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentWriter>

namespace assets {

namespace {

// Qt's OpenDocument writer names only the single font family of the older property, and
// otherwise writes its own default "Sans": give every run its family and size outright, so the
// word processor shows the fonts of the style sheet.
void spellOutFonts(QTextDocument& document) {
    const QFont base = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString family =
                format.fontFamilies().toStringList().value(0, base.families().value(0));
            QTextCharFormat spelled;
            spelled.setProperty(QTextFormat::OldFontFamily, family);
            spelled.setFontFamilies(QStringList{family});
            if (!format.hasProperty(QTextFormat::FontPointSize))
                spelled.setFontPointSize(base.pointSizeF());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(spelled);
        }
    }
}

} // namespace

std::unique_ptr<QTextDocument> odtDocument(const QString& html, const DocumentFigures& figures) {
    std::unique_ptr<QTextDocument> document = htmlDocument(html, figures);
    spellOutFonts(*document);
    return document;
}

void writeOdt(const QString& html, const QString& path, const DocumentFigures& figures) {
    const std::unique_ptr<QTextDocument> document = odtDocument(html, figures);
    QTextDocumentWriter writer(path, "odf");
    if (!writer.write(document.get()))
        throw DocumentError(
            ("cannot write " + path + ": " + writer.device()->errorString()).toStdString());
}

} // namespace assets
