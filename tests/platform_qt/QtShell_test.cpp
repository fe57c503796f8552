#include "QtShell.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(QtShell, LocalPathsBecomeFileAddressesAndWebAddressesStay) {
    const QUrl folder = QtShell::ToUrl("/home/user/バックアップ/Temp/");
    EXPECT_TRUE(folder.isLocalFile());
    EXPECT_EQ(folder.toLocalFile(), QString::fromUtf8("/home/user/バックアップ/Temp/"));

    const QUrl blank = QtShell::ToUrl("/tmp/my plan#1.qbd");
    EXPECT_TRUE(blank.isLocalFile());
    EXPECT_EQ(blank.toLocalFile(), QStringLiteral("/tmp/my plan#1.qbd"));

    const QUrl web = QtShell::ToUrl("https://example.org/quellbrandiren?x=1");
    EXPECT_EQ(web.scheme(), QStringLiteral("https"));
    EXPECT_EQ(web.host(), QStringLiteral("example.org"));
    EXPECT_EQ(QtShell::ToUrl("HTTP://example.org/").scheme(), QStringLiteral("http"));
}

TEST(QtShell, NothingToOpenIsRefused) {
    QtShell shell;
    EXPECT_FALSE(shell.Open(""));
}

}  // namespace
}  // namespace qb
