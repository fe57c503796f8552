#include "RelatedTarget.h"

#include <gtest/gtest.h>

#include "TestFolder.h"

namespace qb {
namespace {

TEST(RelatedTargetTest, AddressesAndExistingPathsAreTheOnlyTargets) {
    TestFolder folder;
    TestFolder::Write(folder.File("site drawing.pdf"), "%PDF-");
    const std::string base = folder.Path().string();
    const struct {
        std::string text;
        std::string folder;
        std::string target;
    } cases[] = {
        {"https://example.com/a b", "", "https://example.com/a b"},
        {"HTTP://EXAMPLE.COM", "", "HTTP://EXAMPLE.COM"},
        {"file:///tmp/x", "", "file:///tmp/x"},
        {"\t http://example.com \r\n", "", "http://example.com"},
        {"http://", "", ""},
        {"http://a\nb", "", ""},
        {"mailto:someone@example.com", "", ""},
        {"javascript:alert(1)", "", ""},
        {"www.example.com", "", ""},
        {"", base, ""},
        {folder.File("site drawing.pdf"), "", folder.File("site drawing.pdf")},
        {"\"" + folder.File("site drawing.pdf") + "\"", "", folder.File("site drawing.pdf")},
        {"site drawing.pdf", base, folder.File("site drawing.pdf")},
        {"./site drawing.pdf", base, folder.File("site drawing.pdf")},
        {"site drawing.pdf", "", ""},
        {folder.File("missing.pdf"), "", ""},
        {"xdg-open; rm -rf ~", base, ""},
    };
    for (const auto& item : cases)
        EXPECT_EQ(RelatedTarget::Resolve(item.text, item.folder), item.target) << item.text;
}

}  // namespace
}  // namespace qb
