#include "assets/document_source.h"

#include "assets/document_error.h"
#include "assets/document_figures.h"
#include "assets/document_style.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextImageFormat>

namespace assets {

QString readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DocumentError(("cannot read " + path + ": " + file.errorString()).toStdString());
    return QString::fromUtf8(file.readAll());
}

namespace {

// An image given only a width keeps its figure's proportions: word processors
// stretch one stored without a height.
void completeImageSizes(QTextDocument& document, const DocumentFigures& figures) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const auto figure = figures.find(image.name());
            if (!image.isValid() || figure == figures.end() || image.width() <= 0 ||
                image.height() > 0)
                continue;
            image.setHeight(image.width() * figure->second.height() / figure->second.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
}

} // namespace

std::unique_ptr<QTextDocument> htmlDocument(const QString& html, const DocumentFigures& figures,
                                            QPaintDevice* device) {
    auto document = std::make_unique<QTextDocument>();
    if (device)
        document->documentLayout()->setPaintDevice(device);
    applyDocumentStyle(*document);
    // Before the text: the images are measured as soon as it is laid out.
    addDocumentFigures(*document, figures);
    document->setHtml(html);
    completeImageSizes(*document, figures);
    return document;
}

} // namespace assets
