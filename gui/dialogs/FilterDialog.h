#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "FilterRequest.h"

class QComboBox;

namespace qb {

// "フィルタ": up to four accepted values for a column's texts or the rows'
// captions, each list starting with "(設定なし)". A row stays shown when its
// text equals any chosen value.
class FilterDialog : public QDialog {
    Q_OBJECT

public:
    explicit FilterDialog(const FilterRequest& request, QWidget* parent = nullptr);

    // The values chosen, in list order; lists at "(設定なし)" give none.
    std::vector<std::string> Chosen() const;
    QComboBox* List(int index) const { return lists_[static_cast<std::size_t>(index)]; }

private:
    QComboBox* NewList(const FilterRequest& request, int index);

    std::array<QComboBox*, FilterRequest::kLists> lists_ = {};
};

}  // namespace qb
