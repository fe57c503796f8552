#include "ProjectArchive.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "ArchiveBytes.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "IPropertyChangeListener.h"
#include "ProjectGenerator.h"
#include "SampleProject.h"

namespace qb {
namespace {

using test::ArchiveBytes;

std::unique_ptr<CProject> RoundTrip(const CProject& project) {
    ErrorSlot error;
    auto read =
        ProjectArchive::ReadProjectArchive(ProjectArchive::WriteProjectArchive(project), error);
    EXPECT_FALSE(error.Failed()) << error.GetMessage();
    return read;
}

CSchedule& AddSchedule(CProject& project) {
    auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
    CSchedule& placed = *schedule;
    project.GetSchedules().Add(std::move(schedule));
    return placed;
}

bool Contains(const std::string& bytes, std::string_view part) {
    return bytes.find(part) != std::string::npos;
}

TEST(ProjectArchiveWriter, LaysOutASmallProjectExactlyAsTheTablesSay) {
    CProject project;
    project.SetTitle("工程");
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->SetCaption("A");
    project.GetRows().Add(std::move(row));
    CSchedule& s = AddSchedule(project);
    s.SetRowObjectId(0);
    s.SetWeight(3);
    s.SetPlan(2);
    s.SetResults(5);
    s.SetEdgePen(CPenInfo(2, 3, 0x0000FF));
    s.SetStartDate(COleDateTime(38000.0, COleDateTime::valid));
    s.SetEndOffset(9999);

    ArchiveBytes expected;
    expected.Project(4, "\x8D\x48\x92\xF6", 2);
    expected.ArrayStart(4, 12, 1);
    expected.I32(11).Common(4, 0).Str("A").NoFont().U32(0).Bool(false).I32(32).I32(64);
    expected.DefaultPen().DefaultPen().Str("").ArrayStart(4, 12, 0);
    expected.ArrayStart(4, 4, 0).ArrayStart(4, 14, 1);
    expected.I32(13).CommonStart(4, 1).I32(1).Str("_w").Str("3");
    expected.Str("").NoFont().U32(0).U32(0xFFFFFF).I32(0).I32(0).I32(0).I32(1).I32(1);
    expected.Pen(2, 0xFF, 3).Date(0, 0.0).Date(0, 0.0).I32(-1).I32(0);
    expected.Date(0, 38000.0).I32(0).Date(0, 0.0).I32(9999);
    expected.I32(0).I32(0).I32(0).I32(0).Str("").Str("").I32(0).I32(0).Bool(true);
    expected.U32((2u << 16) | 5u);
    expected.EmptyArraysFrom(4, 10);

    const std::string bytes = ProjectArchive::WriteProjectArchive(project);
    const std::string header(
        "\x0EQuellbrandiren\x10\x10\x10\x10\x07"
        "Archive\x04\0\0\0",
        31);
    EXPECT_EQ(bytes.substr(0, 31), header);
    EXPECT_EQ(bytes.substr(31), expected.Bytes());
    EXPECT_EQ(s.GetParam("_w"), "") << "the writer must not change the project";
}

// Everything the property maps can say about two objects, params included.
void ExpectSameObject(const CData& a, const CData& b) {
    EXPECT_EQ(a.GetType(), b.GetType());
    EXPECT_TRUE(a.CollectProperties() == b.CollectProperties()) << "object " << a.GetObjectId();
    PropertyMap pa;
    PropertyMap pb;
    a.GetParams(pa);
    b.GetParams(pb);
    EXPECT_TRUE(pa == pb) << "params of object " << a.GetObjectId();
}

void ExpectSameRows(const CRowArray& live, const CRowArray& read) {
    int index = 0;
    live.ForEach([&](const CRow& row) {
        if (row.IsDeleted())
            return;
        ASSERT_LT(index, read.GetCount());
        const CRow& other = *read.At(index++);
        ExpectSameObject(row, other);
        ExpectSameRows(row.GetChildren(), other.GetChildren());
    });
    EXPECT_EQ(index, read.GetCount());
}

template <class T>
void ExpectSameElements(const CDataArrayOf<T>& live, const CDataArrayOf<T>& read) {
    int index = 0;
    live.ForEach([&](const T& element) {
        if (element.IsDeleted())
            return;
        ASSERT_LT(index, read.GetCount());
        ExpectSameObject(element, *read.At(index++));
    });
    EXPECT_EQ(index, read.GetCount());
}

void ExpectSameDocument(const CProject& live, const CProject& read) {
    ExpectSameObject(live, read);
    ExpectSameRows(live.GetRows(), read.GetRows());
    ExpectSameElements(live.GetColumns(), read.GetColumns());
    ExpectSameElements(live.GetSchedules(), read.GetSchedules());
    ExpectSameElements(live.GetLinks(), read.GetLinks());
    ExpectSameElements(live.GetDrawParts(), read.GetDrawParts());
    ExpectSameElements(live.GetHolidays(), read.GetHolidays());
}

// QB_ARCHIVE_ROUNDTRIP_SCHEDULES raises the size for a longer manual run.
int RoundTripSchedules() {
    const char* knob = std::getenv("QB_ARCHIVE_ROUNDTRIP_SCHEDULES");
    return knob ? std::max(1, std::atoi(knob)) : 1500;
}

// Large generated projects, and the sample with every holiday kind and a
// plain draw part, come back unchanged and write the same bytes again.
TEST(ProjectArchiveRoundTrip, ProjectsComeBackUnchanged) {
    const int schedules = RoundTripSchedules();
    std::vector<std::unique_ptr<CProject>> projects;
    for (unsigned seed : {1u, 2u, 77u}) {
        ProjectGenerator::Options options;
        options.rows = schedules / 10;
        options.schedules = schedules;
        options.links = schedules / 5;
        options.memos = schedules / 50;
        options.seed = seed;
        options.tombstones = seed == 2;
        projects.push_back(ProjectGenerator::Generate(options));
    }
    auto sample = SampleProject::Create();
    auto rule = std::make_unique<CMdHoliday>(sample->NewObjectId());
    rule->SetTransferBySunday(true);
    rule->SetStartDate(COleDateTime(2000, 1, 1, 0, 0, 0));
    sample->GetHolidays().Add(std::move(rule));
    sample->GetDrawParts().Add(std::make_unique<CDrawPart>(sample->NewObjectId()));
    projects.push_back(std::move(sample));
    for (const auto& project : projects) {
        const std::string bytes = ProjectArchive::WriteProjectArchive(*project);
        auto read = RoundTrip(*project);
        ASSERT_TRUE(read);
        ExpectSameDocument(*project, *read);
        EXPECT_EQ(ProjectArchive::WriteProjectArchive(*read), bytes) << project->GetTitle();
    }
}

TEST(ProjectArchiveRoundTrip, DeletedObjectsAreDroppedButLastObjectIdSurvives) {
    CProject project;
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->GetChildren().Add(std::make_unique<CRow>(project.NewObjectId()));
    row->SetDeleted(true);
    project.GetRows().Add(std::move(row));
    AddSchedule(project).SetDeleted(true);
    auto memo = std::make_unique<CMemo>(project.NewObjectId());
    memo->SetDeleted(true);
    project.GetDrawParts().Add(std::move(memo));

    auto read = RoundTrip(project);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetRows().GetCount(), 0);
    EXPECT_EQ(read->GetSchedules().GetCount(), 0);
    EXPECT_EQ(read->GetDrawParts().GetCount(), 0);
    EXPECT_EQ(read->GetLastObjectId(), 4);
    EXPECT_EQ(read->NewObjectId(), 4);
}

// A row without children comes back without a child array of its own; an
// empty child array that carries values of its own comes back with them.
TEST(ProjectArchiveRoundTrip, OnlyChildArraysWithElementsOrValuesOfTheirOwnAreMade) {
    CProject project;
    for (int i = 0; i < 3; ++i)
        project.GetRows().Add(std::make_unique<CRow>(project.NewObjectId()));
    CRowArray& marked = project.GetRows().At(1)->GetChildren();
    marked.SetObjectId(project.NewObjectId());
    marked.SetParam("_p", "v");
    project.GetRows().At(2)->GetChildren().Add(std::make_unique<CRow>(project.NewObjectId()));

    auto read = RoundTrip(project);
    ASSERT_TRUE(read);
    const CRow fresh;
    const CRowArray& rows = read->GetRows();
    EXPECT_EQ(&std::as_const(*rows.At(0)).GetChildren(), &fresh.GetChildren());
    const CRowArray& readMarked = std::as_const(*rows.At(1)).GetChildren();
    EXPECT_NE(&readMarked, &fresh.GetChildren());
    EXPECT_EQ(readMarked.GetObjectId(), marked.GetObjectId());
    EXPECT_EQ(readMarked.GetParam("_p"), "v");
    EXPECT_EQ(readMarked.GetOwner(), rows.At(1));
    const CRowArray& readParent = std::as_const(*rows.At(2)).GetChildren();
    ASSERT_EQ(readParent.GetCount(), 1);
    EXPECT_EQ(readParent.At(0)->GetParentRow(), rows.At(2));
    EXPECT_EQ(ProjectArchive::WriteProjectArchive(*read),
              ProjectArchive::WriteProjectArchive(project));
}

// The writer adds the param only for a weight other than one (the layout
// test shows its form); a stray one on a schedule of weight one never wins,
// and the writer leaves the object alone.
TEST(ProjectArchiveRoundTrip, WeightTravelsAsParamOnlyWhenItIsNotOne) {
    CProject project;
    AddSchedule(project).SetWeight(1);
    EXPECT_FALSE(Contains(ProjectArchive::WriteProjectArchive(project), std::string("\x02_w", 3)));
    AddSchedule(project).SetWeight(0);
    AddSchedule(project).SetWeight(-7);
    CSchedule& stray = AddSchedule(project);
    stray.SetParam("_w", "9");
    stray.SetParam("_tooltip", "x");
    auto read = RoundTrip(project);
    ASSERT_TRUE(read);
    const int weights[] = {1, 0, -7, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(read->GetSchedules().At(i)->GetWeight(), weights[i]) << i;
        EXPECT_FALSE(read->GetSchedules().At(i)->HasParam("_w")) << i;
    }
    EXPECT_EQ(read->GetSchedules().At(3)->GetParam("_tooltip"), "x");
    EXPECT_TRUE(stray.HasParam("_w"));
}

TEST(ProjectArchiveRoundTrip, ProgressPairKeepsSixteenBitsOfEachQuantity) {
    struct Case {
        std::int32_t results, plan, readResults, readPlan;
    };
    const Case cases[] = {{100, 0, 0, 0},  // the pair value 100 means none
                          {70000, 3, 70000 & 0xFFFF, 3},
                          {5, 40000, 5, 40000},
                          {5, -1, 5, 65535},
                          {0, 100, 0, 100},
                          {-1, 0, 65535, 0}};
    CProject project;
    for (const Case& c : cases) {
        CSchedule& s = AddSchedule(project);
        s.SetResults(c.results);
        s.SetPlan(c.plan);
    }
    auto read = RoundTrip(project);
    ASSERT_TRUE(read);
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        EXPECT_EQ(read->GetSchedules().At(i)->GetResults(), cases[i].readResults) << i;
        EXPECT_EQ(read->GetSchedules().At(i)->GetPlan(), cases[i].readPlan) << i;
    }
}

// One byte below 255; 0xFF and a u16 below 65534; else 0xFF 0xFFFF and a u32.
// A u16 of 0xFFFE would announce wide text, so a text of exactly 65534 bytes
// must take the longest form or the reader refuses the file. Text CP932
// cannot hold is written wide (UTF-16 units, surrogate pairs included).
TEST(ProjectArchiveRoundTrip, TextsOfEveryFormComeBackWhole) {
    const auto narrow = [](std::size_t length) { return std::string(length, 'L'); };
    const std::pair<std::string, std::string> cases[] = {
        {narrow(254), std::string("\xFE", 1) + "LLL"},
        {narrow(255), std::string("\xFF\xFF\x00LLL", 6)},
        {narrow(300), std::string("\xFF\x2C\x01LLL", 6)},
        {narrow(65533), std::string("\xFF\xFD\xFFLLL", 6)},
        {narrow(65534), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00LLL", 10)},
        {narrow(65535), std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00LLL", 10)},
        {narrow(70000), std::string("\xFF\xFF\xFF\x70\x11\x01\x00LLL", 10)},
        {"完了🎉", std::string("\xFF\xFE\xFF\x04\x8C\x5B\x86\x4E\x3C\xD8\x89\xDF", 12)},
        {"①髙", std::string("\x04\x87\x40\xFB\xFC", 5)},  // CP932 holds both
        {"𠮷野家", std::string("\xFF\xFE\xFF\x04", 4)},   // outside JIS
        {std::string(70000, 'w') + "🎉",
         std::string("\xFF\xFE\xFF\xFF\xFF\xFF\x72\x11\x01\x00w\0", 12)},
    };
    for (const auto& [text, encoded] : cases) {
        CProject project;
        AddSchedule(project).SetRemark(text);
        EXPECT_TRUE(Contains(ProjectArchive::WriteProjectArchive(project), encoded)) << text.size();
        auto read = RoundTrip(project);
        ASSERT_TRUE(read) << text.size();
        EXPECT_EQ(read->GetSchedules().At(0)->GetRemark(), text) << text.size();
    }
}

class CountingListener : public IPropertyChangeListener {
public:
    void OnPropertyChanged() override { ++calls; }
    int calls = 0;
};

TEST(ProjectArchiveReader, FillsATargetProjectInPlaceAndNotifiesItsListeners) {
    auto sample = SampleProject::Create();
    const std::string bytes = ProjectArchive::WriteProjectArchive(*sample);

    CProject target;
    target.SetParam("_stale", "1");
    target.GetRows().Add(std::make_unique<CRow>(99));
    target.GetSchedules().SetParam("_arrayStale", "1");
    CountingListener listener;
    target.AddListener(&listener);
    target.SetNotifyEnabled(true);

    ErrorSlot error;
    ASSERT_TRUE(ProjectArchive::ReadProjectArchive(bytes, target, error)) << error.GetMessage();
    EXPECT_GT(listener.calls, 0);
    EXPECT_FALSE(target.HasParam("_stale"));
    EXPECT_FALSE(target.GetSchedules().HasParam("_arrayStale"));
    EXPECT_EQ(target.FindRow(99), nullptr);
    ExpectSameDocument(*sample, target);
}

// Only a file whose header does not match is not native; a file that cannot
// be opened or read is left for the real open to report. A too new version
// still counts as a native header.
TEST(ProjectArchiveHeader, IsArchiveFileSaysNoOnlyToAFileWhoseHeaderDoesNotMatch) {
    TestFolder folder;
    const auto write = [&](const std::string& name, const std::string& bytes) {
        TestFolder::Write(folder.File(name), bytes);
        return folder.File(name);
    };
    const std::string bytes = ProjectArchive::WriteProjectArchive(CProject());
    EXPECT_TRUE(ProjectArchive::IsArchiveFile(write("ok.qbd", bytes)));
    EXPECT_TRUE(ProjectArchive::IsArchiveFile(write("header-only.qbd", bytes.substr(0, 27))));
    EXPECT_FALSE(ProjectArchive::IsArchiveFile(write("short.qbd", bytes.substr(0, 26))));
    EXPECT_FALSE(ProjectArchive::IsArchiveFile(write("empty.qbd", "")));
    EXPECT_FALSE(ProjectArchive::IsArchiveFile(write("text.qbd", "title,start,end\r\n")));
    std::string wrongMagic = bytes;
    wrongMagic[15] = 0x11;
    EXPECT_FALSE(ProjectArchive::IsArchiveFile(write("magic.qbd", wrongMagic)));
    EXPECT_TRUE(ProjectArchive::IsArchiveFile(folder.File("missing.qbd")));
    EXPECT_TRUE(ProjectArchive::IsArchiveFile(folder.Path().string()));

    ArchiveBytes v9;
    v9.Header(9);
    EXPECT_TRUE(ProjectArchive::HasArchiveHeader(v9.Bytes()));
    std::int32_t version = 0;
    EXPECT_TRUE(ProjectArchive::ReadVersion(v9.Bytes(), version));
    EXPECT_EQ(version, 9);
    EXPECT_FALSE(ProjectArchive::ReadVersion("Quell", version));
}

}  // namespace
}  // namespace qb
