#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "QtDrawContext.h"

namespace qb {

// Paints a picture of a fixed size in pixels into a file: PNG, SVG or PDF,
// chosen by the file's extension. A PDF gets one page of exactly the
// picture's size. Failures are reported through ErrorString, never thrown.
class ImageRenderer {
public:
    // Painters written against IDrawContext fit as they are; those that place
    // panes side by side may move the origin of the Qt context.
    using PaintFunction = std::function<void(QtDrawContext&)>;

    // Larger pictures are refused rather than left to fail deep in Qt.
    static constexpr int kMaxSide = 32767;

    [[nodiscard]] bool Render(const std::string& path, int width, int height,
                              const PaintFunction& paint);
    const std::string& ErrorString() const { return error_; }

    // The picture on a white ground, as a PNG would hold it; a null image
    // for a size out of range.
    static QImage RenderImage(int width, int height, const PaintFunction& paint);

private:
    bool RenderPng(const std::string& path, int width, int height, const PaintFunction& paint);
    bool RenderSvg(const std::string& path, int width, int height, const PaintFunction& paint);
    bool RenderPdf(const std::string& path, int width, int height, const PaintFunction& paint);
    bool Fail(std::string message);

    std::string error_;
};

}  // namespace qb
