#include "HolidayFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "CMdHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "ChildProcess.h"
#include "SystemError.h"
#include "TestFolder.h"
#include "XmlMessages.h"

namespace qb {
namespace {

std::unique_ptr<CYmdHoliday> Ymd(const std::string& name, int year, int month, int day) {
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetName(name);
    rule->SetYear(year);
    rule->SetMonth(month);
    rule->SetDay(day);
    return rule;
}

std::string Names(const CHolidayArray& holidays) {
    std::string names;
    holidays.ForEach([&](const CHoliday& rule) { names += rule.GetName() + ";"; });
    return names;
}

class HolidayFileTest : public ::testing::Test {
protected:
    TestFolder folder_;
    std::string path_ = folder_.File("Holidays.xml");
    HolidayFile file_;
};

// Written over a longer file, the new one leaves no trailing bytes.
TEST_F(HolidayFileTest, LiveRulesRoundTripThroughAUtf8FileWithCrLfLineEnds) {
    CHolidayArray many;
    for (int day = 1; day <= 20; ++day)
        many.Add(Ymd("day " + std::to_string(day), 2024, 1, day));
    ASSERT_TRUE(file_.WriteHolidayFile(path_, many));
    CHolidayArray holidays;
    holidays.SetParam("source", "内閣府\r\n2024");
    holidays.Add(Ymd("元日", 2024, 1, 1));
    auto weekly = std::make_unique<CWeeklyHoliday>();
    weekly->SetName("週休");
    weekly->SetForceNotHoliday(true);
    holidays.Add(std::move(weekly));
    auto gone = Ymd("gone", 2024, 1, 2);
    gone->SetDeleted(true);
    holidays.Add(std::move(gone));
    ASSERT_TRUE(file_.WriteHolidayFile(path_, holidays)) << file_.GetError().GetCode();

    const std::string bytes = TestFolder::Read(path_);
    std::string formatted;
    ASSERT_TRUE(file_.FormatHolidays(holidays, formatted));
    EXPECT_EQ(bytes, formatted);
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
    EXPECT_NE(bytes.find("name=\"元日\""), std::string::npos);
    EXPECT_EQ(bytes.find("gone"), std::string::npos) << "deleted rules are not written";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
    }

    auto read = file_.ReadHolidayFile(path_);
    ASSERT_NE(read, nullptr) << file_.GetError().GetMessage();
    EXPECT_FALSE(file_.GetError().Failed());
    ASSERT_EQ(read->GetCount(), 2);
    EXPECT_EQ(read->GetParam("source"), "内閣府\r\n2024");
    auto* ymd = dynamic_cast<CYmdHoliday*>(read->At(0));
    ASSERT_NE(ymd, nullptr);
    EXPECT_EQ(ymd->GetName(), "元日");
    EXPECT_EQ(ymd->GetYear(), 2024);
    EXPECT_EQ(ymd->GetDay(), 1);
    auto* week = dynamic_cast<CWeeklyHoliday*>(read->At(1));
    ASSERT_NE(week, nullptr);
    EXPECT_TRUE(week->IsForceNotHoliday());
}

TEST_F(HolidayFileTest, ElementsOfOtherNamesAmongTheRulesAreSkipped) {
    const std::string document =
        "<holidayarray objectId=\"4\"><param name=\"p\" value=\"v\"/>"
        "<ymdholiday name=\"one\" year=\"2024\" month=\"5\" day=\"3\"/>"
        "<festival name=\"foreign\"/><holiday name=\"abstract\"/>"
        "<mdholiday name=\"two\" month=\"5\" day=\"5\"/></holidayarray>";
    auto read = file_.ParseHolidays(document);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(Names(*read), "one;two;");
    EXPECT_EQ(read->GetObjectId(), 4);
    EXPECT_EQ(read->GetParam("p"), "v");
    EXPECT_NE(dynamic_cast<CMdHoliday*>(read->At(1)), nullptr);
}

// A missing file is created empty, so the next read finds no document; a
// missing folder or a folder in place of the file gives the system's error.
TEST_F(HolidayFileTest, MissingFilesAndFoldersGiveTheirErrors) {
    EXPECT_EQ(file_.ReadHolidayFile(path_), nullptr);
    EXPECT_EQ(file_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_EQ(TestFolder::Read(path_), "");
    EXPECT_TRUE(std::filesystem::exists(path_));
    EXPECT_EQ(file_.ReadHolidayFile(path_), nullptr);
    EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kXmlError);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kNotWellFormed);

    CHolidayArray holidays;
    EXPECT_EQ(file_.ReadHolidayFile(folder_.File("no/such/Holidays.xml")), nullptr);
    EXPECT_EQ(file_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_FALSE(file_.WriteHolidayFile(folder_.File("no/such/Holidays.xml"), holidays));
    EXPECT_EQ(file_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_EQ(file_.ReadHolidayFile(folder_.File("")), nullptr);
    EXPECT_EQ(file_.GetError().GetCode(), SystemError::kAccessDenied);
}

TEST_F(HolidayFileTest, AReadOnlyFileIsReadButNotReplaced) {
    CHolidayArray holidays;
    holidays.Add(Ymd("元日", 2024, 1, 1));
    ASSERT_TRUE(file_.WriteHolidayFile(path_, holidays));
    const std::string before = TestFolder::Read(path_);
    namespace fs = std::filesystem;
    // The folder is writable for everyone, so only the file's own mode stops the write.
    fs::permissions(folder_.Path(), fs::perms::all);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const int child = test::RunChild([&] {
        if (!test::BecomeUnprivileged())
            return test::kCannotDropPrivileges;
        auto read = file_.ReadHolidayFile(path_);
        if (!read || Names(*read) != "元日;")
            return 1;
        CHolidayArray empty;
        return !file_.WriteHolidayFile(path_, empty) &&
                       file_.GetError().GetCode() == SystemError::kAccessDenied
                   ? 0
                   : 2;
    });
    if (child == test::kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(TestFolder::Read(path_), before);
}

TEST_F(HolidayFileTest, EveryContentFailureHasItsMessage) {
    struct Case {
        const char* bytes;
        const char* message;
    };
    const Case cases[] = {
        {"<holidayarray>", XmlMessages::kNotWellFormed},
        {"garbage", XmlMessages::kNotWellFormed},
        {"<?xml version=\"1.0\"?>", XmlMessages::kNotWellFormed},
        {"<styledata/>", XmlMessages::kWrongRoot},
        {"<HolidayArray/>", XmlMessages::kWrongRoot},
    };
    for (const Case& c : cases) {
        TestFolder::Write(path_, c.bytes);
        EXPECT_EQ(file_.ReadHolidayFile(path_), nullptr) << c.bytes;
        EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kXmlError) << c.bytes;
        EXPECT_EQ(file_.GetError().GetMessage(), c.message) << c.bytes;
    }
    EXPECT_NE(file_.ParseHolidays("<holidayarray/>"), nullptr);
    EXPECT_FALSE(file_.GetError().Failed()) << "success clears the earlier error";
}

TEST_F(HolidayFileTest, RuleTextThatCannotBeWrittenFailsTheBuildAndKeepsTheFile) {
    TestFolder::Write(path_, "old");
    CHolidayArray holidays;
    holidays.Add(Ymd("bell\x07", 2024, 1, 1));
    EXPECT_FALSE(file_.WriteHolidayFile(path_, holidays));
    EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kBuildFailed);
    EXPECT_EQ(TestFolder::Read(path_), "old");

    holidays.At(0)->SetName("\xc3");  // cut in the middle of a UTF-8 sequence
    EXPECT_FALSE(file_.WriteHolidayFile(path_, holidays));
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kBuildFailed);
    EXPECT_EQ(TestFolder::Read(path_), "old");
}

}  // namespace
}  // namespace qb
