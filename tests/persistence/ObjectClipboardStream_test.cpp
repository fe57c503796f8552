// The objects block byte by byte, and every way a block is refused whole.
#include <gtest/gtest.h>

#include "ArchiveBytes.h"
#include "CLink.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "ObjectClipboardStream.h"
#include "ObjectText.h"

namespace qb {
namespace {

using test::ArchiveBytes;

std::unique_ptr<CSchedule> Schedule(std::int32_t id, const std::string& caption) {
    auto schedule = std::make_unique<CSchedule>(id);
    schedule->SetCaption(caption);
    schedule->SetRowObjectId(2);
    schedule->SetStartDate(COleDateTime(2026, 1, 5, 0, 0, 0));
    schedule->SetEndDate(COleDateTime(2026, 1, 9, 0, 0, 0));
    return schedule;
}

std::unique_ptr<CLink> Link(std::int32_t id, std::int32_t from, std::int32_t to) {
    auto link = std::make_unique<CLink>(id);
    link->SetFromId(from);
    link->SetToId(to);
    return link;
}

std::unique_ptr<CMemo> Memo(std::int32_t id, const std::string& text) {
    auto memo = std::make_unique<CMemo>(id);
    memo->SetText(text);
    memo->SetYRowId(2);
    return memo;
}

// The block's fields built straight from the layout, around texts given.
std::string Block(const std::vector<std::string>& texts,
                  std::string_view name = "CF_QUELLBRANDIREN", std::uint32_t layout = 1,
                  std::string_view program = "2.9.0") {
    ArchiveBytes b;
    b.Str(name).U32(100).Str(program).U32(layout).U32(static_cast<std::uint32_t>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i)
        b.Str(texts[i]).I32(static_cast<std::int32_t>(10 * i)).I32(-5);
    return b.Byte(0).Bytes();
}

std::string TwoSchedulesAndLink() {
    return Block({ObjectText::Write(*Schedule(7, "a")), ObjectText::Write(*Schedule(8, "b")),
                  ObjectText::Write(*Link(9, 7, 8))});
}

TEST(ObjectClipboardStream, OneScheduleIsWrittenFieldByField) {
    auto schedule = Schedule(7, "基礎工事");
    const std::string bytes = ObjectClipboardStream::Write({schedule.get()}, {{120, -4}});
    // Name, format version 100, "2.9.0", layout 1 and a count of one, as hex.
    const std::string head =
        "11"
        "43465F5155454C4C4252414E444952454E"
        "64000000"
        "05"
        "322E392E30"
        "01000000"
        "01000000";
    EXPECT_EQ(ObjectText::ToHex(bytes.substr(0, head.size() / 2)), head);
    const std::string text = ObjectText::Write(*schedule);
    ArchiveBytes rest;
    rest.Str(text).I32(120).I32(-4).Byte(0);
    EXPECT_EQ(bytes.substr(head.size() / 2), rest.Bytes());
    EXPECT_EQ(bytes.back(), '\0');
}

TEST(ObjectClipboardStream, ObjectsComeBackInOrderWithTheirPositionsAndIds) {
    auto a = Schedule(7, "工程Ａ");
    auto b = Schedule(8, "b");
    auto memo = Memo(11, "メモ\r\n二行目");
    auto link = Link(9, 7, 11);
    const std::string bytes = ObjectClipboardStream::Write(
        {a.get(), memo.get(), link.get(), b.get()}, {{1, 2}, {-3, 4}, {5, 6}, {7, -8}});
    auto objects = ObjectClipboardStream::Read(bytes);
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 4u);
    const std::vector<CData*> originals{a.get(), memo.get(), link.get(), b.get()};
    const std::vector<DrawPoint> positions{{1, 2}, {-3, 4}, {5, 6}, {7, -8}};
    for (std::size_t i = 0; i < originals.size(); ++i) {
        EXPECT_EQ((*objects)[i].position, positions[i]) << i;
        EXPECT_EQ(ObjectText::Write(*(*objects)[i].data), ObjectText::Write(*originals[i])) << i;
    }
    EXPECT_EQ(static_cast<CMemo&>(*(*objects)[1].data).GetText(), "メモ\r\n二行目");
    EXPECT_EQ(static_cast<CLink&>(*(*objects)[2].data).GetToId(), 11);
}

TEST(ObjectClipboardStream, TheProgramVersionAndTheFormatVersionAreIgnored) {
    const std::vector<std::string> texts{ObjectText::Write(*Schedule(7, "a"))};
    for (std::string_view program : {"1.0", "", "99.99.99 beta"}) {
        auto objects = ObjectClipboardStream::Read(Block(texts, "CF_QUELLBRANDIREN", 1, program));
        ASSERT_TRUE(objects) << program;
        EXPECT_EQ(objects->size(), 1u);
    }
    std::string otherVersion = Block(texts);
    otherVersion[18] = 99;
    EXPECT_TRUE(ObjectClipboardStream::Read(otherVersion));
    // No zero byte at the end, and an empty block, are fine too.
    const std::string full = Block(texts);
    EXPECT_TRUE(ObjectClipboardStream::Read(full.substr(0, full.size() - 1)));
    auto none = ObjectClipboardStream::Read(Block({}));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST(ObjectClipboardStream, BlocksThatAreNotExactlyThisFormatAreRefusedWhole) {
    const std::string schedule = ObjectText::Write(*Schedule(7, "a"));
    std::string hugeCount = Block({schedule});
    hugeCount.replace(32, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    std::string countTooHigh = Block({schedule});
    countTooHigh[32] = 2;
    std::string badHex = schedule;
    badHex.back() = 'G';
    CRow row(3);
    CProject project(4);
    const std::pair<std::string, std::string> cases[] = {
        {Block({schedule}, "CF_QUELLBRANDIRENROW"), "other format name"},
        {Block({schedule}, "cf_quellbrandiren"), "name in other case"},
        {Block({schedule}, "CF_QuellBrandiren"), "name in mixed case"},
        {Block({schedule}, "CF_QUELLBRANDIREN", 2), "layout 2"},
        {Block({schedule}, "CF_QUELLBRANDIREN", 0), "layout 0"},
        {hugeCount, "count far beyond the bytes"},
        {countTooHigh, "count one more than the records"},
        {Block({"schedule\t1"}), "text with too few fields"},
        {Block({badHex}), "text with a bad hex digit"},
        {Block({"nothing\t0\t0"}), "tag word not in the table"},
        {Block({ObjectText::Write(row)}), "a row"},
        {Block({ObjectText::Write(project)}), "a project"},
        {Block({"schedulearray\t0\t0"}), "an array"},
        {Block({"ymdholiday\t0\t0"}), "a holiday rule"},
        {Block({"drawpart\t0\t0"}), "a bare draw part"},
        {Block({schedule, ObjectText::Write(*Link(9, 7, 8))}), "link end missing"},
        {Block({schedule, ObjectText::Write(*Link(9, -1, 7))}), "link end none"},
        {Block({schedule, ObjectText::Write(*Schedule(8, "b")), ObjectText::Write(*Link(9, 7, 9)),
                ObjectText::Write(*Link(10, 7, 8))}),
         "link to a link"},
        {Block({schedule, schedule}), "the same id twice"},
        {"", "empty"},
        {std::string(64, '\0'), "zeros"},
    };
    for (const auto& [bytes, what] : cases)
        EXPECT_FALSE(ObjectClipboardStream::Read(bytes)) << what;
}

TEST(ObjectClipboardStream, ABlockCutShortAnywhereIsRefused) {
    const std::string full = TwoSchedulesAndLink();
    ASSERT_TRUE(ObjectClipboardStream::Read(full));
    // The last byte is the trailing zero, which may be missing.
    for (std::size_t size = 0; size + 1 < full.size(); ++size)
        ASSERT_FALSE(ObjectClipboardStream::Read(std::string_view(full).substr(0, size))) << size;
}

}  // namespace
}  // namespace qb
