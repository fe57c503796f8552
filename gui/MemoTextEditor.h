#pragma once

#include "ColorRef.h"
#include "InPlaceTextEditor.h"

namespace qb {

// Types a memo's text in place: a frameless edit box over the memo on the
// chart pane, in the memo's font and colours. Ctrl+Enter commits.
class MemoTextEditor : public InPlaceTextEditor {
    Q_OBJECT

public:
    struct Look {
        // The font the chart draws the memo in; not valid: the default face.
        CFontInfo font;
        ColorRef textColor = kBlack;
        ColorRef bgColor = kWhite;
        bool bgPaint = true;
    };

    MemoTextEditor(QWidget* parent, const QRect& rect, const std::string& text, const Look& look,
                   Finished finished);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qb
