#include "FontResolver.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

namespace qb {
namespace {

bool HasJapaneseFonts() {
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

TEST(FontResolver, WindowsGothicFacesBecomeInstalledJapaneseFamilies) {
    if (!HasJapaneseFonts()) {
        GTEST_SKIP() << "no Japanese font installed";
    }
    FontResolver resolver;
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "存在しない書体", ""}) {
        const QString family = resolver.Resolve(face);
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << face;
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
            << face << " became " << family.toStdString();
    }
    const QString installed = QFontDatabase::families(QFontDatabase::Japanese).back();
    EXPECT_EQ(resolver.Resolve(installed.toStdString()), installed) << "an installed face stays";
}

TEST(FontResolver, FixedPitchAndProportionalFacesPickDifferentFamiliesWhenBothExist) {
    if (!QFontDatabase::hasFamily(QStringLiteral("IPAGothic")) ||
        !QFontDatabase::hasFamily(QStringLiteral("IPAPGothic"))) {
        GTEST_SKIP() << "the IPA Gothic fonts are not installed";
    }
    FontResolver resolver;
    EXPECT_EQ(resolver.Resolve("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    EXPECT_EQ(resolver.Resolve("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

TEST(FontResolver, OnlyTheNonProportionalGothicFacesCountAsFixedPitch) {
    EXPECT_TRUE(FontResolver::IsFixedPitchFace("ＭＳ ゴシック"));
    EXPECT_FALSE(FontResolver::IsFixedPitchFace("ＭＳ Ｐゴシック"));
    EXPECT_FALSE(FontResolver::IsFixedPitchFace("MS PGothic"));
    EXPECT_FALSE(FontResolver::IsFixedPitchFace("ＭＳ 明朝"));
}

}  // namespace
}  // namespace qb
