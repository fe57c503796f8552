#include "CellTextEditor.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

#include "FontResolver.h"
#include "FormText.h"

namespace qb {
namespace {

QFont ToQFont(const CFontInfo& info) {
    FontResolver families;
    QFont font(families.Resolve(info.IsValid() ? info.GetFace() : CFontInfo::DefaultFace()));
    const int size = info.IsValid() ? std::abs(info.GetSize()) : 0;
    font.setPixelSize(size > 0 ? std::min(size, 4096) : CFontInfo::kDefaultSize);
    font.setBold(info.IsBold());
    font.setItalic(info.IsItalic());
    return font;
}

}  // namespace

CellTextEditor::CellTextEditor(QWidget* parent, const QRect& rect, const std::string& text,
                               const CFontInfo& font, Finished finished)
    : QPlainTextEdit(parent), stored_(text), finished_(std::move(finished)) {
    setFrameShape(QFrame::Box);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(ToQFont(font));
    setPlainText(QString::fromStdString(FormText::ForEditor(text)));
    selectAll();
    setGeometry(rect);
    show();
    setFocus(Qt::OtherFocusReason);
}

void CellTextEditor::Commit() {
    Finish(FormText::FromEditor(toPlainText().toStdString(), stored_));
}

void CellTextEditor::Cancel() {
    Finish(std::nullopt);
}

void CellTextEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    if (enter) {
        Commit();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CellTextEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
}

void CellTextEditor::Finish(std::optional<std::string> result) {
    if (done_)
        return;
    done_ = true;
    hide();
    deleteLater();
    if (finished_)
        finished_(std::move(result));
}

}  // namespace qb
