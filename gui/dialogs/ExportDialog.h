#pragma once

#include <QDialog>

#include "ExportValues.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qb {

class IPrompt;

// "エクスポート": the file to write, its kind (CSV, XML or HTML) and, for CSV,
// the separators and whether line breaks inside texts are dropped.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const ExportValues& initial, IPrompt& prompt, QWidget* parent = nullptr);

    ExportValues Values() const;
    QLineEdit* NameEdit() const { return name_; }
    QPushButton* BrowseButton() const { return browse_; }
    QRadioButton* KindButton(int kind) const { return kinds_[kind]; }
    QGroupBox* OptionsBox() const { return options_; }
    QComboBox* SeparatorList() const { return separator_; }
    QComboBox* PathSeparatorList() const { return pathSeparator_; }
    QCheckBox* IgnoreLineBreaksBox() const { return ignoreLineBreaks_; }

    // The extension the file of a kind gets: "csv", "xml" or "html".
    static const char* Extension(int kind);
    // What the file dialog starts from: the typed name, with the extension
    // of the kind in place of another kind's.
    static QString ProposedName(const QString& typed, int kind);

    void accept() override;

private:
    int Kind() const;
    void KindChanged();
    void Browse();

    IPrompt& prompt_;
    QLineEdit* name_ = nullptr;
    QPushButton* browse_ = nullptr;
    QRadioButton* kinds_[3] = {};
    QGroupBox* options_ = nullptr;
    QComboBox* separator_ = nullptr;
    QComboBox* pathSeparator_ = nullptr;
    QCheckBox* ignoreLineBreaks_ = nullptr;
};

}  // namespace qb
