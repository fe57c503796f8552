#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <string>

#include "CFontInfo.h"
#include "ColorRef.h"

namespace qb {

// Types a memo's text in place: a frameless edit box over the memo on the
// chart pane, in the memo's font and colours. Escape cancels; Ctrl+Enter or
// leaving the box commits. The result is reported once, then the editor
// deletes itself; nothing means cancelled.
class MemoTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using Finished = std::function<void(std::optional<std::string>)>;

    struct Look {
        // The font the chart draws the memo in; not valid: the default face.
        CFontInfo font;
        ColorRef textColor = kBlack;
        ColorRef bgColor = kWhite;
        bool bgPaint = true;
    };

    // Placed over rect (in the parent's coordinates), holding text (line
    // breaks as stored), focused and with all of the text selected.
    MemoTextEditor(QWidget* parent, const QRect& rect, const std::string& text, const Look& look,
                   Finished finished);

    // Ends the editing as if focus had left: commits.
    void Commit();
    void Cancel();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(std::optional<std::string> result);

    std::string stored_;
    Finished finished_;
    bool done_ = false;
};

}  // namespace qb
