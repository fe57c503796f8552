#pragma once

#include <QGuiApplication>
#include <memory>

namespace qb::cli {

// Fonts, painters and the PDF writer need an application object; a command
// never needs a screen, so it uses the off-screen platform unless the user
// named another.
class OffscreenQt {
public:
    // A new application object, or null when one exists already.
    static std::unique_ptr<QGuiApplication> Start();
};

}  // namespace qb::cli
