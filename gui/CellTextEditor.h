#pragma once

#include "InPlaceTextEditor.h"

namespace qb {

// Types a cell's text or a row's caption in place: a framed edit box over
// the cell. Enter commits, Ctrl+Enter or Alt+Enter breaks the line.
class CellTextEditor : public InPlaceTextEditor {
    Q_OBJECT

public:
    CellTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                   const CFontInfo& font, Finished finished);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qb
