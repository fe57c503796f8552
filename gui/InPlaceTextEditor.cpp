#include "InPlaceTextEditor.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

#include "FontResolver.h"
#include "FormText.h"

namespace qb {

InPlaceTextEditor::InPlaceTextEditor(QWidget* parent, const std::string& text, Finished finished)
    : QPlainTextEdit(parent), stored_(text), finished_(std::move(finished)) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QFont InPlaceTextEditor::ToQFont(const CFontInfo& info) {
    FontResolver families;
    QFont font(families.Resolve(info.IsValid() ? info.GetFace() : CFontInfo::DefaultFace()));
    const int size = info.IsValid() ? std::abs(info.GetSize()) : 0;
    font.setPixelSize(size > 0 ? std::min(size, 4096) : CFontInfo::kDefaultSize);
    font.setBold(info.IsBold());
    font.setItalic(info.IsItalic());
    font.setUnderline(info.IsUnderline());
    font.setStrikeOut(info.IsStrikeOut());
    return font;
}

void InPlaceTextEditor::Open(const QRect& rect, const CFontInfo& font) {
    setFont(ToQFont(font));
    setPlainText(QString::fromStdString(FormText::ForEditor(stored_)));
    selectAll();
    setGeometry(rect);
    show();
    setFocus(Qt::OtherFocusReason);
}

void InPlaceTextEditor::Commit() {
    Finish(FormText::FromEditor(toPlainText().toStdString(), stored_));
}

void InPlaceTextEditor::Cancel() {
    Finish(std::nullopt);
}

void InPlaceTextEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void InPlaceTextEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A context menu of the box itself takes focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
}

// Reported once; the editor goes away after the event that ended it.
void InPlaceTextEditor::Finish(std::optional<std::string> result) {
    if (done_)
        return;
    done_ = true;
    hide();
    deleteLater();
    if (finished_)
        finished_(std::move(result));
}

}  // namespace qb
