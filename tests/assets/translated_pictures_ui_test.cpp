// The data folder's pictures painted with the built-in catalogues' words, as the build checks
// them and the programs show them in Spanish and English.
#include "assets/picture_writer.h"
#include "assets/reaction_kind_words.h"
#include "picture_lookup.h"

#include <QImage>
#include <gtest/gtest.h>

#include <stdexcept>

namespace assets {
namespace {

// A picture with words is painted anew in another language and nothing in it is cut; one
// without words is the very picture of the file, so the file may stand for it.
TEST(TranslatedPictures, ThoseWithWordsDifferFromTheCatalanAndFitTheRestAreTheFiles) {
    const std::vector<PictureRecipe>& catalan = dataFolderPictures();
    for (const char* code : {"es", "en"}) {
        const std::vector<PictureRecipe> translated = dataFolderPictures(test::builtInWords(code));
        EXPECT_TRUE(checkPictures(translated).isEmpty())
            << code << ": " << checkPictures(translated).join("; ").toStdString();
        ASSERT_EQ(translated.size(), catalan.size());
        int withWords = 0;
        for (std::size_t i = 0; i < catalan.size(); ++i) {
            const PictureRecipe& ca = catalan[i];
            SCOPED_TRACE(code + (": " + ca.fileName.toStdString()));
            ASSERT_EQ(translated[i].fileName, ca.fileName);
            ASSERT_EQ(translated[i].hasWords, ca.hasWords);
            EXPECT_EQ(renderPicture(translated[i]) == renderPicture(ca), !ca.hasWords);
            withWords += ca.hasWords;
        }
        // About, recommendations, energy profile (three, three, two) and two reaction kinds.
        EXPECT_EQ(withWords, 10);
    }
}

// A reaction kind the registry adds without a translatable heading stops the build.
TEST(TranslatedPictures, AReactionKindWithoutAHeadingKeyIsRefused) {
    EXPECT_THROW(reactionKindKey("Reacció de neutralització"), std::out_of_range);
}

} // namespace
} // namespace assets
