#pragma once

#include <QDialog>
#include <memory>

#include "CMemo.h"
#include "DialogPreview.h"
#include "IDialogs.h"
#include "MemoForm.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace qb {

class ChoiceBox;
class ColourButton;
class IPrompt;
class PenEditor;

// "メモのプロパティ": the memo's text, colours, fill, frame, text alignment
// and size. The chart shows the values while the dialog is open.
class MemoDialog : public QDialog {
    Q_OBJECT

public:
    MemoDialog(const CMemo& values, IPrompt& prompt, IDialogs::ObjectPreview preview,
               QWidget* parent = nullptr);
    ~MemoDialog() override;

    MemoForm Form() const;
    std::unique_ptr<CMemo> Values() const;
    QPlainTextEdit* TextEdit() const { return text_; }
    QLineEdit* WidthEdit() const { return width_; }
    QCheckBox* PaintBox() const { return bgPaint_; }

    void accept() override;
    void done(int result) override;

private:
    ChoiceBox* Choices(std::initializer_list<const char*> names, int value);
    QLineEdit* NumberEdit(const std::string& text);
    void Changed();

    std::unique_ptr<CMemo> original_;
    IPrompt& prompt_;
    DialogPreview preview_;
    bool built_ = false;
    QPlainTextEdit* text_ = nullptr;
    ColourButton* textColor_ = nullptr;
    ColourButton* bgColor_ = nullptr;
    QCheckBox* bgPaint_ = nullptr;
    PenEditor* borderPen_ = nullptr;
    ChoiceBox* hAlign_ = nullptr;
    ChoiceBox* vAlign_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};

}  // namespace qb
