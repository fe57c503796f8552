#include "ImageRenderer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace qb {
namespace {

void PaintSomething(IDrawContext& dc) {
    dc.FillRect(DrawRect{10, 10, 50, 30}, 0x0000FF);
    dc.DrawText("工程表", DrawRect{0, 0, 100, 40}, TextFormat::Centred());
}

class ImageRendererTest : public testing::Test {
protected:
    std::string PathOf(const char* name) const {
        return dir_.filePath(QString::fromUtf8(name)).toStdString();
    }

    static QByteArray Head(const std::string& path, int bytes) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.read(bytes);
    }

    QTemporaryDir dir_;
};

TEST_F(ImageRendererTest, PngIsWrittenAtThePictureSizeWithWhatWasPainted) {
    ASSERT_TRUE(dir_.isValid());
    ImageRenderer renderer;
    const std::string path = PathOf("chart.png");
    ASSERT_TRUE(renderer.Render(path, 100, 40, PaintSomething)) << renderer.ErrorString();
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(100, 40));
    EXPECT_EQ(image.pixel(12, 12) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(99, 39) & 0xFFFFFF, 0xFFFFFFu) << "the ground is white";
}

TEST_F(ImageRendererTest, SvgAndPdfAreWrittenByTheirExtensionWhateverItsCase) {
    ASSERT_TRUE(dir_.isValid());
    ImageRenderer renderer;
    const std::string svg = PathOf("chart.SVG");
    const std::string pdf = PathOf("chart.pdf");
    ASSERT_TRUE(renderer.Render(svg, 100, 40, PaintSomething)) << renderer.ErrorString();
    ASSERT_TRUE(renderer.Render(pdf, 100, 40, PaintSomething)) << renderer.ErrorString();
    const QByteArray svgHead = Head(svg, 5);
    EXPECT_TRUE(svgHead.startsWith("<?xml") || svgHead.startsWith("<svg")) << svgHead.constData();
    EXPECT_TRUE(Head(pdf, 4).startsWith("%PDF"));
}

TEST_F(ImageRendererTest, FailuresAreReportedAsTextAndWriteNothing) {
    ASSERT_TRUE(dir_.isValid());
    ImageRenderer renderer;
    EXPECT_FALSE(renderer.Render(PathOf("chart.bmp"), 10, 10, PaintSomething));
    EXPECT_NE(renderer.ErrorString().find(".png"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("chart.bmp"))));

    EXPECT_FALSE(renderer.Render(PathOf("empty.png"), 0, 10, PaintSomething));
    EXPECT_FALSE(
        renderer.Render(PathOf("huge.png"), 10, ImageRenderer::kMaxSide + 1, PaintSomething));
    EXPECT_FALSE(renderer.ErrorString().empty());

    for (const char* name : {"missing/chart.png", "missing/chart.svg", "missing/chart.pdf"}) {
        EXPECT_FALSE(renderer.Render(PathOf(name), 10, 10, PaintSomething)) << name;
        EXPECT_NE(renderer.ErrorString().find("cannot write"), std::string::npos) << name;
    }

    ASSERT_TRUE(renderer.Render(PathOf("after.png"), 10, 10, PaintSomething));
    EXPECT_TRUE(renderer.ErrorString().empty()) << "a success clears the last error";
}

}  // namespace
}  // namespace qb
