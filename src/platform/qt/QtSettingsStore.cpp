#include "QtSettingsStore.h"

#include <QDir>
#include <QStringList>
#include <QVariant>
#include <set>

namespace qb {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Key(std::string_view section, std::string_view name) {
    return ToQString(section) + QLatin1Char('/') + ToQString(name);
}

}  // namespace

QString QtSettingsStore::DefaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Torvane/Quellbrandiren.conf");
}

QtSettingsStore::QtSettingsStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

// A hand-edited value with an unquoted comma reads back as a list; the
// stored text is what the caller asked for.
std::optional<QString> QtSettingsStore::Read(std::string_view section,
                                             std::string_view name) const {
    const QVariant value = settings_.value(Key(section, name));
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view section,
                                                     std::string_view name) const {
    const std::optional<QString> text = Read(section, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int number = text->trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view section,
                                                       std::string_view name) const {
    const std::optional<QString> text = Read(section, name);
    if (!text)
        return std::nullopt;
    return text->toStdString();
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view name,
                               std::int32_t value) {
    settings_.setValue(Key(section, name), value);
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view name,
                                  std::string_view value) {
    settings_.setValue(Key(section, name), ToQString(value));
}

void QtSettingsStore::Remove(std::string_view section, std::string_view name) {
    settings_.remove(Key(section, name));
}

// Only the section's own values go; sections nested below it stay, as they
// are separate sections to the caller.
void QtSettingsStore::RemoveSection(std::string_view section) {
    for (const std::string& name : ValueNames(section))
        Remove(section, name);
}

std::vector<std::string> QtSettingsStore::ValueNames(std::string_view section) const {
    settings_.beginGroup(ToQString(section));
    const QStringList keys = settings_.childKeys();
    settings_.endGroup();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(keys.size()));
    for (const QString& key : keys)
        names.push_back(key.toStdString());
    return names;
}

// A section is every group that holds a value of its own.
std::vector<std::string> QtSettingsStore::SectionNames(std::string_view prefix) const {
    std::set<std::string> sections;
    for (const QString& key : settings_.allKeys()) {
        const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            continue;
        std::string section = key.left(slash).toStdString();
        if (section.compare(0, prefix.size(), prefix) == 0)
            sections.insert(std::move(section));
    }
    return {sections.begin(), sections.end()};
}

void QtSettingsStore::Sync() {
    settings_.sync();
}

}  // namespace qb
