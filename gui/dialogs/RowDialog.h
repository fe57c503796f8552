#pragma once

#include <QDialog>
#include <memory>

#include "CRow.h"
#include "DialogPreview.h"
#include "IDialogs.h"

class QPlainTextEdit;
class QSpinBox;

namespace qb {

class ColourButton;
class FontButton;
class PenEditor;

// "段のプロパティ": a row's caption, text font and colour, background,
// bottom and right lines, height and width. The row shows the dialog's
// values while it is open; for a row about to be inserted the row shown is
// the new one, and Cancel leaves the project as it was.
class RowDialog : public QDialog {
    Q_OBJECT

public:
    RowDialog(const CRow& values, bool newRow, IDialogs::ObjectPreview preview,
              QWidget* parent = nullptr);
    ~RowDialog() override;

    // The row with the fields applied.
    std::unique_ptr<CRow> Values() const;

    QPlainTextEdit* CaptionEdit() const { return caption_; }
    FontButton* FontBox() const { return font_; }
    ColourButton* TextColourButton() const { return textColor_; }
    ColourButton* BackColourButton() const { return backColor_; }
    PenEditor* BottomPen() const { return bottomPen_; }
    PenEditor* RightPen() const { return rightPen_; }
    QSpinBox* HeightBox() const { return height_; }
    QSpinBox* WidthBox() const { return width_; }

    void done(int result) override;

private:
    QSpinBox* SizeBox(int value, int minimum, int maximum);
    void Changed();

    std::unique_ptr<CRow> original_;
    DialogPreview preview_;
    bool built_ = false;
    QPlainTextEdit* caption_ = nullptr;
    FontButton* font_ = nullptr;
    ColourButton* textColor_ = nullptr;
    ColourButton* backColor_ = nullptr;
    PenEditor* bottomPen_ = nullptr;
    PenEditor* rightPen_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* width_ = nullptr;
};

}  // namespace qb
