#include "QtDrawContext.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

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

TEST(QtDrawContextShapes, RectangleCoversItsLeftAndTopButNotItsRightAndBottom) {
    const QImage image = Paint(12, 12, [](QtDrawContext& dc) {
        dc.SetPen(DrawPen{kPenSolid, 1, 0x000000});
        dc.SetBrush(DrawBrush::Solid(0x0000FF));
        dc.Rectangle(DrawRect{2, 2, 8, 8});
    });
    EXPECT_EQ(At(image, 2, 2), kBlackPixel);
    EXPECT_EQ(At(image, 7, 7), kBlackPixel);
    EXPECT_EQ(At(image, 4, 4), 0xFF0000u) << "the brush fills the inside";
    EXPECT_EQ(At(image, 8, 5), kWhitePixel);
    EXPECT_EQ(At(image, 5, 8), kWhitePixel);
    EXPECT_TRUE(OnlyInside(image, QRect(2, 2, 6, 6)));
}

TEST(QtDrawContextShapes, RectangleWithTheNullPenIsFilledToItsEdgesAndHollowBrushLeavesTheInside) {
    const QImage filled = Paint(12, 12, [](QtDrawContext& dc) {
        dc.SetPen(DrawPen{kPenNull, 1, 0});
        dc.SetBrush(DrawBrush::Solid(0xFF0000));
        dc.Rectangle(DrawRect{2, 2, 8, 8});
    });
    EXPECT_EQ(At(filled, 2, 2), 0x0000FFu);
    EXPECT_EQ(At(filled, 7, 7), 0x0000FFu);
    EXPECT_TRUE(OnlyInside(filled, QRect(2, 2, 6, 6)));

    const QImage hollow = Paint(12, 12, [](QtDrawContext& dc) {
        dc.SetBrush(DrawBrush::Hollow());
        dc.Rectangle(DrawRect{2, 2, 8, 8});
    });
    EXPECT_EQ(At(hollow, 2, 5), kBlackPixel);
    EXPECT_EQ(At(hollow, 4, 4), kWhitePixel);
}

TEST(QtDrawContextShapes, FillAndFrameIgnorePenAndBrushAndKeepTheExclusiveEdges) {
    const QImage image = Paint(20, 12, [](QtDrawContext& dc) {
        dc.SetPen(DrawPen{kPenNull, 1, 0});
        dc.SetBrush(DrawBrush::Hollow());
        dc.FillRect(DrawRect{1, 1, 5, 5}, 0x00FF00);
        dc.FrameRect(DrawRect{8, 1, 14, 7}, 0x000000);
    });
    EXPECT_EQ(At(image, 1, 1), 0x00FF00u);
    EXPECT_EQ(At(image, 4, 4), 0x00FF00u);
    EXPECT_EQ(At(image, 5, 4), kWhitePixel);
    EXPECT_EQ(At(image, 8, 1), kBlackPixel);
    EXPECT_EQ(At(image, 13, 6), kBlackPixel);
    EXPECT_EQ(At(image, 10, 3), kWhitePixel) << "a frame leaves its inside alone";
    EXPECT_EQ(At(image, 14, 6), kWhitePixel);
    EXPECT_EQ(At(image, 13, 7), kWhitePixel);
}

TEST(QtDrawContextShapes, LinesLeaveOutTheirLastPointSoJoinedLinesTouchEveryPixelOnce) {
    const QImage image = Paint(12, 12, [](QtDrawContext& dc) {
        dc.DrawLine(DrawPoint{1, 1}, DrawPoint{6, 1});
        const DrawPoint path[] = {{1, 4}, {6, 4}, {6, 9}};
        dc.Polyline(path);
    });
    EXPECT_EQ(At(image, 1, 1), kBlackPixel);
    EXPECT_EQ(At(image, 5, 1), kBlackPixel);
    EXPECT_EQ(At(image, 6, 1), kWhitePixel);
    EXPECT_EQ(At(image, 6, 4), kBlackPixel) << "the inner corner of a polyline is drawn";
    EXPECT_EQ(At(image, 6, 8), kBlackPixel);
    EXPECT_EQ(At(image, 6, 9), kWhitePixel);
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

TEST(QtDrawContextText, WordWrapBreaksLongTextIntoLines) {
    const auto inkRows = [](bool wrap) {
        const QImage image = Paint(60, 80, [wrap](QtDrawContext& dc) {
            TextFormat format;
            format.singleLine = false;
            format.wordWrap = wrap;
            dc.DrawText("word word word word word", DrawRect{0, 0, 60, 80}, format);
        });
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (DarkPixels(image, QRect(0, y, 60, 1)) > 0) {
                lowest = y;
            }
        }
        return lowest;
    };
    EXPECT_GT(inkRows(true), inkRows(false) + 10);
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

TEST(QtDrawContextState, TranslateMovesLaterDrawingAndRestoreTakesItBack) {
    const QImage image = Paint(20, 20, [](QtDrawContext& dc) {
        dc.SaveState();
        dc.Translate(10, 5);
        dc.IntersectClip(DrawRect{0, 0, 2, 2});
        dc.FillRect(DrawRect{0, 0, 5, 5}, 0x000000);
        dc.RestoreState();
        dc.FillRect(DrawRect{0, 0, 1, 1}, 0x000000);
    });
    EXPECT_EQ(At(image, 10, 5), kBlackPixel);
    EXPECT_EQ(At(image, 11, 6), kBlackPixel);
    EXPECT_EQ(At(image, 12, 5), kWhitePixel) << "the clip moved with the origin";
    EXPECT_EQ(At(image, 0, 0), kBlackPixel);
    EXPECT_TRUE(OnlyInside(image, QRect(0, 0, 12, 7)));
}

TEST(QtDrawContextState, RestoreWithNothingSavedIsHarmlessAndStateComesBack) {
    const QImage image = Paint(20, 10, [](QtDrawContext& dc) {
        dc.RestoreState();
        dc.SetPen(DrawPen{kPenSolid, 1, 0x0000FF});
        dc.SaveState();
        dc.SetPen(DrawPen{kPenSolid, 1, 0x00FF00});
        dc.RestoreState();
        dc.DrawLine(DrawPoint{0, 5}, DrawPoint{20, 5});
        dc.SaveState();  // left open: the context's end restores the painter
    });
    EXPECT_EQ(At(image, 3, 5), 0xFF0000u);
}

}  // namespace
}  // namespace qb
