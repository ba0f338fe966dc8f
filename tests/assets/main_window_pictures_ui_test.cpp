#include "assets/energy_profile_picture.h"
#include "assets/formula_runs.h"
#include "assets/picture_writer.h"
#include "assets/text_overflow.h"
#include "assets/window_colours.h"
#include "picture_lookup.h"
#include "qtcommon/twips.h"
#include "reactions/llegenda.h"
#include "reactions/registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets {
namespace {

using test::recipe;

// The pictures over the box of each registered reaction.
std::vector<std::string> equationRows() {
    std::vector<std::string> names;
    for (const tarvon::ReactionDescription* r : tarvon::Reactions())
        for (const tarvon::PictureData* p : {r->pictures.heading, r->pictures.equation})
            names.push_back(p->file);
    return names;
}

// Every picture the main window loads: the presentation, and what each reaction shows over
// the box and in its legend.
std::vector<std::string> loaded() {
    std::vector<std::string> names{"ComplexActivat5.jpg", "ComplexActivat800.jpg"};
    for (const std::string& name : equationRows())
        names.push_back(name);
    for (const tarvon::ReactionDescription* r : tarvon::Reactions())
        for (const tarvon::LegendPicture& p : tarvon::Llegenda(r->legend, {150, 50, 50}).pictures)
            names.push_back(p.file.substr(p.file.find('/') + 1));
    return names;
}

QSize sizeOf(const std::string& name) {
    return recipe(name).size;
}

bool isBackground(QRgb pixel) {
    return QColor(pixel) == kWindowBackground;
}

// The smallest rect holding everything but the window's background (empty when blank).
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isBackground(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Written, then read back the way the main window loads them: every name others load, at its
// size, opaque, on the window's own colour.
TEST(MainWindowPictures, AreReadBackAtTheirSizeOnTheWindowBackground) {
    QTemporaryDir folder;
    ASSERT_TRUE(writePictures(dataFolderPictures(), folder.path()).isEmpty());
    for (const std::string& name : loaded()) {
        SCOPED_TRACE(name);
        const QImage image(QDir(folder.path()).filePath(QString::fromStdString(name)));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), sizeOf(name));
        EXPECT_FALSE(image.hasAlphaChannel());
        const QColor corner = image.pixelColor(0, image.height() - 1);
        EXPECT_LE(std::abs(corner.red() - kWindowBackground.red()) +
                      std::abs(corner.green() - kWindowBackground.green()) +
                      std::abs(corner.blue() - kWindowBackground.blue()),
                  6); // JPEG rounding
    }
}

// Centred side by side above the box: at most 33 px tall, no text cut at an edge, in every
// language (a heading is as wide as its words).
TEST(MainWindowPictures, ReactionPicturesFitTheRowAboveTheBox) {
    const std::vector<PictureRecipe> languages[] = {dataFolderPictures(),
                                                    dataFolderPictures(test::builtInWords("es")),
                                                    dataFolderPictures(test::builtInWords("en"))};
    for (const std::vector<PictureRecipe>& pictures : languages)
        for (const std::string& name : equationRows()) {
            SCOPED_TRACE(name);
            const QImage image = renderPicture(recipe(pictures, name));
            EXPECT_LE(image.height(), 33);
            EXPECT_GE(image.width(), 150);
            EXPECT_LE(image.width(), 420);
            // Sized to the measured text: equal margins keep the two pictures apart.
            const QRect ink = inkBox(image);
            EXPECT_GT(ink.top(), 0);
            EXPECT_LT(ink.bottom(), image.height() - 1);
            EXPECT_NEAR(ink.left(), image.width() - 1 - ink.right(), 3);
            EXPECT_GE(ink.left(), 8);
        }
}

// On an 800-pixel screen the circles are 78 px apart and a label starts 7 px right of its
// circle: symbol and charge share what is left.
TEST(MainWindowPictures, IonLabelsFitBetweenCircles) {
    for (const auto& [element, charge] : {std::pair{"RI_43.bmp", "RI_09.bmp"},
                                          {"RI_47.bmp", "RI_09.bmp"},
                                          {"RI_69.bmp", "RI_12.bmp"}}) {
        SCOPED_TRACE(element);
        EXPECT_LE(sizeOf(element).width() + sizeOf(charge).width(), 45);
    }
}

// Rows of the ink of the leftmost third of the ink: the capital letter of a symbol, without
// the descender of a following small letter.
QRect capitalInk(const QImage& image) {
    const QRect ink = inkBox(image);
    return inkBox(image.copy(ink.left(), 0, ink.width() / 3 + 1, image.height()));
}

// Where the window puts them, the charge of an ion must read as a superscript (Fe²⁺), not
// as a count of atoms (Fe₂₊): it ends above the mid-line of the symbol's capital, yet
// overlaps the capital's height. The charge picture stands 10·u lower than the symbol's.
TEST(MainWindowPictures, IonChargeSitsRaisedBesideItsSymbolOnEveryScreen) {
    for (const float f : {0.78125f, 1.0f, 1.125f})
        for (const char* key : {"FeO", "HgO"}) {
            SCOPED_TRACE(testing::Message() << key << " at factor " << f);
            tarvon::LegendInput in;
            in.D0 = 150 * f;
            in.FactorPantalla = f;
            in.u = 10 * f;
            const tarvon::Legend legend = tarvon::Llegenda(tarvon::FindReaction(key)->legend, in);
            const auto fileOf = [&](int index) {
                for (const tarvon::LegendPicture& p : legend.pictures)
                    if (p.index == index)
                        return p.file.substr(p.file.find('/') + 1);
                throw std::out_of_range("legend picture");
            };
            const auto widthOf = [&](int index) {
                return static_cast<float>(sizeOf(fileOf(index)).width() * 15);
            };
            const auto places = tarvon::PlacePictures(legend, in.u, widthOf);
            const auto topOf = [&](int index) {
                for (const tarvon::PicturePlace& q : places)
                    if (q.index == index)
                        return tarvon::twipsToPixels(q.left, q.top, 0, 0).top();
                throw std::out_of_range("legend place");
            };
            int ions = 0;
            for (const tarvon::LegendPicture& p : legend.pictures) {
                if (p.follows == 0)
                    continue;
                ++ions;
                const QRect capital = capitalInk(renderPicture(recipe(fileOf(p.follows))))
                                          .translated(0, topOf(p.follows));
                const QRect charge =
                    inkBox(renderPicture(recipe(fileOf(p.index)))).translated(0, topOf(p.index));
                SCOPED_TRACE(fileOf(p.index));
                const double midLine = (capital.top() + capital.bottom()) / 2.0;
                EXPECT_LE(charge.bottom(), midLine);
                EXPECT_GT(charge.bottom(), capital.top());
            }
            EXPECT_EQ(ions, 2);
        }
}

TEST(FormulaRuns, LowersTheDigitsOfFormulasButNotCoefficients) {
    using R = FormulaRun;
    EXPECT_EQ(formulaRuns(QStringLiteral("2 NH3(g) → N2")),
              (std::vector<R>{{"2 NH", RunKind::Normal},
                              {"3", RunKind::Subscript},
                              {"(g) ", RunKind::Normal},
                              {"→", RunKind::Arrow},
                              {" N", RunKind::Normal},
                              {"2", RunKind::Subscript}}));
    EXPECT_EQ(formulaRuns(QStringLiteral("(E_a) C12 (OH)2")),
              (std::vector<R>{{"(E", RunKind::Normal},
                              {"a", RunKind::Subscript},
                              {") C", RunKind::Normal},
                              {"12", RunKind::Subscript},
                              {" (OH)", RunKind::Normal},
                              {"2", RunKind::Subscript}}));
}

// Fonts too large for the small variant are refused rather than clipped.
TEST(EnergyProfilePicture, RefusesLabelsThatDoNotFit) {
    QImage image(453, 437, QImage::Format_RGB32);
    EXPECT_THROW(paintEnergyProfilePicture(image, {40, 30, 30}, tarvon::Catala()), TextOverflow);
}

} // namespace
} // namespace assets
