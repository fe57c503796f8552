#pragma once

#include <QComboBox>
#include <cstdint>

namespace qb {

// A drop-down list of named stored values. A value the list does not name
// (from an older or damaged file) is shown as an extra entry, so that
// confirming the dialog keeps it.
class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget* parent = nullptr);

    void AddChoice(const QString& name, std::int64_t value);
    void Select(std::int64_t value);
    std::int64_t Value() const;
};

}  // namespace qb
