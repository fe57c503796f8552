#include "QtShell.h"

#include <QDesktopServices>
#include <QString>

namespace qb {

QUrl QtShell::ToUrl(const std::string& target) {
    const QString text = QString::fromStdString(target).trimmed();
    for (const char* scheme : {"http://", "https://", "mailto:", "file://"}) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QUrl(text, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(text);
}

bool QtShell::Open(const std::string& target) {
    if (target.empty())
        return false;
    return QDesktopServices::openUrl(ToUrl(target));
}

}  // namespace qb
