#include "QtDrawContext.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <vector>

#include "ImageRenderer.h"

namespace qb {
namespace {

constexpr QRgb kWhitePixel = 0xFFFFFF;
constexpr QRgb kBlackPixel = 0x000000;

QImage Paint(int width, int height, const std::function<void(QtDrawContext&)>& paint) {
    return ImageRenderer::RenderImage(width, height, paint);
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Whether every pixel outside rect is still white.
bool OnlyInside(const QImage& image, const QRect& rect) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!rect.contains(x, y) && At(image, x, y) != kWhitePixel) {
                return false;
            }
        }
    }
    return true;
}

int DarkPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                ++count;
            }
        }
    }
    return count;
}

struct Pixel {
    int x, y;
    QRgb rgb;
};

// Shapes cover their left and top edges but not their right and bottom ones
// (the brush fills the inside, the null pen leaves it to the edges); fills
// and frames ignore pen and brush; lines leave out their last point, so that
// joined lines touch every pixel once.
TEST(QtDrawContextShapes, ShapesCoverLeftAndTopButNotRightAndBottomEdges) {
    struct Case {
        const char* what;
        std::function<void(QtDrawContext&)> paint;
        std::vector<Pixel> pixels;
        QRect inside;
    };
    const Case cases[] = {
        {"rectangle",
         [](QtDrawContext& dc) {
             dc.SetPen(DrawPen{kPenSolid, 1, 0x000000});
             dc.SetBrush(DrawBrush::Solid(0x0000FF));
             dc.Rectangle(DrawRect{2, 2, 8, 8});
         },
         {{2, 2, kBlackPixel},
          {7, 7, kBlackPixel},
          {4, 4, 0xFF0000},
          {8, 5, kWhitePixel},
          {5, 8, kWhitePixel}},
         QRect(2, 2, 6, 6)},
        {"null pen",
         [](QtDrawContext& dc) {
             dc.SetPen(DrawPen{kPenNull, 1, 0});
             dc.SetBrush(DrawBrush::Solid(0xFF0000));
             dc.Rectangle(DrawRect{2, 2, 8, 8});
         },
         {{2, 2, 0x0000FF}, {7, 7, 0x0000FF}},
         QRect(2, 2, 6, 6)},
        {"hollow brush",
         [](QtDrawContext& dc) {
             dc.SetBrush(DrawBrush::Hollow());
             dc.Rectangle(DrawRect{2, 2, 8, 8});
         },
         {{2, 5, kBlackPixel}, {4, 4, kWhitePixel}},
         QRect(2, 2, 6, 6)},
        {"fill and frame",
         [](QtDrawContext& dc) {
             dc.SetPen(DrawPen{kPenNull, 1, 0});
             dc.SetBrush(DrawBrush::Hollow());
             dc.FillRect(DrawRect{1, 1, 5, 5}, 0x00FF00);
             dc.FrameRect(DrawRect{8, 1, 11, 7}, 0x000000);
         },
         {{1, 1, 0x00FF00},
          {4, 4, 0x00FF00},
          {5, 4, kWhitePixel},
          {8, 1, kBlackPixel},
          {10, 6, kBlackPixel},
          {9, 3, kWhitePixel}},
         QRect(1, 1, 10, 6)},
        {"lines",
         [](QtDrawContext& dc) {
             dc.DrawLine(DrawPoint{1, 1}, DrawPoint{6, 1});
             const DrawPoint path[] = {{1, 4}, {6, 4}, {6, 9}};
             dc.Polyline(path);
         },
         {{1, 1, kBlackPixel},
          {5, 1, kBlackPixel},
          {6, 1, kWhitePixel},
          {6, 4, kBlackPixel},
          {6, 8, kBlackPixel}},
         QRect(1, 1, 6, 8)},
    };
    for (const Case& c : cases) {
        const QImage image = Paint(12, 12, c.paint);
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(At(image, p.x, p.y), p.rgb) << c.what << " at " << p.x << "," << p.y;
        EXPECT_TRUE(OnlyInside(image, c.inside)) << c.what;
    }
}

TEST(QtDrawContextShapes, TheNullPenDrawsNoLineAndWidePensDrawWide) {
    const QImage image = Paint(12, 12, [](QtDrawContext& dc) {
        dc.SetPen(DrawPen{kPenNull, 1, 0});
        dc.DrawLine(DrawPoint{0, 2}, DrawPoint{12, 2});
        dc.SetPen(DrawPen{kPenDot, 3, 0x000000});
        dc.DrawLine(DrawPoint{0, 7}, DrawPoint{12, 7});
    });
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, 12, 4)), 0);
    // Three rows of a solid line: a wide pen draws solid whatever its style.
    EXPECT_EQ(DarkPixels(image, QRect(0, 6, 11, 3)), 33);
}

TEST(QtDrawContextMix, MaskKeepsTheBitwiseAndOfSourceAndDestination) {
    bool rasterOps = false;
    const QImage image = Paint(20, 20, [&rasterOps](QtDrawContext& dc) {
        rasterOps = dc.HasRasterOps();
        dc.FillRect(DrawRect{0, 0, 20, 20}, 0x00FFFF);
        dc.SetMixMode(MixMode::mask);
        dc.SetPen(DrawPen{kPenSolid, 2, 0xFF00FF});
        dc.SetBrush(DrawBrush::Hollow());
        dc.Ellipse(DrawRect{2, 2, 18, 18});
        dc.SetMixMode(MixMode::copy);
        dc.FillRect(DrawRect{0, 0, 1, 1}, 0x00FF00);
    });
    ASSERT_TRUE(rasterOps);
    // Yellow AND magenta is red; the ring's inside keeps its yellow.
    EXPECT_EQ(At(image, 10, 2), 0xFF0000u);
    EXPECT_EQ(At(image, 10, 10), 0xFFFF00u);
    EXPECT_EQ(At(image, 0, 0), 0x00FF00u) << "copy mix replaces again";
}

TEST(QtDrawContextClip, NoTextPixelLandsOutsideTheClipAndRestoreWidensItAgain) {
    const QRect clip(10, 10, 30, 10);
    const QImage image = Paint(80, 40, [](QtDrawContext& dc) {
        dc.SaveState();
        dc.IntersectClip(DrawRect{10, 10, 40, 20});
        dc.IntersectClip(DrawRect{0, 0, 80, 40});
        dc.SetFont(DrawFont{"ＭＳ ゴシック", 24, 0});
        TextFormat noClip;
        noClip.clip = false;
        dc.DrawText("日本語のテキスト", DrawRect{0, 0, 80, 40}, noClip);
        dc.RestoreState();
    });
    EXPECT_GT(DarkPixels(image, clip), 0);
    EXPECT_TRUE(OnlyInside(image, clip));

    const QImage restored = Paint(20, 20, [](QtDrawContext& dc) {
        dc.SaveState();
        dc.IntersectClip(DrawRect{0, 0, 5, 5});
        dc.RestoreState();
        dc.FillRect(DrawRect{10, 10, 12, 12}, 0);
    });
    EXPECT_EQ(At(restored, 11, 11), kBlackPixel);
}

TEST(QtDrawContextClip, ClippedTextStaysInItsRectangleAndAnEmptyClipHidesEverything) {
    const QImage image = Paint(80, 40, [](QtDrawContext& dc) {
        dc.SetFont(DrawFont{"ＭＳ Ｐゴシック", 20, 0});
        dc.DrawText("とても長いテキストです", DrawRect{5, 5, 35, 15}, TextFormat::Centred());
    });
    EXPECT_GT(DarkPixels(image, QRect(5, 5, 30, 10)), 0);
    EXPECT_TRUE(OnlyInside(image, QRect(5, 5, 30, 10)));

    const QImage hidden = Paint(20, 20, [](QtDrawContext& dc) {
        dc.IntersectClip(DrawRect{5, 5, 5, 10});
        dc.FillRect(DrawRect{0, 0, 20, 20}, 0);
    });
    EXPECT_TRUE(OnlyInside(hidden, QRect()));
}

TEST(QtDrawContextText, JapaneseTextMeasuresWithTheResolvedFont) {
    const QImage image = Paint(10, 10, [](QtDrawContext& dc) {
        dc.SetFont(DrawFont{"ＭＳ Ｐゴシック", 12, 0});
        const DrawSize one = dc.MeasureText("日");
        const DrawSize three = dc.MeasureText("日本語");
        const DrawSize twoLines = dc.MeasureText("日本語\r\n日");
        EXPECT_GT(one.width, 0);
        EXPECT_GE(one.height, 12);
        EXPECT_GT(three.width, 2 * one.width);
        EXPECT_EQ(twoLines.width, three.width) << "the widest line sets the width";
        EXPECT_GT(twoLines.height, one.height);
        EXPECT_GT(dc.MeasureText("&A").width, dc.MeasureText("A").width)
            << "an ampersand is a character, not an accelerator prefix";
        EXPECT_EQ(dc.MeasureText("").width, 0);
    });
    EXPECT_FALSE(image.isNull());
}

TEST(QtDrawContextText, OpaqueTextFillsItsCellWithTheBackgroundColour) {
    const auto paint = [](BackgroundMode mode) {
        return Paint(60, 20, [mode](QtDrawContext& dc) {
            dc.SetBackgroundMode(mode);
            dc.SetBackgroundColour(0x00FF00);
            dc.SetTextColour(0x0000FF);
            dc.DrawText("ABC", DrawRect{0, 0, 60, 20}, TextFormat{});
        });
    };
    const QImage opaque = paint(BackgroundMode::opaque);
    const QImage transparent = paint(BackgroundMode::transparent);
    EXPECT_EQ(At(opaque, 1, 1), 0x00FF00u);
    EXPECT_EQ(At(transparent, 1, 1), kWhitePixel);
    EXPECT_EQ(At(transparent, 59, 19), kWhitePixel);
}

TEST(QtDrawContextFocus, AFocusRectangleIsDottedAndDrawingItTwiceRemovesIt) {
    const QImage once = Paint(20, 20, [](QtDrawContext& dc) {
        dc.DrawFocusRect(DrawRect{2, 2, 12, 12});
    });
    EXPECT_GT(DarkPixels(once, QRect(2, 2, 10, 1)), 3);
    EXPECT_LT(DarkPixels(once, QRect(2, 2, 10, 1)), 10) << "dotted, not solid";
    EXPECT_TRUE(OnlyInside(once, QRect(2, 2, 10, 10)));
    EXPECT_EQ(DarkPixels(once, QRect(3, 3, 8, 8)), 0);

    const QImage twice = Paint(20, 20, [](QtDrawContext& dc) {
        dc.DrawFocusRect(DrawRect{2, 2, 12, 12});
        dc.DrawFocusRect(DrawRect{2, 2, 12, 12});
    });
    EXPECT_TRUE(OnlyInside(twice, QRect()));
}

// A restore with nothing saved is harmless; one save is left open for the
// context's end to restore.
TEST(QtDrawContextState, TranslateMovesLaterDrawingAndRestoreTakesItBack) {
    const QImage image = Paint(20, 20, [](QtDrawContext& dc) {
        dc.RestoreState();
        dc.SetPen(DrawPen{kPenSolid, 1, 0x0000FF});
        dc.SaveState();
        dc.SetPen(DrawPen{kPenSolid, 1, 0x00FF00});
        dc.Translate(10, 5);
        dc.IntersectClip(DrawRect{0, 0, 2, 2});
        dc.FillRect(DrawRect{0, 0, 5, 5}, 0x000000);
        dc.RestoreState();
        dc.FillRect(DrawRect{0, 0, 1, 1}, 0x000000);
        dc.DrawLine(DrawPoint{0, 15}, DrawPoint{4, 15});
        dc.SaveState();
    });
    EXPECT_EQ(At(image, 3, 15), 0xFF0000u) << "the pen saved comes back";
    EXPECT_EQ(At(image, 10, 5), kBlackPixel);
    EXPECT_EQ(At(image, 11, 6), kBlackPixel);
    EXPECT_EQ(At(image, 12, 5), kWhitePixel) << "the clip moved with the origin";
    EXPECT_EQ(At(image, 0, 0), kBlackPixel);
    EXPECT_TRUE(OnlyInside(image, QRect(0, 0, 12, 16)));
}

}  // namespace
}  // namespace qb
