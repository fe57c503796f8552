#pragma once

#include <QDialog>
#include <memory>

#include "CColumn.h"
#include "DialogPreview.h"
#include "IDialogs.h"

class QPlainTextEdit;
class QSpinBox;

namespace qb {

class ChoiceBox;
class ColourButton;
class FontButton;
class IPrompt;
class PenEditor;

// "列のプロパティ": a column's caption, width, header and data fonts and
// colours, right border and kind. The header shows the dialog's values while
// it is open; a width under the minimum is refused on OK and the dialog
// stays open.
class ColumnDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinWidth = 10;

    ColumnDialog(const CColumn& values, bool newColumn, IPrompt& prompt,
                 IDialogs::ObjectPreview preview, QWidget* parent = nullptr);
    ~ColumnDialog() override;

    std::unique_ptr<CColumn> Values() const;

    QPlainTextEdit* CaptionEdit() const { return caption_; }
    QSpinBox* WidthBox() const { return width_; }
    FontButton* HeaderFontBox() const { return headerFont_; }
    FontButton* DataFontBox() const { return dataFont_; }
    ColourButton* HeaderColourButton() const { return headerColor_; }
    ColourButton* DataColourButton() const { return dataColor_; }
    PenEditor* BorderPen() const { return rightPen_; }
    ChoiceBox* KindBox() const { return kind_; }

    void accept() override;
    void done(int result) override;

private:
    void Changed();

    std::unique_ptr<CColumn> original_;
    IPrompt& prompt_;
    DialogPreview preview_;
    bool built_ = false;
    QPlainTextEdit* caption_ = nullptr;
    QSpinBox* width_ = nullptr;
    FontButton* headerFont_ = nullptr;
    ColourButton* headerColor_ = nullptr;
    FontButton* dataFont_ = nullptr;
    ColourButton* dataColor_ = nullptr;
    PenEditor* rightPen_ = nullptr;
    ChoiceBox* kind_ = nullptr;
};

}  // namespace qb
