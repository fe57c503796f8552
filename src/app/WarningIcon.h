#pragma once

#include <string>

namespace qb {

// The warning icon put into the recovery folder, so that the folder's
// contents stand out in a file browser: a 32 by 32 pixel ICO file.
class WarningIcon {
public:
    static constexpr int kSize = 32;

    // The bytes of the ICO file.
    static std::string FileBytes();
};

}  // namespace qb
