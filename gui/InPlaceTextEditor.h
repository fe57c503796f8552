#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <string>

#include "CFontInfo.h"

namespace qb {

// An edit box that types a stored text in place over what shows it. Escape
// cancels; leaving the box commits. The result is reported once, then the
// editor deletes itself; nothing means cancelled. Each kind decides what
// Enter does.
class InPlaceTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using Finished = std::function<void(std::optional<std::string>)>;

    void Commit();
    void Cancel();

    // The family the chart draws the face with, at the same pixel size.
    static QFont ToQFont(const CFontInfo& info);

protected:
    InPlaceTextEditor(QWidget* parent, const std::string& text, Finished finished);

    // Placed over rect (in the parent's coordinates) in the font, holding the
    // text (line breaks as stored), focused and with all of it selected.
    void Open(const QRect& rect, const CFontInfo& font);

    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(std::optional<std::string> result);

    std::string stored_;
    Finished finished_;
    bool done_ = false;
};

}  // namespace qb
