#pragma once

#include "IClipboard.h"

namespace qb {

// The desktop's clipboard through Qt: each private format under its own
// name, so that another program on the desktop (another window of this one)
// finds it by that name, and the text as plain text.
class QtClipboard : public IClipboard {
public:
    bool HasFormat(std::string_view name) const override;
    std::optional<std::string> Read(std::string_view name) const override;
    bool Write(const ClipboardContent& content) override;
};

}  // namespace qb
