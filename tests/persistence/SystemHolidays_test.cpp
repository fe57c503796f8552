#include "SystemHolidays.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CalendarSettings.h"
#include "JapaneseHolidaySet.h"
#include "TestFolder.h"
#include "TestPaths.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class SystemHolidaysTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        TestFolder::Write(temp.File(name), text);
        return temp.File(name);
    }
    std::unique_ptr<CHolidayArray> Load(const std::string& masterHoliday,
                                        const std::string& programFolder = "") {
        const std::string path = masterHoliday == CalendarSettings::kMasterHolidayUnset
                                     ? SystemHolidays::DefaultPath(programFolder)
                                     : masterHoliday;
        return SystemHolidays::LoadSystemRules(path, error);
    }

    TestFolder temp;
    const fs::path& folder = temp.Path();
    ErrorSlot error;
};

int BuiltInCount() {
    static const int count = SystemHolidays::BuiltInRules()->GetCount();
    return count;
}

TEST_F(SystemHolidaysTest, NamedFileIsReadAndOneWithoutRulesTurnsTheSystemRulesOff) {
    const std::string path = Write(
        "mine.xml", "<holidayarray><weeklyholiday name=\"土曜\" dayOfWeek=\"7\"/></holidayarray>");
    auto rules = Load(path);
    ASSERT_EQ(rules->GetCount(), 1);
    EXPECT_EQ(rules->At(0)->GetName(), "土曜");
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(Load(Write("none.xml", "<holidayarray/>"))->GetCount(), 0);
    EXPECT_FALSE(error.Failed());
}

// A missing file (not created), a damaged one or an empty path give the
// built-in set; only the empty path is no error.
TEST_F(SystemHolidaysTest, WithoutAReadableFileTheBuiltInSetIsUsed) {
    const std::string missing = (folder / "missing.xml").string();
    for (const std::string& path :
         {missing, Write("empty.xml", ""), Write("open.xml", "<holidayarray>"),
          Write("garbage.xml", "\x01\x02garbage"), Write("wrong_root.xml", "<other/>")}) {
        EXPECT_EQ(Load(path)->GetCount(), BuiltInCount()) << path;
        EXPECT_TRUE(error.Failed()) << path;
    }
    EXPECT_EQ(error.GetMessage(), "ルート要素が見つかりませんでした。");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(Load("")->GetCount(), BuiltInCount());
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(BuiltInCount(), JapaneseHolidaySet::Build()->GetCount());
}

TEST_F(SystemHolidaysTest, UnsetMarkerReadsHolidaysXmlBesideTheProgram) {
    Write("Holidays.xml", "<holidayarray><weeklyholiday dayOfWeek=\"7\"/></holidayarray>");
    EXPECT_EQ(Load("`", folder.string())->GetCount(), 1);
    EXPECT_EQ(Load("`", folder.string() + "/")->GetCount(), 1);
    fs::remove(folder / "Holidays.xml");
    EXPECT_EQ(Load("`", folder.string())->GetCount(), BuiltInCount());
    EXPECT_FALSE(fs::exists(folder / "Holidays.xml"));
}

TEST_F(SystemHolidaysTest, ShippedFileOnDiskEqualsTheCompiledInText) {
    std::ifstream in(qb::test::SourcePath("data/Holidays.xml"), std::ios::binary);
    ASSERT_TRUE(in);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, SystemHolidays::BuiltInXml()) << "reconfigure the build to embed it again";
}

}  // namespace
}  // namespace qb
