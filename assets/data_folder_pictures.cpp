#include "assets/data_folder_pictures.h"

#include "assets/about_picture.h"
#include "assets/pointer_picture.h"
#include "assets/recommendations_picture.h"
#include "assets/water_texture.h"

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

PictureRecipe about(const char* name, QSize size, CardFonts fonts) {
    return {QString::fromLatin1(name), size,
            [fonts](QImage& image) { paintAboutPicture(image, fonts); }};
}

PictureRecipe recommendations(const char* name, QSize size, CardFonts fonts) {
    return {QString::fromLatin1(name), size,
            [fonts](QImage& image) { paintRecommendationsPicture(image, fonts); }};
}

} // namespace

const std::vector<PictureRecipe>& dataFolderPictures() {
    static const std::vector<PictureRecipe> pictures{
        about("SobreAquestTreball.jpg", {401, 601}, kAbout),
        about("SobreAquestTreball800.jpg", {313, 470}, kAbout800),
        about("SobreAquestTreball1152.jpg", {451, 676}, kAbout1152),
        recommendations("Recomana.jpg", {297, 613}, kRecom),
        recommendations("Recomana800.jpg", {232, 479}, kRecom800),
        recommendations("Recomana1152.jpg", {334, 690}, kRecom1152),
        {QStringLiteral("FonsOrvalis.jpg"), {1134, 850}, paintWaterTexture},
        {QStringLiteral("Punter.png"), {32, 32}, paintPointerPicture},
    };
    return pictures;
}

} // namespace assets
