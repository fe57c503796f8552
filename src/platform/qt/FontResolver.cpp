#include "FontResolver.h"

#include <QFontDatabase>
#include <QStringList>

namespace qb {

namespace {

// Families that stand in for the Windows Gothic faces, best first: the
// project's own font package, then the common Japanese families of the
// distributions.
QStringList FixedPitchGothics() {
    return {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
            QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("TakaoGothic"),
            QStringLiteral("VL Gothic")};
}

QStringList ProportionalGothics() {
    return {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
            QStringLiteral("VL PGothic")};
}

}  // namespace

QString FontResolver::Resolve(const std::string& face) {
    const auto found = resolved_.find(face);
    if (found != resolved_.end()) {
        return found->second;
    }
    QString family = FindFamily(face);
    resolved_.emplace(face, family);
    return family;
}

bool FontResolver::IsFixedPitchFace(const std::string& face) {
    // The proportional faces carry a (full-width or plain) P before the name.
    return face.find("ゴシック") != std::string::npos && face.find("Ｐ") == std::string::npos &&
           face.find("P") == std::string::npos;
}

QString FontResolver::FindFamily(const std::string& face) {
    const QString wanted = QString::fromStdString(face);
    if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted)) {
        return wanted;
    }
    return FindJapaneseGothic(IsFixedPitchFace(face));
}

QString FontResolver::FindJapaneseGothic(bool fixedPitch) {
    QStringList candidates = fixedPitch ? FixedPitchGothics() : ProportionalGothics();
    candidates += fixedPitch ? ProportionalGothics() : FixedPitchGothics();
    for (const QString& candidate : candidates) {
        if (QFontDatabase::hasFamily(candidate)) {
            return candidate;
        }
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) {
        return japanese.front();
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace qb
