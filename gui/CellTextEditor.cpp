#include "CellTextEditor.h"

#include <QKeyEvent>

namespace qb {

CellTextEditor::CellTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                               const CFontInfo& font, Finished finished)
    : InPlaceTextEditor(parent, text, std::move(finished)) {
    setFrameShape(QFrame::Box);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Open(rect, font);
}

void CellTextEditor::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    if (enter) {
        Commit();
        return;
    }
    InPlaceTextEditor::keyPressEvent(event);
}

}  // namespace qb
