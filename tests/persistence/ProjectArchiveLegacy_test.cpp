// Files of versions 1 to 3 and the string forms the writer rarely or never
// produces, built byte by byte.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ArchiveBytes.h"
#include "CMemo.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

using test::ArchiveBytes;

double Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0).GetDays();
}

// A schedule record of an old version with the given offsets (f64 fractions).
void OldSchedule(ArchiveBytes& b, std::int32_t version, std::int32_t type, double startOffset,
                 double endOffset, bool actualValid) {
    b.I32(13).Common(version, 5).Str("old").NoFont().U32(0).U32(0xFFFFFF);
    b.I32(type).I32(1).I32(0).I32(1).I32(1).DefaultPen();
    b.Date(actualValid ? 0 : 2, Day(2004, 5, 1)).Date(actualValid ? 0 : 2, Day(2004, 5, 10));
    b.I32(50).I32(1);
    b.Date(0, Day(2004, 5, 1)).F64(startOffset).Date(0, Day(2004, 5, 10)).F64(endOffset);
    b.I32(2).I32(14).I32(0).I32(0).Str("remark");
    if (version >= 2)
        b.Str("ref");
}

std::unique_ptr<CProject> Read(const ArchiveBytes& bytes) {
    ErrorSlot error;
    auto project = ProjectArchive::ReadProjectArchive(bytes.Bytes(), error);
    EXPECT_FALSE(error.Failed()) << error.GetMessage();
    return project;
}

// The whole file of an old version: one row with one schedule on it, one memo.
ArchiveBytes OldFile(std::int32_t version, std::int32_t type, double startOffset, double endOffset,
                     bool actualValid) {
    ArchiveBytes b;
    b.Header(version).Project(version, "old plan", 9);
    b.ArrayStart(version, 12, 1);
    b.I32(11).Common(version, 1).Str("row").NoFont().U32(0).Bool(true).I32(40).I32(80);
    b.DefaultPen().DefaultPen();
    if (version >= 2)
        b.Str("row ref");
    b.ArrayStart(version, 12, 0);
    b.ArrayStart(version, 4, 0).ArrayStart(version, 14, 1);
    OldSchedule(b, version, type, startOffset, endOffset, actualValid);
    b.ArrayStart(version, 10, 0).ArrayStart(version, 7, 1);
    b.I32(5).I32(6).Common(version, 7).Str("memo").Date(0, Day(2004, 5, 3)).F64(0.25);
    b.I32(1).I32(3).U32(0xFFFFFF).Bool(true).U32(0).NoFont().I32(1).I32(1).DefaultPen();
    b.I32(100).I32(30);
    return b;
}

TEST(ProjectArchiveLegacy, VersionThreeOffsetsBecomeTenThousandthsAndActualEndMovesOneDay) {
    auto project = Read(OldFile(3, 0, 0.5, 0.99999, true));
    ASSERT_TRUE(project);
    const CSchedule& s = *project->GetSchedules().At(0);
    EXPECT_EQ(s.GetStartOffset(), 5000);
    EXPECT_EQ(s.GetEndOffset(), 9999);
    EXPECT_EQ(s.GetActualEndDate().GetDays(), Day(2004, 5, 11));
    EXPECT_EQ(s.GetActualStartDate().GetDays(), Day(2004, 5, 1));
    EXPECT_EQ(s.GetActualStartOffset(), 0) << "only point schedules get noon";
    EXPECT_EQ(s.GetReference(), "ref");
    const auto& memo = static_cast<const CMemo&>(*project->GetDrawParts().At(0));
    EXPECT_EQ(memo.GetXOffset(), 2500);
    EXPECT_EQ(project->GetRowViewWidth(), 100);
    EXPECT_EQ(project->GetColumnViewWidth(), 100);
    EXPECT_EQ(project->GetGraphColor(), kWhite);
    EXPECT_EQ(project->GetLastObjectId(), 9);
    EXPECT_TRUE(project->GetRows().At(0)->IsAllowedOverlap());
}

// Only point schedules with a valid actual start get noon; old offsets are
// truncated toward zero and a damaged huge fraction is clamped.
TEST(ProjectArchiveLegacy, OldPointSchedulesWithAnActualStartGetNoon) {
    auto project = Read(OldFile(3, 1, -0.5, 1e300, true));
    ASSERT_TRUE(project);
    const CSchedule& s = *project->GetSchedules().At(0);
    EXPECT_EQ(s.GetActualStartOffset(), 5000);
    EXPECT_EQ(s.GetStartOffset(), -5000);
    EXPECT_EQ(s.GetEndOffset(), 2147483647);
    auto invalid = Read(OldFile(3, 1, 0.0, 0.0, false));
    ASSERT_TRUE(invalid);
    EXPECT_TRUE(invalid->GetSchedules().At(0)->GetActualEndDate().IsNull());
    EXPECT_EQ(invalid->GetSchedules().At(0)->GetActualStartOffset(), 0);
}

// Version 2 added references, version 3 modification times.
TEST(ProjectArchiveLegacy, VersionsOneAndTwoLackWhatCameLater) {
    auto two = Read(OldFile(2, 0, 0.0, 0.0, true));
    ASSERT_TRUE(two);
    EXPECT_TRUE(two->GetSchedules().At(0)->GetLastModified().IsNull());
    EXPECT_EQ(two->GetRows().At(0)->GetReference(), "row ref");
    auto one = Read(OldFile(1, 0, 0.25, 0.75, true));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->GetRows().At(0)->GetReference(), "");
    EXPECT_EQ(one->GetSchedules().At(0)->GetReference(), "");
    EXPECT_EQ(one->GetSchedules().At(0)->GetStartOffset(), 2500);
    EXPECT_EQ(one->GetSchedules().At(0)->GetEndOffset(), 7500);
    EXPECT_EQ(one->GetRows().At(0)->GetHeight(), 40);
}

// A version 4 file whose title is written by title (prefix and bytes).
ArchiveBytes FileWithTitle(const std::function<void(ArchiveBytes&)>& title) {
    ArchiveBytes encoded;
    title(encoded);
    ArchiveBytes b;
    b.Header(4).ProjectWithEncodedTitle(4, encoded.Bytes(), 0).EmptyArraysFrom(4, 12);
    return b;
}

// Narrow strings in all three length forms (a u16 form for a short text is
// unusual but valid), wide ones likewise; a lone surrogate and bytes that are
// not CP932 read as replacement characters.
TEST(ProjectArchiveLegacy, StringsAreReadInEveryForm) {
    using Encode = std::function<void(ArchiveBytes&)>;
    std::vector<std::pair<Encode, std::string>> cases = {
        {[](ArchiveBytes& b) { b.Wide(u"予定🎉"); }, "予定🎉"},
        {[](ArchiveBytes& b) { b.Wide(std::u16string(300, u'x')); }, std::string(300, 'x')},
        {[](ArchiveBytes& b) { b.Wide(std::u16string(0x10000, u'x')); }, std::string(0x10000, 'x')},
        {[](ArchiveBytes& b) { b.Byte(0xFF).U16(0xFFFE).Byte(1).U16(0xD800); }, "\xEF\xBF\xBD"},
        {[](ArchiveBytes& b) { b.Byte(0xFF).U16(2).Byte('o').Byte('k'); }, "ok"},
        {[](ArchiveBytes& b) {
             b.Str(
                 "a\x80"
                 "b\x82\xA0");
         },
         "a\xEF\xBF\xBD"
         "b\xE3\x81\x82"},
    };
    for (std::size_t length : {0u, 254u, 255u, 0xFFFDu, 0xFFFEu, 0x12345u}) {
        const std::string text(length, 'q');
        cases.push_back({[text](ArchiveBytes& b) { b.Str(text); }, text});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        auto project = Read(FileWithTitle(cases[i].first));
        ASSERT_TRUE(project) << "row " << i;
        EXPECT_EQ(project->GetTitle(), cases[i].second) << "row " << i;
    }
}

}  // namespace
}  // namespace qb
