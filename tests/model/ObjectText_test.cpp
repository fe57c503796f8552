#include "ObjectText.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"
#include "SampleProject.h"

namespace qb {
namespace {

TEST(ObjectText, HexIsUpperCaseTwoDigitsPerByte) {
    EXPECT_EQ(ObjectText::ToHex("abc"), "616263");
    EXPECT_EQ(ObjectText::ToHex(std::string("\x00\xFF", 2)), "00FF");
    EXPECT_EQ(ObjectText::ToHex(""), "");
    EXPECT_EQ(ObjectText::FromHex("616263"), "abc");
    EXPECT_EQ(ObjectText::FromHex("61626"), "ab") << "an odd last digit is dropped";
    EXPECT_EQ(ObjectText::FromHex("6a6B"), "jk");
}

// The tag word, the property and param counts, then names and values as
// hex of their Shift_JIS bytes.
TEST(ObjectText, StartsWithTagWordAndCountsAndCarriesShiftJisHex) {
    CMemo memo(3);
    memo.SetParam("k", "v");
    const std::string text = ObjectText::Write(memo);
    EXPECT_EQ(text.rfind("memo\t19\t1\t", 0), 0u) << text.substr(0, 20);
    EXPECT_NE(text.find("\t74657874\t\t"), std::string::npos) << "text= is written as empty hex";
    EXPECT_EQ(text.substr(text.size() - 6), "\t6B\t76");
    CSchedule schedule(8);
    schedule.SetCaption("\xE5\xB7\xA5\xE4\xBA\x8B");  // 工事
    EXPECT_NE(ObjectText::Write(schedule).find("\t63617074696F6E\t8D488E96\t"), std::string::npos);
}

TEST(ObjectText, FieldsWrittenStraightMatchThePropertyMapForEveryKindOfObject) {
    const auto project = SampleProject::Create();
    std::vector<const CData*> objects;
    for (const auto* array : std::initializer_list<const CDataArray*>{
             &project->GetSchedules(), &project->GetLinks(), &project->GetDrawParts(),
             &project->GetColumns()}) {
        for (int i = 0; i < array->GetCount(); ++i)
            if (const CData* object = array->GetAt(i))
                objects.push_back(object);
    }
    ASSERT_GT(objects.size(), 10u);
    for (const CData* object : objects) {
        ASSERT_TRUE(object->PropertyMapOrNull() == nullptr || object->PropertyMapOrNull()->Empty());
        // A map holding every field in order sends the writer through the map.
        const auto stored = object->Clone();
        stored->StoreProperties();
        EXPECT_EQ(ObjectText::Write(*object), ObjectText::Write(*stored)) << object->GetObjectId();
    }
}

TEST(ObjectText, RoundTripKeepsIdFieldsAndParams) {
    CSchedule schedule(1234);
    schedule.SetCaption("\xE5\xB7\xA5\xE4\xBA\x8B 1");
    schedule.SetStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    schedule.SetEndOffset(5000);
    schedule.SetTextFont(CFontInfo(CFontInfo::DefaultFace(), 9, CFontInfo::kBold));
    schedule.SetParam("_tooltip", "\xE3\x83\x92\xE3\x83\xB3\xE3\x83\x88");
    schedule.SetRegistrant("suzuki");

    std::unique_ptr<CData> read = ObjectText::Read(ObjectText::Write(schedule));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->GetType(), CData::kSchedule);
    auto& copy = static_cast<CSchedule&>(*read);
    EXPECT_EQ(copy.GetObjectId(), 1234);
    EXPECT_EQ(copy.CollectProperties(), schedule.CollectProperties());
    EXPECT_EQ(copy.GetParam("_tooltip"), schedule.GetParam("_tooltip"));
    EXPECT_EQ(copy.GetTextFont(), schedule.GetTextFont());
}

TEST(ObjectText, TextOutsideCp932IsReportedAsLost) {
    CSchedule schedule;
    schedule.SetCaption("ok \xF0\x9F\x98\x80");
    bool lost = false;
    std::string text = ObjectText::Write(schedule, &lost);
    EXPECT_TRUE(lost);
    auto read = ObjectText::Read(text);
    EXPECT_EQ(static_cast<CSchedule&>(*read).GetCaption(), "ok ?");

    schedule.SetCaption("ok");
    ObjectText::Write(schedule, &lost);
    EXPECT_FALSE(lost);
}

// An unknown or abstract tag word gives no object; a lone lead byte decodes
// as a replacement character, not as a failure.
TEST(ObjectText, DamagedTextIsRefusedAndOddTextReadsAsFarAsItCan) {
    for (const char* damaged : {"", "row\t2\t0\t61\t62", "row\tx\t0", "row\t-1\t0",
                                "row\t1\t0\tZZ\t61", "row\t999999999\t999999999"})
        EXPECT_THROW(ObjectText::Read(damaged), std::invalid_argument) << damaged;
    EXPECT_EQ(ObjectText::Read("gadget\t0\t0"), nullptr);
    EXPECT_EQ(ObjectText::Read("holiday\t0\t0"), nullptr);
    auto read = ObjectText::Read("row\t1\t0\t63617074696F6E\t6182");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->CollectProperties().Get("caption"), "a\xEF\xBF\xBD");
}

// Names that differ only in bytes that are no CP932 are one name as soon as
// they are read, as they would be once written: what is read writes back
// and reads again to the same properties. A value keeps its replacement
// character.
TEST(ObjectText, NamesOfUndecodableBytesAreReadAsTheyWillBeWritten) {
    // "a?0" = 1, then "a" F2 "0" = 2 (F2 leads no pair with "0"), and a value
    // holding the same bytes.
    const std::string text = "schedule\t2\t1\t613F30\t31\t61F230\t32\t5F70\t61F230";
    const auto read = ObjectText::Read(text);
    ASSERT_NE(read, nullptr);
    const PropertyMap properties = read->CollectProperties();
    EXPECT_EQ(properties.Get("a?0"), "2");
    EXPECT_EQ(read->GetParam("_p"),
              "a\xEF\xBF\xBD"
              "0");
    const std::string written = ObjectText::Write(*read);
    const auto again = ObjectText::Read(written);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->CollectProperties(), properties);
    EXPECT_EQ(ObjectText::Write(*again), written);
}

}  // namespace
}  // namespace qb
