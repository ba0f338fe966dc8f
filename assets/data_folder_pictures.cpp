#include "assets/data_folder_pictures.h"

#include "assets/about_picture.h"
#include "assets/energy_profile_picture.h"
#include "assets/equation_pictures.h"
#include "assets/legend_pictures.h"
#include "assets/picture_words.h"
#include "assets/pointer_picture.h"
#include "assets/reaction_kind_words.h"
#include "assets/recommendations_picture.h"
#include "assets/water_texture.h"
#include "reactions/registry.h"

#include <set>
#include <string>

namespace assets {

namespace {

// Font sizes (px) per variant: the base pictures for 1024-pixel screens, the 800 ones scaled
// by 0.78125 and the 1152 ones by 1.125, rounded to what still fits and reads well.
constexpr CardFonts kAbout{24, 13, 17, 14, 11};
constexpr CardFonts kAbout800{19, 10, 13, 11, 9};
constexpr CardFonts kAbout1152{27, 15, 19, 16, 12};
constexpr CardFonts kRecom{22, 12, 15, 13, 11};
constexpr CardFonts kRecom800{17, 10, 12, 10, 9};
constexpr CardFonts kRecom1152{25, 14, 17, 15, 12};

PictureRecipe about(const char* name, QSize size, CardFonts fonts, const tarvon::Language& words) {
    return {QString::fromLatin1(name), size,
            [fonts, &words](QImage& image) { paintAboutPicture(image, fonts, words); }, true};
}

PictureRecipe recommendations(const char* name, QSize size, CardFonts fonts,
                              const tarvon::Language& words) {
    return {QString::fromLatin1(name), size,
            [fonts, &words](QImage& image) { paintRecommendationsPicture(image, fonts, words); },
            true};
}

constexpr ProfileFonts kProfile{22, 15, 14};
constexpr ProfileFonts kProfile800{18, 12, 12};

PictureRecipe energyProfile(const char* name, QSize size, ProfileFonts fonts,
                            const tarvon::Language& words) {
    return {QString::fromLatin1(name), size,
            [fonts, &words](QImage& image) { paintEnergyProfilePicture(image, fonts, words); },
            true};
}

PictureRecipe reactionKind(const char* name, const QString& kind) {
    return {QString::fromLatin1(name), reactionKindSize(kind),
            [kind](QImage& image) { paintReactionKindPicture(image, kind); }, true};
}

PictureRecipe equation(const char* name, const QString& text) {
    return {QString::fromLatin1(name), equationSize(text),
            [text](QImage& image) { paintEquationPicture(image, text); }};
}

PictureRecipe element(const char* name, const QString& symbol) {
    return {QString::fromLatin1(name), elementSize(symbol),
            [symbol](QImage& image) { paintElementPicture(image, symbol); }};
}

PictureRecipe charge(const char* name, const QString& text) {
    return {QString::fromLatin1(name), chargeSize(text),
            [text](QImage& image) { paintChargePicture(image, text); }};
}

PictureRecipe reactionPicture(const tarvon::PictureData& entry, const tarvon::Language& words) {
    const QString text = QString::fromUtf8(entry.text);
    switch (entry.kind) {
    case tarvon::PictureKind::ReactionKind:
        return reactionKind(entry.file, say(words, reactionKindKey(entry.text)));
    case tarvon::PictureKind::Equation:
        return equation(entry.file, text);
    case tarvon::PictureKind::Element:
        return element(entry.file, text);
    case tarvon::PictureKind::Charge:
        break;
    }
    return charge(entry.file, text);
}

// The shared pictures of the reactions, then each registered reaction's own;
// a file two reactions name is painted once.
std::vector<PictureRecipe> reactionPictures(const tarvon::Language& words) {
    std::vector<tarvon::PictureData> entries(tarvon::SharedReactionPictures().begin(),
                                             tarvon::SharedReactionPictures().end());
    for (const tarvon::ReactionDescription* r : tarvon::Reactions())
        entries.insert(entries.end(), r->pictures.own.begin(), r->pictures.own.end());
    std::vector<PictureRecipe> recipes;
    std::set<std::string> painted;
    for (const tarvon::PictureData& entry : entries)
        if (painted.insert(entry.file).second)
            recipes.push_back(reactionPicture(entry, words));
    return recipes;
}

std::vector<PictureRecipe> mainWindowPictures(const tarvon::Language& words) {
    std::vector<PictureRecipe> pictures{
        energyProfile("ComplexActivat5.jpg", {580, 560}, kProfile, words),
        energyProfile("ComplexActivat800.jpg", {453, 437}, kProfile800, words),
    };
    for (PictureRecipe& recipe : reactionPictures(words))
        pictures.push_back(std::move(recipe));
    return pictures;
}

std::vector<PictureRecipe> launcherPictures(const tarvon::Language& words) {
    return {
        about("SobreAquestTreball.jpg", {401, 601}, kAbout, words),
        about("SobreAquestTreball800.jpg", {313, 470}, kAbout800, words),
        about("SobreAquestTreball1152.jpg", {451, 676}, kAbout1152, words),
        recommendations("Recomana.jpg", {297, 613}, kRecom, words),
        recommendations("Recomana800.jpg", {232, 479}, kRecom800, words),
        recommendations("Recomana1152.jpg", {334, 690}, kRecom1152, words),
        {QStringLiteral("FonsOrvalis.jpg"), {1134, 850}, paintWaterTexture},
        {QStringLiteral("Punter.png"), {32, 32}, paintPointerPicture},
    };
}

} // namespace

std::vector<PictureRecipe> dataFolderPictures(const tarvon::Language& words) {
    std::vector<PictureRecipe> all = launcherPictures(words);
    for (PictureRecipe& recipe : mainWindowPictures(words))
        all.push_back(std::move(recipe));
    return all;
}

// The main window's pictures are sized to their text, so the list is made on first use, once
// a QGuiApplication can measure fonts.
const std::vector<PictureRecipe>& dataFolderPictures() {
    static const std::vector<PictureRecipe> pictures = dataFolderPictures(tarvon::Catala());
    return pictures;
}

} // namespace assets
