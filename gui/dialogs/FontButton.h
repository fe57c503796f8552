#pragma once

#include <QWidget>

#include "CFontInfo.h"

class QPushButton;

namespace qb {

// A font as stored in project data, with a button that opens the font
// chooser and, where the owner's own default may apply, a second button that
// clears the font back to "not set".
class FontButton : public QWidget {
    Q_OBJECT

public:
    FontButton(const CFontInfo& font, bool allowDefault, QWidget* parent = nullptr);

    const CFontInfo& Font() const { return font_; }
    void SetFont(const CFontInfo& font);
    QPushButton* ChooseButton() const { return choose_; }
    QPushButton* DefaultButton() const { return default_; }

    // The label the button shows for a font: face, size, style.
    static QString Describe(const CFontInfo& font);
    static CFontInfo FromQFont(const QFont& font);

signals:
    void Changed();

private:
    void Choose();
    QFont ToQFont() const;

    CFontInfo font_;
    QPushButton* choose_ = nullptr;
    QPushButton* default_ = nullptr;
};

}  // namespace qb
