#include "CFontInfo.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "FontFacePool.h"

namespace qb {
namespace {

TEST(CFontInfo, FontsOfOneFaceShareItAndTheLastOneTakesItAway) {
    const std::size_t before = FontFacePool::Count();
    {
        CFontInfo gothic("IPAGothic", 9, 0);
        CFontInfo same(std::string("IPAGothic"), 12, CFontInfo::kBold);
        EXPECT_EQ(FontFacePool::Count(), before + 1);
        EXPECT_EQ(&gothic.GetFace(), &same.GetFace());

        CFontInfo mincho("IPAMincho", 9, 0);
        EXPECT_EQ(FontFacePool::Count(), before + 2);
        mincho = gothic;  // the last holder of its face lets it go
        EXPECT_EQ(FontFacePool::Count(), before + 1);
        EXPECT_EQ(mincho.GetFace(), "IPAGothic");

        // The default face is never held in the pool.
        CFontInfo plain(CFontInfo::DefaultFace(), 9, 0);
        EXPECT_EQ(&plain.GetFace(), &CFontInfo::DefaultFace());
        EXPECT_EQ(FontFacePool::Count(), before + 1);
    }
    EXPECT_EQ(FontFacePool::Count(), before);
}

TEST(CFontInfo, CopiesMovesAndSetFaceKeepEveryFontsOwnFace) {
    const std::size_t before = FontFacePool::Count();
    {
        CFontInfo source("Sans", 10, CFontInfo::kItalic);
        CFontInfo copy(source);
        CFontInfo moved(std::move(copy));
        EXPECT_EQ(moved.GetFace(), "Sans");
        EXPECT_EQ(copy.GetFace(), CFontInfo::DefaultFace());  // NOLINT: moved from
        CFontInfo assigned;
        assigned = std::move(moved);
        const CFontInfo& self = assigned;
        assigned = self;
        EXPECT_EQ(assigned.GetFace(), "Sans");
        EXPECT_EQ(assigned.GetSize(), 10);
        EXPECT_TRUE(assigned.IsItalic());

        // A face set from the font's own text survives its old face's release.
        CFontInfo alone("Only here", 10, 0);
        alone.SetFace(alone.GetFace());
        EXPECT_EQ(alone.GetFace(), "Only here");
        alone.SetFace("");
        EXPECT_EQ(alone.GetFace(), "");
        alone.SetFace(CFontInfo::DefaultFace());
        EXPECT_EQ(alone.GetFace(), CFontInfo::DefaultFace());
        EXPECT_EQ(source.GetFace(), "Sans");
    }
    EXPECT_EQ(FontFacePool::Count(), before);
}

TEST(CFontInfo, EqualityComparesFaceSizeAndStyleOfValidFontsOnly) {
    const CFontInfo font("Sans", 10, CFontInfo::kBold);
    EXPECT_EQ(font, CFontInfo(std::string("Sans"), 10, CFontInfo::kBold));
    EXPECT_FALSE(font == CFontInfo("Serif", 10, CFontInfo::kBold));
    EXPECT_FALSE(font == CFontInfo("Sans", 11, CFontInfo::kBold));
    EXPECT_FALSE(font == CFontInfo("Sans", 10, 0));
    EXPECT_FALSE(font == CFontInfo("Sans", 10, CFontInfo::kBold, false));
    EXPECT_EQ(CFontInfo("Sans", 10, 0, false), CFontInfo("Serif", 12, 1, false));
}

// Threads that read plans at the same time share the pool.
TEST(CFontInfo, ThreadsTakingAndDroppingTheSameFacesLeaveThePoolAsItWas) {
    const std::size_t before = FontFacePool::Count();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([] {
            const char* faces[] = {"Face A", "Face B", "Face C"};
            for (int i = 0; i < 20000; ++i) {
                CFontInfo font(faces[i % 3], 9, 0);
                CFontInfo copy(font);
                font = CFontInfo(faces[(i + 1) % 3], 9, 0);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(FontFacePool::Count(), before);
}

}  // namespace
}  // namespace qb
