#include "MemoTextEditor.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

#include "FontResolver.h"
#include "FormText.h"
#include "dialogs/ColourButton.h"

namespace qb {
namespace {

// The family the chart draws the face with, at the same pixel size.
QFont ToQFont(const CFontInfo& info) {
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

}  // namespace

MemoTextEditor::MemoTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                               const Look& look, Finished finished)
    : QPlainTextEdit(parent), stored_(text), finished_(std::move(finished)) {
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(ToQFont(look.font));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ColourButton::ToQColor(look.textColor));
    colours.setColor(QPalette::Base,
                     look.bgPaint ? ColourButton::ToQColor(look.bgColor) : QColor(Qt::white));
    setPalette(colours);
    setPlainText(QString::fromStdString(FormText::ForEditor(text)));
    selectAll();
    setGeometry(rect);
    show();
    setFocus(Qt::OtherFocusReason);
}

void MemoTextEditor::Commit() {
    Finish(FormText::FromEditor(toPlainText().toStdString(), stored_));
}

void MemoTextEditor::Cancel() {
    Finish(std::nullopt);
}

void MemoTextEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        Commit();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoTextEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A context menu of the box itself takes focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
}

// Reported once; the editor goes away after the event that ended it.
void MemoTextEditor::Finish(std::optional<std::string> result) {
    if (done_)
        return;
    done_ = true;
    hide();
    deleteLater();
    if (finished_)
        finished_(std::move(result));
}

}  // namespace qb
