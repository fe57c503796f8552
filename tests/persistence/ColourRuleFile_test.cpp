#include "ColourRuleFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#include "FileOperationsSpy.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {

void PrintTo(const CColorRuleArray& rules, std::ostream* out) {
    for (const COLORRULE& rule : rules)
        *out << std::hex << rule.colour << ":" << rule.text << " ";
}

namespace {

CColorRuleArray Rules(std::initializer_list<COLORRULE> entries) {
    CColorRuleArray rules;
    for (const COLORRULE& rule : entries)
        rules.Add(rule);
    return rules;
}

CColorRuleArray Parsed(std::string_view bytes) {
    CColorRuleArray rules;
    ColourRuleFile::Parse(bytes, rules);
    return rules;
}

struct ParseCase {
    const char* name;
    std::string_view bytes;
    CColorRuleArray expected;
};

TEST(ColourRuleFile, ParsesLinesAtCrLfAndFieldsAtTabs) {
    const ParseCase cases[] = {
        {"empty file", "", {}},
        {"only line without a TAB", "FF0000 赤\r\n", {}},
        {"lower-case digits", "ff\tA\r\n", Rules({{"A", 0xFF}})},
        {"no line break at the end", "ff\tA", Rules({{"A", 0xFF}})},
        {"empty colour is black", "\tblack\r\n", Rules({{"black", 0}})},
        {"empty text is kept", "C0C0C0\t\r\n", Rules({{"", 0xC0C0C0}})},
        {"fields after the text are dropped", "1\ta\tb\tc\r\n", Rules({{"a", 1}})},
        {"lines without a TAB are skipped among others", "FF\tred\r\n\r\njunk\r\n00FF00\tgreen\r\n",
         Rules({{"red", 0xFF}, {"green", 0xFF00}})},
        // Only CR LF ends a line; a lone LF stays inside the text.
        {"lone LF", "1\ta\nb\r\n", Rules({{"a\nb", 1}})},
        {"not hexadecimal", "0x10\tp\r\nFG\tq\r\n-1\tr\r\n",
         Rules({{"p", 0xFFFFFFFF}, {"q", 0xFFFFFFFF}, {"r", 0xFFFFFFFF}})},
        {"eight digits fill 32 bits", "FFFFFFFE\tx\r\n00000001\ty\r\n",
         Rules({{"x", 0xFFFFFFFE}, {"y", 1}})},
        {"nine digits would overflow", "100000000\tx\r\n000000001\ty\r\n",
         Rules({{"x", 0xFFFFFFFF}, {"y", 0xFFFFFFFF}})},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(Parsed(c.bytes), c.expected) << c.name;
}

TEST(ColourRuleFile, TextIsReadFromTheJapaneseCodePage) {
    // "設計" in CP932; its second byte 0x76 and the following are no TABs.
    const CColorRuleArray rules = Parsed("FF\t\x90\xdd\x8c\x76\r\n");
    ASSERT_EQ(rules.GetCount(), 1);
    EXPECT_EQ(rules.At(0).text, "設計");
}

TEST(ColourRuleFile, WritesUpperCaseHexWithoutLeadingZerosTabTextAndCrLf) {
    ColourRuleFile file;
    std::string bytes;
    ASSERT_TRUE(file.Format(Rules({{"A", 0xFF}, {"設計", 0x00C0FF00}, {"", 0}}), bytes));
    EXPECT_EQ(bytes, "FF\tA\r\nC0FF00\t\x90\xdd\x8c\x76\r\n0\t\r\n");
}

TEST(ColourRuleFile, RoundTripKeepsTheEntriesButCutsATextAtItsTab) {
    TestFolder folder;
    const std::string path = folder.File("rules.crs");
    ColourRuleFile file;
    ASSERT_TRUE(file.Write(path, Rules({{"a\tb", 5}, {"工程", 0xFFFFFFFF}})));
    CColorRuleArray read;
    ASSERT_TRUE(file.Read(ColourRuleFile::ReferenceTo(path), read));
    EXPECT_EQ(read, Rules({{"a", 5}, {"工程", 0xFFFFFFFF}}));
}

TEST(ColourRuleFile, ReferenceNamesAPathWithOrWithoutThePrefix) {
    EXPECT_EQ(ColourRuleFile::PathOf("FILE:/home/a/r.crs"), "/home/a/r.crs");
    EXPECT_EQ(ColourRuleFile::PathOf("/home/a/r.crs"), "/home/a/r.crs");
    EXPECT_EQ(ColourRuleFile::PathOf(" FILE:/r \r\n"), "/r");
    // Six characters or fewer keep the prefix: it names no file of its own.
    EXPECT_EQ(ColourRuleFile::PathOf("FILE:x"), "FILE:x");
    EXPECT_EQ(ColourRuleFile::PathOf("FILE:xy"), "xy");
    EXPECT_EQ(ColourRuleFile::PathOf("  "), "");
}

TEST(ColourRuleFile, EmptyReferenceIsAnEmptySetAndAMissingFileAFailure) {
    TestFolder folder;
    ColourRuleFile file;
    CColorRuleArray rules = Rules({{"old", 1}});
    EXPECT_TRUE(file.Read("", rules));
    EXPECT_TRUE(rules.IsEmpty());

    rules.Add({"old", 1});
    EXPECT_FALSE(file.Read("FILE:" + folder.File("missing.crs"), rules));
    EXPECT_EQ(file.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_TRUE(rules.IsEmpty());
    EXPECT_EQ(folder.EntryCount(), 0);
}

class ColourRuleFileSaveTest : public ::testing::Test {
protected:
    void SetUp() override { TestFolder::Write(path_, kOld); }

    static constexpr const char* kOld = "FF\told\r\n";
    TestFolder folder_;
    const std::string path_ = folder_.File("rules.crs");
};

// A save that fails half-way keeps the old rules and leaves nothing beside them.
TEST_F(ColourRuleFileSaveTest, FailedSaveKeepsTheOldFile) {
    test::FileOperationsSpy files;
    files.Fail("write", {test::FileOperationsSpy::kHalf, ENOSPC});
    ColourRuleFile file(files);
    EXPECT_FALSE(file.Write(path_, Rules({{"new", 1}, {"newer", 2}})));
    EXPECT_EQ(file.GetError().GetCode(), SystemError::kDiskFull);
    EXPECT_EQ(TestFolder::Read(path_), kOld);
    EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(ColourRuleFileSaveTest, TextTheCodePageCannotHoldIsRefusedBeforeTouchingTheFile) {
    ColourRuleFile file;
    EXPECT_FALSE(file.Write(path_, Rules({{"ok", 1}, {"😀", 2}})));
    EXPECT_EQ(file.GetError().GetCode(), ErrorSlot::kOwnError);
    EXPECT_NE(file.GetError().GetMessage().find("😀"), std::string::npos);
    EXPECT_EQ(TestFolder::Read(path_), kOld);
}

TEST_F(ColourRuleFileSaveTest, ReadOnlyFileIsRefused) {
    ::chmod(path_.c_str(), 0444);
    ::chmod(folder_.Path().c_str(), 0777);
    const int status = test::RunChild([&] {
        if (!test::BecomeUnprivileged())
            return test::kCannotDropPrivileges;
        ColourRuleFile file;
        const bool written = file.Write(path_, Rules({{"new", 1}}));
        return !written && file.GetError().GetCode() == SystemError::kAccessDenied ? 0 : 1;
    });
    if (status == test::kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TestFolder::Read(path_), kOld);
}

}  // namespace
}  // namespace qb
