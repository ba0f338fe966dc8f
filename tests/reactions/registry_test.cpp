#include "reactions/registry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace tarvon {
namespace {

// Two reactions with one key would leave the second out of reach of the menu
// and the runner.
TEST(Registry, EachKeyFindsItsOwnReaction) {
    ASSERT_FALSE(Reactions().empty());
    for (const ReactionDescription* r : Reactions())
        EXPECT_EQ(FindReaction(r->key), r) << r->key;
    EXPECT_EQ(FindReaction(""), nullptr);
}

// The window has four boxes for a reaction's counters; each data column takes
// the count of one of them, under a header of its own.
TEST(Registry, EveryDataColumnTakesTheCountOfACounterBox) {
    for (const ReactionDescription* r : Reactions()) {
        SCOPED_TRACE(r->key);
        EXPECT_TRUE(!r->counters.empty() && r->counters.size() <= 4);
        EXPECT_FALSE(r->columns.empty());
        std::set<std::string> names{"Temps"};
        for (const DataColumn& column : r->columns) {
            EXPECT_TRUE(names.insert(column.name).second) << column.name;
            EXPECT_LT(column.counter, r->counters.size()) << column.name;
        }
    }
}

// The build paints one picture per file name: reactions naming the same file
// must mean the same picture, and each shows a heading and an equation.
TEST(Registry, AFileNamedTwiceIsOnePicture) {
    std::map<std::string, const PictureData*> byFile;
    const auto add = [&](const PictureData& p) {
        const auto [at, added] = byFile.emplace(p.file, &p);
        EXPECT_TRUE(added ||
                    (at->second->kind == p.kind && std::string(at->second->text) == p.text))
            << p.file;
    };
    for (const PictureData& p : SharedReactionPictures())
        add(p);
    for (const ReactionDescription* r : Reactions()) {
        for (const PictureData& p : r->pictures.own)
            add(p);
        for (const PictureData* p : {r->pictures.heading, r->pictures.equation})
            add(*p);
        EXPECT_EQ(r->pictures.heading->kind, PictureKind::ReactionKind) << r->key;
        EXPECT_EQ(r->pictures.equation->kind, PictureKind::Equation) << r->key;
    }
}

} // namespace
} // namespace tarvon
