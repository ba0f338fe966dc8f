#include "assets/document_source.h"

#include "assets/document_error.h"
#include "assets/document_figures.h"
#include "assets/document_style.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>

namespace assets {

QString readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DocumentError(("cannot read " + path + ": " + file.errorString()).toStdString());
    return QString::fromUtf8(file.readAll());
}

std::unique_ptr<QTextDocument> htmlDocument(const QString& html, const DocumentFigures& figures,
                                            QPaintDevice* device) {
    auto document = std::make_unique<QTextDocument>();
    if (device)
        document->documentLayout()->setPaintDevice(device);
    applyDocumentStyle(*document);
    // Before the text: the images are measured as soon as it is laid out.
    addDocumentFigures(*document, figures);
    document->setHtml(html);
    return document;
}

} // namespace assets
