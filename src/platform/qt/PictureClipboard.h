#pragma once

#include <functional>

#include "QtDrawContext.h"

namespace qb {

// Puts a picture on the system clipboard twice: as SVG ("image/svg+xml"),
// which drawing programs take as lines and text, and as a bitmap for the
// rest. Sizes in pixels.
class PictureClipboard {
public:
    using PaintFunction = std::function<void(QtDrawContext&)>;

    // False for a size no bitmap can hold or a clipboard that refused it.
    static bool Copy(int width, int height, const PaintFunction& paint);
    // The SVG document alone.
    static QByteArray Svg(int width, int height, const PaintFunction& paint);
};

}  // namespace qb
