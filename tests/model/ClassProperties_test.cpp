// Every class writes its properties under their exact names, in their fixed
// order, with their constructor defaults; XML documents and object text
// depend on all three.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CDataFactory.h"
#include "CDrawPart.h"
#include "CMdHoliday.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CScheduleStyle.h"
#include "CTypeRegistry.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries Written(const CData& object) {
    PropertyMap map = object.CollectProperties();
    return Entries(map.begin(), map.end());
}

// The names after the five every class starts with, space-separated.
std::string OwnNames(const CData& object) {
    const Entries written = Written(object);
    std::string names;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (i >= 5)
            names += (names.empty() ? "" : " ") + written[i].first;
    }
    return names;
}

// The project's own classes show their names and defaults in the golden XML
// export (persistence tests); the rule kinds, read from holiday files that
// other programs write, and the styles are pinned here, names in order.
TEST(ClassProperties, RulesAndStylesWriteTheirNamesInTheirFixedOrder) {
    const std::string rule = "name forceNotHoliday startDate endDate ";
    const std::pair<std::unique_ptr<CData>, std::string> cases[] = {
        {std::make_unique<CDrawPart>(), ""},
        {std::make_unique<CYmdHoliday>(), rule + "year month day"},
        {std::make_unique<CMdHoliday>(), rule + "month day transferBySunday"},
        {std::make_unique<CMwHoliday>(), rule + "month dayOfWeek weekNo"},
        {std::make_unique<CMonthlyHoliday>(15, true), rule + "day transferBySunday"},
        {std::make_unique<CMonthlyWHoliday>(2, 3), rule + "dayOfWeek weekNo"},
        {std::make_unique<CWeeklyHoliday>(1), rule + "dayOfWeek"},
        {std::make_unique<CScheduleStyle>(),
         "key textFont textColor bgColor type subType captionPosition captionVAlign "
         "captionHAlign edgePen height startEdgeType endEdgeType"},
    };
    const Entries common = {{"objectId", "0"},
                            {"deleted", "false"},
                            {"registrant", ""},
                            {"modifier", ""},
                            {"lastModified", ""}};
    for (const auto& [object, names] : cases) {
        const Entries written = Written(*object);
        ASSERT_GE(written.size(), 5u);
        EXPECT_EQ(Entries(written.begin(), written.begin() + 5), common);
        EXPECT_EQ(OwnNames(*object), names) << CTypeRegistry::GetTagWord(object->GetType());
    }
    EXPECT_EQ(CMonthlyHoliday(15, true).CollectProperties().Get("day"), "15");
}

TEST(ClassProperties, EveryTagWordMakesItsClassExceptTheAbstractRule) {
    for (int type = 0; type < CData::kTypeCount; ++type) {
        const std::string_view word = CTypeRegistry::GetTagWord(type);
        ASSERT_FALSE(word.empty());
        EXPECT_EQ(CTypeRegistry::GetTypeOf(word), type);
        std::unique_ptr<CData> object = CDataFactory::Create(word);
        if (type == CData::kHoliday) {
            EXPECT_EQ(object, nullptr);
            continue;
        }
        ASSERT_NE(object, nullptr) << word;
        EXPECT_EQ(object->GetType(), type) << word;
        std::unique_ptr<CData> clone = object->Clone();
        EXPECT_EQ(clone->GetType(), type) << word;
        EXPECT_EQ(Written(*clone), Written(*object)) << word;
    }
    EXPECT_EQ(CDataFactory::Create("Schedule"), nullptr);
    EXPECT_EQ(CDataFactory::Create(""), nullptr);
    EXPECT_EQ(CTypeRegistry::GetTagWord(25), "");
    EXPECT_EQ(CTypeRegistry::GetTagWord(-1), "");
}

TEST(ClassProperties, EveryPropertySurvivesStoreAndLoadOnEveryClass) {
    // Set each property to a value unlike its default through the text form,
    // load it, and read it back: a field missing from either direction shows.
    for (int type = 0; type < CData::kTypeCount; ++type) {
        std::unique_ptr<CData> object = CDataFactory::CreateByType(type);
        if (!object)
            continue;
        PropertyMap changed;
        for (const auto& [name, value] : object->CollectProperties()) {
            std::string other = "7";
            if (value == "true" || value == "false")
                other = value == "true" ? "false" : "true";
            const bool isFont = name.size() > 4 && name.compare(name.size() - 4, 4, "Font") == 0;
            if (value.find(',') != std::string::npos || isFont) {
                other = "Face,9,3";
            }
            if (name.find("Date") != std::string::npos || name == "lastModified") {
                other = "2001/02/03 04:05:06(0)";
            }
            if (name.find("Align") != std::string::npos ||
                name.find("Position") != std::string::npos) {
                other = "2";
            }
            if (name == "caption" || name == "text" || name == "name" || name == "title") {
                other = "text";
            }
            changed.Set(name, other);
        }
        object->SetProperties(changed);
        std::unique_ptr<CData> copy = CDataFactory::CreateByType(type);
        copy->SetProperties(object->CollectProperties());
        EXPECT_EQ(Written(*copy), Written(*object)) << CTypeRegistry::GetTagWord(type);
        for (const auto& [name, value] : changed) {
            if (name.find("Pen") != std::string::npos || name.find("Code") != std::string::npos) {
                continue;  // pens read "Face,9,3" as 0,9,3
            }
            EXPECT_EQ(object->CollectProperties().Get(name), value)
                << CTypeRegistry::GetTagWord(type) << "." << name;
        }
    }
}

}  // namespace
}  // namespace qb
