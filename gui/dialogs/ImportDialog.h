#pragma once

#include <QDialog>

#include "IDialogs.h"
#include "ImportValues.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qb {

class IPrompt;

// "インポート": the tab-separated file to read, and whether the chart shows
// the row ids meanwhile (turned on and off at once through showRowIds).
// OK is refused while the file is not named or does not exist.
class ImportDialog : public QDialog {
    Q_OBJECT

public:
    ImportDialog(const ImportValues& initial, IDialogs::ShowRowIds showRowIds, IPrompt& prompt,
                 QWidget* parent = nullptr);

    ImportValues Values() const;
    QLineEdit* FileEdit() const { return file_; }
    QPushButton* BrowseButton() const { return browse_; }
    QCheckBox* RowIdsBox() const { return rowIds_; }

    void accept() override;

private:
    void Browse();
    void Refuse(const QString& text);

    IDialogs::ShowRowIds showRowIds_;
    IPrompt& prompt_;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* rowIds_ = nullptr;
};

}  // namespace qb
