#pragma once

#include <memory>

#include "CData.h"
#include "IDialogs.h"

namespace qb {

// A property dialog's preview on the chart: each acceptable state of the
// dialog is shown in turn, and the preview ends exactly once, when the dialog
// closes or goes away. It keeps the values it shows alive while they are
// shown.
class DialogPreview {
public:
    explicit DialogPreview(IDialogs::ObjectPreview preview) : preview_(std::move(preview)) {}
    ~DialogPreview() { End(); }
    DialogPreview(const DialogPreview&) = delete;
    DialogPreview& operator=(const DialogPreview&) = delete;

    bool IsOn() const { return preview_ && !ended_; }
    void Show(std::unique_ptr<CData> values) {
        if (!IsOn())
            return;
        shown_ = std::move(values);
        preview_(shown_.get());
    }
    void End() {
        if (ended_)
            return;
        ended_ = true;
        if (preview_)
            preview_(nullptr);
    }

private:
    IDialogs::ObjectPreview preview_;
    std::unique_ptr<CData> shown_;
    bool ended_ = false;
};

}  // namespace qb
