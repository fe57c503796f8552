#include "MemoTextEditor.h"

#include <QKeyEvent>

#include "dialogs/ColourButton.h"

namespace qb {

MemoTextEditor::MemoTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                               const Look& look, Finished finished)
    : InPlaceTextEditor(parent, text, std::move(finished)) {
    setFrameShape(QFrame::NoFrame);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ColourButton::ToQColor(look.textColor));
    colours.setColor(QPalette::Base,
                     look.bgPaint ? ColourButton::ToQColor(look.bgColor) : QColor(Qt::white));
    setPalette(colours);
    Open(rect, look.font);
}

void MemoTextEditor::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        Commit();
        return;
    }
    InPlaceTextEditor::keyPressEvent(event);
}

}  // namespace qb
