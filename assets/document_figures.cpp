#include "assets/document_figures.h"

#include "assets/document_error.h"
#include "assets/energy_profile_picture.h"
#include "assets/run_figures.h"

#include <QRegularExpression>
#include <QUrl>

namespace assets {

namespace {

// Twice the size of the window's picture, with its fonts doubled: sharp on paper.
constexpr QSize kProfileSize{1160, 1120};
constexpr ProfileFonts kProfileFonts{44, 30, 28};
const QString kProfile = QStringLiteral("figura-perfil-energia.png");
const QString kCounts = QStringLiteral(".corbes.png");
const QString kOrders = QStringLiteral(".ordres.png");

QImage profileFigure(const tarvon::Language& words) {
    QImage profile(kProfileSize, QImage::Format_RGB32);
    profile.fill(Qt::white);
    paintEnergyProfilePicture(profile, kProfileFonts, words);
    return profile;
}

QImage figure(const QString& name, const DocumentValues& values, const DocumentLanguage& language) {
    if (name == kProfile)
        return profileFigure(*language.words);
    if (name.endsWith(kCounts))
        return countsFigure(values.run(name.chopped(kCounts.size()).toStdString()).table, language);
    if (name.endsWith(kOrders)) {
        const auto [run, column] = values.series(name.chopped(kOrders.size()).toStdString());
        return ordersFigure(run->table, column, language);
    }
    throw DocumentError("no figure named '" + name.toStdString() + "'");
}

} // namespace

DocumentFigures figuresFor(const QString& html, const DocumentValues& values,
                           const DocumentLanguage& language) {
    static const QRegularExpression image(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]*)\""));
    DocumentFigures figures;
    std::string errors;
    for (auto it = image.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (figures.count(name))
            continue;
        try {
            figures[name] = figure(name, values, language);
        } catch (const DocumentError& e) {
            errors += std::string("\n  ") + e.what();
        }
    }
    if (!errors.empty())
        throw DocumentError("figures that were not computed:" + errors);
    return figures;
}

void addDocumentFigures(QTextDocument& document, const DocumentFigures& figures) {
    for (const auto& [name, picture] : figures)
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
}

} // namespace assets
