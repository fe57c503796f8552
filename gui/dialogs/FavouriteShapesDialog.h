#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace qb {

class CScheduleStyle;
class ColourButton;
class FavouriteShapesForm;
class Palette;

// "よく使う形状エディタ": the styles of one favourite-shapes file in a list
// with their pictures, the chosen one's values beside it, and the file
// commands above. Every change goes to the form at once; the form refuses
// bad values and asks about unsaved changes, also when the dialog closes.
class FavouriteShapesDialog : public QDialog {
    Q_OBJECT

public:
    FavouriteShapesDialog(FavouriteShapesForm& form, const Palette& palette,
                          QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QLineEdit* NameEdit() const { return name_; }
    QComboBox* KindBox() const { return kind_; }
    QSpinBox* HeightBox() const { return height_; }

    void reject() override;

private:
    QWidget* BuildFileButtons();
    QWidget* BuildList();
    QWidget* BuildEditors();
    void RunFileCommand(bool (FavouriteShapesForm::*command)());
    void FillList(int current);
    void ShowStyle();
    void Rename();
    void ApplyEditors();
    std::unique_ptr<CScheduleStyle> EditedValues() const;
    int Current() const;

    FavouriteShapesForm& form_;
    const Palette& palette_;
    QListWidget* list_ = nullptr;
    QComboBox* source_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QSpinBox* height_ = nullptr;
    ColourButton* fill_ = nullptr;
    ColourButton* text_ = nullptr;
    ColourButton* edge_ = nullptr;
    QComboBox* edgeStyle_ = nullptr;
    QSpinBox* edgeWidth_ = nullptr;
    QComboBox* startEdge_ = nullptr;
    QComboBox* endEdge_ = nullptr;
    QComboBox* captionPosition_ = nullptr;
    QComboBox* captionHAlign_ = nullptr;
    QComboBox* captionVAlign_ = nullptr;
    QLabel* preview_ = nullptr;
    QWidget* editors_ = nullptr;
    bool loading_ = false;
};

}  // namespace qb
