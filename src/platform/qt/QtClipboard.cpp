#include "QtClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace qb {
namespace {

QString FormatName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

const QMimeData* Offered() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

}  // namespace

// Names are compared as they are: a format that differs in case is not ours.
bool QtClipboard::HasFormat(std::string_view name) const {
    const QMimeData* data = Offered();
    return data != nullptr && data->formats().contains(FormatName(name), Qt::CaseSensitive);
}

std::optional<std::string> QtClipboard::Read(std::string_view name) const {
    if (!HasFormat(name))
        return std::nullopt;
    const QByteArray bytes = Offered()->data(FormatName(name));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool QtClipboard::Write(const ClipboardContent& content) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    auto* data = new QMimeData;
    for (const auto& [name, bytes] : content.formats)
        data->setData(FormatName(name),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (content.text)
        data->setText(
            QString::fromUtf8(content.text->data(), static_cast<qsizetype>(content.text->size())));
    clipboard->setMimeData(data);
    // Another program may keep the clipboard from us: then ours is not there.
    return content.formats.empty() || HasFormat(content.formats.front().first);
}

}  // namespace qb
