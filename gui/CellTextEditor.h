#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <string>

#include "CFontInfo.h"

namespace qb {

// Types a cell's text or a row's caption in place: a framed edit box over
// the cell. Enter commits, Ctrl+Enter or Alt+Enter breaks the line, Escape
// cancels, leaving the box commits. The result is reported once, then the
// editor deletes itself; nothing means cancelled.
class CellTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using Finished = std::function<void(std::optional<std::string>)>;

    // Placed over rect (in the parent's coordinates), holding text (line
    // breaks as stored), focused and with all of the text selected.
    CellTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                   const CFontInfo& font, Finished finished);

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
