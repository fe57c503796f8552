#pragma once

#include <QUrl>

#include "IShell.h"

namespace qb {

// Hands folders, documents and web addresses to the desktop.
class QtShell : public IShell {
public:
    bool Open(const std::string& target) override;

    // Web and mail addresses stay addresses; anything else is a local path.
    static QUrl ToUrl(const std::string& target);
};

}  // namespace qb
