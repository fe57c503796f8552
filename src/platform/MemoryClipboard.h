#pragma once

#include "IClipboard.h"

namespace qb {

// A clipboard that lives in this process only.
class MemoryClipboard : public IClipboard {
public:
    bool HasFormat(std::string_view name) const override;
    std::optional<std::string> Read(std::string_view name) const override;
    bool Write(const ClipboardContent& content) override;

    const ClipboardContent& Content() const { return content_; }
    // Makes the next writes fail, as a clipboard another program holds.
    void SetRefusing(bool refusing) { refusing_ = refusing; }

private:
    ClipboardContent content_;
    bool refusing_ = false;
};

}  // namespace qb
