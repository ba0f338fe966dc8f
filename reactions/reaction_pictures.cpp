#include "reactions/reaction_pictures.h"

#include <array>

namespace tarvon {

std::span<const PictureData> SharedReactionPictures() {
    static constexpr std::array kShared{kSynthesisPicture,      kDecompositionPicture,
                                        kHydrogenPicture,       kOxygenPicture,
                                        kDoublePositivePicture, kDoubleNegativePicture};
    return kShared;
}

std::string PicturePath(const char* file) {
    return std::string("Arxius_orvalis/") + file;
}

} // namespace tarvon
