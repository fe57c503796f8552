#include "ChoiceBox.h"

namespace qb {

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {}

void ChoiceBox::AddChoice(const QString& name, std::int64_t value) {
    addItem(name, QVariant::fromValue<qint64>(value));
}

void ChoiceBox::Select(std::int64_t value) {
    int index = findData(QVariant::fromValue<qint64>(value));
    if (index < 0) {
        AddChoice(QString::fromUtf8("その他 (%1)").arg(value), value);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

std::int64_t ChoiceBox::Value() const {
    return currentData().value<qint64>();
}

}  // namespace qb
