#include "assets/document_figures.h"

#include "assets/concentration_graph_picture.h"
#include "assets/energy_profile_picture.h"

#include <QUrl>

namespace assets {

namespace {

// Twice the size of the window's picture, with its fonts doubled: sharp on paper.
constexpr QSize kProfileSize{1160, 1120};
constexpr ProfileFonts kProfileFonts{44, 30, 28};
constexpr QSize kGraphSize{1400, 900};

QImage whiteImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

void addDocumentFigures(QTextDocument& document) {
    QImage profile = whiteImage(kProfileSize);
    paintEnergyProfilePicture(profile, kProfileFonts);
    document.addResource(QTextDocument::ImageResource, QUrl("figura-perfil-energia.png"), profile);

    QImage graph = whiteImage(kGraphSize);
    paintConcentrationGraph(graph);
    document.addResource(QTextDocument::ImageResource, QUrl("figura-concentracio-temps.png"),
                         graph);
}

} // namespace assets
