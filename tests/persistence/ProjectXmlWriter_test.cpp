#include "ProjectXmlWriter.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

#include <cstdlib>
#include <random>

#include "CColumn.h"
#include "CLink.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CSchedule.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "ProjectArchive.h"
#include "ProjectGenerator.h"
#include "SystemError.h"
#include "TestFolder.h"
#include "TestPaths.h"
#include "XmlMessages.h"
#include "XmlObjectMapping.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

const std::string kGoldenFolder = qb::test::SourcePath("tests/data/xml/");
const std::string kSampleFile = qb::test::SourcePath("data/samples/sample.qbd");

template <class T>
T& AddTo(CDataArray& array, std::unique_ptr<T> object) {
    T& added = *object;
    array.Add(std::move(object));
    return added;
}

CRow& AddRow(CRowArray& rows, CProject& project, const std::string& caption) {
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->SetCaption(caption);
    return AddTo(rows, std::move(row));
}

// A small project with one of everything, deleted objects among them.
std::unique_ptr<CProject> SmallProject() {
    auto project = std::make_unique<CProject>();
    project->SetTitle("本社ビル新築工事");
    project->SetDisplayStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    project->SetParam("_Renban", "true");
    CRow& building = AddRow(project->GetRows(), *project, "建築");
    CRow& floor = AddRow(building.GetChildren(), *project, "1F");
    AddRow(floor.GetChildren(), *project, "内装").SetReference("A-1");
    AddRow(building.GetChildren(), *project, "撤去済").SetDeleted(true);
    CRow& outside = AddRow(project->GetRows(), *project, "外構");
    AddRow(outside.GetChildren(), *project, "削除").SetDeleted(true);

    auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
    schedule->SetCaption("基礎\r\n工事");
    schedule->SetRemark("path C:\\new");
    schedule->SetRowObjectId(floor.GetObjectId());
    schedule->SetStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    schedule->SetEndDate(COleDateTime(2024, 4, 30, 0, 0, 0));
    schedule->SetRegistrant("yamada");
    schedule->SetParam("_w", "0");
    const std::int32_t first = schedule->GetObjectId();
    AddTo(project->GetSchedules(), std::move(schedule));
    AddTo(project->GetSchedules(), std::make_unique<CSchedule>(project->NewObjectId()))
        .SetDeleted(true);

    AddTo(project->GetColumns(), std::make_unique<CColumn>(project->NewObjectId()))
        .SetCaption("担当");
    auto link = std::make_unique<CLink>(project->NewObjectId());
    link->SetFromId(first);
    AddTo(project->GetLinks(), std::move(link));
    auto memo = std::make_unique<CMemo>(project->NewObjectId());
    memo->SetText("a\r\nb");
    AddTo(project->GetDrawParts(), std::move(memo));
    auto holiday = std::make_unique<CYmdHoliday>(project->NewObjectId());
    holiday->SetName("創立記念日");
    holiday->SetMonth(6);
    holiday->SetDay(1);
    AddTo(project->GetHolidays(), std::move(holiday));
    return project;
}

class ProjectXmlWriterTest : public ::testing::Test {
protected:
    TestFolder folder_;
    ProjectXmlWriter writer_;
};

// The bundled sample as a user would export it.
std::unique_ptr<CProject> SampleFromFile() {
    ErrorSlot error;
    auto project = ProjectArchive::ReadProjectArchive(TestFolder::Read(kSampleFile), error);
    if (!project)
        ADD_FAILURE() << "cannot read " << kSampleFile;
    return project ? std::move(project) : std::make_unique<CProject>();
}

std::unique_ptr<CProject> Generated(int schedules, unsigned seed) {
    ProjectGenerator::Options options;
    options.rows = schedules / 7;
    options.schedules = schedules;
    options.links = schedules / 4;
    options.memos = schedules / 13 + 1;
    options.seed = seed;
    options.tombstones = true;
    return ProjectGenerator::Generate(options);
}

std::unique_ptr<CProject> GeneratedProject() {
    ProjectGenerator::Options options;
    options.rows = 30;
    options.schedules = 200;
    options.links = 50;
    options.memos = 15;
    options.seed = 17;
    options.tombstones = true;
    return ProjectGenerator::Generate(options);
}

// Rows nested twelve deep, every second level with a deleted sibling.
void AddDeepRows(CProject& project) {
    CRowArray* level = &project.GetRows();
    for (int depth = 0; depth < 12; ++depth) {
        CRow& row = AddRow(*level, project, "階層" + std::to_string(depth));
        if (depth % 2 == 1)
            AddRow(*level, project, "消えた行").SetDeleted(true);
        level = &row.GetChildren();
    }
}

// One holiday rule of every kind, with null and invalid dates among them.
void AddEveryHoliday(CProject& project) {
    CHolidayArray& holidays = project.GetHolidays();
    auto ymd = std::make_unique<CYmdHoliday>(project.NewObjectId());
    ymd->SetYear(2025);
    ymd->SetMonth(12);
    ymd->SetDay(31);
    ymd->SetStartDate(COleDateTime::Invalid());
    AddTo(holidays, std::move(ymd));
    auto md = std::make_unique<CMdHoliday>(project.NewObjectId());
    md->SetMonth(5);
    md->SetDay(3);
    md->SetTransferBySunday(true);
    md->SetName("憲法記念日");
    AddTo(holidays, std::move(md));
    auto mw = std::make_unique<CMwHoliday>(project.NewObjectId());
    mw->SetMonth(1);
    mw->SetWeekNo(2);
    mw->SetDayOfWeek(2);
    mw->SetEndDate(COleDateTime(2030, 1, 1, 0, 0, 0));
    AddTo(holidays, std::move(mw));
    auto monthly = std::make_unique<CMonthlyHoliday>(project.NewObjectId());
    monthly->SetDay(15);
    monthly->SetForceNotHoliday(true);
    AddTo(holidays, std::move(monthly));
    auto monthlyWeek = std::make_unique<CMonthlyWHoliday>(project.NewObjectId());
    monthlyWeek->SetWeekNo(4);
    monthlyWeek->SetDayOfWeek(6);
    AddTo(holidays, std::move(monthlyWeek));
    auto weekly = std::make_unique<CWeeklyHoliday>(project.NewObjectId());
    weekly->SetDayOfWeek(1);
    weekly->SetDeleted(true);
    AddTo(holidays, std::move(weekly));
}

// Text a document has to escape or carry through unchanged: markup
// characters, tabs and line breaks of every kind, characters outside the
// Japanese code page and outside the 16-bit range, empty and foreign values;
// no columns at all, deep rows, every holiday kind.
std::unique_ptr<CProject> AwkwardProject() {
    auto project = std::make_unique<CProject>();
    project->SetTitle("工程表 <第2版> & \"最終\" 'A' > B");
    project->SetReference("");
    project->SetViewPassword("\t");
    project->SetDefaultFont(
        CFontInfo("Noto Sans CJK JP", 9, CFontInfo::kBold | CFontInfo::kItalic));
    project->SetBorderLineCode(CPenInfo(2, 3, MakeRgb(255, 0, 128)));
    project->SetDisplayStartDate(COleDateTime::Null());
    project->SetDisplayEndDate(COleDateTime::Invalid());
    project->SetShared(true);
    project->SetParam("_Header", "見出し\r\n二行目");
    project->SetParam("_Empty", "");
    project->SetParam("_名前 & <記号>\t\"", "値\t\"引用\"\r");
    project->SetProperty("日本語名", "外の値", false);
    project->SetProperty("Zulu", "upper case sorts first", false);
    project->SetProperty("bad name", "left out", false);
    project->SetProperty("xmlns:q", "left out", false);
    project->SetProperty("emptyForeign", "", false);
    AddDeepRows(*project);
    CRow& parent = AddRow(project->GetRows(), *project, "タブ\t区切り\r\n改行\n\\n");
    AddRow(parent.GetChildren(), *project, "gone").SetDeleted(true);

    struct Text {
        const char* caption;
        const char* remark;
    };
    const Text texts[] = {
        {"한국어 é ß € ① ㈱ 髙", "😀 𠮷野家 \U0001F3EF"},
        {"\x7f\xc2\x85 \xef\xbb\xbf \xef\xbf\xbd \xe2\x80\xa8", "]]> <!-- --> &amp; &#x41;"},
        {"lone\rCR\r", "back\\slash \\n literal"},
        {"", ""},
    };
    int index = 0;
    for (const Text& text : texts) {
        auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
        schedule->SetCaption(text.caption);
        schedule->SetRemark(text.remark);
        schedule->SetRowObjectId(parent.GetObjectId());
        schedule->SetStartDate(COleDateTime(2026, 1 + index, 10, 8, 30, 15));
        schedule->SetEndDate(index % 2 ? COleDateTime::Null() : COleDateTime::Invalid());
        schedule->SetCaptionHAlign(index % 3);
        schedule->SetTextFont(CFontInfo("ＭＳ Ｐゴシック", 11, CFontInfo::kUnderline));
        schedule->SetEdgePen(CPenInfo(1, 2, MakeRgb(10, 20, 30)));
        schedule->SetByDay(index % 2 == 0);
        schedule->SetProgressRate(index * 33);
        schedule->SetParam("_tooltip", text.caption);
        schedule->SetProperty("caption", "stale map value", false);
        AddTo(project->GetSchedules(), std::move(schedule));
        ++index;
    }
    auto link = std::make_unique<CLink>(project->NewObjectId());
    link->SetLinePen(CPenInfo(0, 0, 0));
    link->SetDeleted(true);
    AddTo(project->GetLinks(), std::move(link));
    auto memo = std::make_unique<CMemo>(project->NewObjectId());
    memo->SetText("1行目\r\n\t2行目 <b>&</b>\r\n");
    memo->SetXDate(COleDateTime::Invalid());
    memo->SetModifier("佐藤");
    memo->SetLastModified(COleDateTime(2026, 12, 8, 1, 2, 3));
    AddTo(project->GetDrawParts(), std::move(memo));
    AddEveryHoliday(*project);
    return project;
}

struct Golden {
    const char* file;
    std::unique_ptr<CProject> (*build)();
};

// The small project shows the arrays in their order with the rows last, rows
// nested as in the project, deleted objects left out (a row whose children
// are all deleted keeps an empty row array), line breaks and backslashes
// escaped. The others cover the sample, a generated project and awkward text.
// QB_UPDATE_GOLDEN=1 rewrites them.
const Golden kGoldens[] = {
    {"small_project_export.xml", SmallProject},
    {"sample_export.xml", SampleFromFile},
    {"generated_export.xml", GeneratedProject},
    {"awkward_export.xml", AwkwardProject},
};

TEST_F(ProjectXmlWriterTest, ExportsMatchTheGoldenFilesByteForByte) {
    for (const Golden& golden : kGoldens) {
        SCOPED_TRACE(golden.file);
        const std::string path = kGoldenFolder + golden.file;
        std::string bytes;
        ASSERT_TRUE(writer_.FormatProjectXml(*golden.build(), bytes));
        if (std::getenv("QB_UPDATE_GOLDEN"))
            TestFolder::Write(path, bytes);
        EXPECT_EQ(bytes, TestFolder::Read(path));
    }
}

// A write replaces a longer file whole; a failed one leaves the file as it was.
// The export as the XML library's own document and serializer make it.
class LibraryExport {
public:
    bool Format(const CProject& project, std::string& bytes) {
        ErrorSlot error;
        return XmlSerializer::Format(bytes, error, [&](xercesc::DOMDocument& document) {
            xercesc::DOMElement* root = mapping_.ObjectToElement(project, document);
            document.appendChild(root);
            AddArray(project.GetSchedules(), *root, document);
            AddArray(project.GetColumns(), *root, document);
            AddArray(project.GetLinks(), *root, document);
            AddArray(project.GetDrawParts(), *root, document);
            AddArray(project.GetHolidays(), *root, document);
            AddRows(project.GetRows(), *root, document);
        });
    }

private:
    void AddArray(const CDataArray& array, xercesc::DOMElement& parent,
                  xercesc::DOMDocument& document) {
        xercesc::DOMElement* element = mapping_.ObjectToElement(array, document);
        parent.appendChild(element);
        for (int i = 0; i < array.GetCount(); ++i) {
            if (!array.GetAt(i)->IsDeleted())
                element->appendChild(mapping_.ObjectToElement(*array.GetAt(i), document));
        }
    }
    void AddRows(const CRowArray& rows, xercesc::DOMElement& parent,
                 xercesc::DOMDocument& document) {
        xercesc::DOMElement* element = mapping_.ObjectToElement(rows, document);
        parent.appendChild(element);
        for (int i = 0; i < rows.GetCount(); ++i) {
            const CRow& row = *rows.At(i);
            if (row.IsDeleted())
                continue;
            xercesc::DOMElement* rowElement = mapping_.ObjectToElement(row, document);
            element->appendChild(rowElement);
            if (row.GetChildren().GetCount() > 0)
                AddRows(row.GetChildren(), *rowElement, document);
        }
    }

    XmlObjectMapping mapping_;
};

// Texts drawn from pieces the document must escape or refuse, the refused
// ones rare enough that most projects can be written.
class TextMaker {
public:
    explicit TextMaker(unsigned seed) : random_(seed) {}

    std::string Text() {
        static const std::string common[] = {
            "a", "工事", "\\", "\\n", "\r\n", "\n",           "\r",       "\t", "\"",
            "&", "<",    ">",  "'",   "😀",    "\xEF\xBF\xBD", "\xC2\x85", " ",  "]]>"};
        static const std::string refused[] = {"\x01",         "\xFF",         std::string("\0", 1),
                                              "\xEF\xBF\xBE", "\xED\xA0\x80", "\x1b"};
        std::string text;
        for (int i = Below(5); i > 0; --i) {
            text += Below(400) == 0 ? refused[Below(std::size(refused))]
                                    : common[Below(std::size(common))];
        }
        return text;
    }
    std::string Name() {
        static const std::string names[] = {"extra", "Extra", "名前",    "_x",  "a.b",
                                            "1st",   "a b",   "xmlns:p", "p:q", "\xFF"};
        return names[Below(std::size(names))];
    }
    // Roughly one object in chance is changed.
    bool Chance(int chance) { return Below(chance) == 0; }

private:
    std::size_t Below(std::size_t n) { return random_() % n; }

    std::mt19937 random_;
};

void Roughen(CData& object, TextMaker& maker) {
    if (maker.Chance(3))
        object.SetParam("_" + maker.Text(), maker.Text());
    if (maker.Chance(4))
        object.SetProperty(maker.Name(), maker.Chance(3) ? "" : maker.Text(), false);
}

// Generated projects whose texts, params and foreign properties are
// roughened at random: the streamed export is the library's to the byte,
// and refused exactly when the library refuses.
TEST_F(ProjectXmlWriterTest, RandomProjectsAreExportedAsTheLibraryExportsThem) {
    LibraryExport library;
    int written = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        auto project = Generated(60, seed);
        TextMaker maker(seed);
        Roughen(*project, maker);
        for (int i = 0; i < project->GetSchedules().GetCount(); ++i) {
            auto& schedule = static_cast<CSchedule&>(*project->GetSchedules().At(i));
            if (maker.Chance(3))
                schedule.SetCaption(maker.Text());
            Roughen(schedule, maker);
        }
        for (int i = 0; i < project->GetRows().GetCount(); ++i)
            Roughen(*project->GetRows().At(i), maker);
        for (int i = 0; i < project->GetDrawParts().GetCount(); ++i)
            Roughen(*project->GetDrawParts().At(i), maker);
        std::string expected;
        std::string bytes;
        const bool expectedWritten = library.Format(*project, expected);
        EXPECT_EQ(writer_.FormatProjectXml(*project, bytes), expectedWritten);
        EXPECT_TRUE(bytes == expected) << bytes.size() << " bytes, expected " << expected.size();
        written += expectedWritten;
    }
    EXPECT_GT(written, 10);
    EXPECT_LT(written, 40);
}

TEST_F(ProjectXmlWriterTest, WriteReplacesTheFileWholeOrNotAtAll) {
    const std::string path = folder_.File("export.xml");
    TestFolder::Write(path, std::string(1 << 16, 'x'));
    ASSERT_TRUE(writer_.WriteProjectXml(path, CProject()));
    std::string expected;
    ASSERT_TRUE(writer_.FormatProjectXml(CProject(), expected));
    EXPECT_EQ(TestFolder::Read(path), expected);

    // The bad text comes after megabytes of schedules that have already gone
    // to the new file, which is dropped.
    auto project = Generated(3000, 3);
    project->GetDrawParts().At(0)->SetProperty("bad", "\x1b[0m", false);
    EXPECT_FALSE(writer_.WriteProjectXml(path, *project));
    EXPECT_EQ(writer_.GetError().GetCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(writer_.GetError().GetMessage(), XmlMessages::kBuildFailed);
    EXPECT_EQ(TestFolder::Read(path), expected);
    EXPECT_EQ(folder_.EntryCount(), 1);
    std::string bytes = "stale";
    EXPECT_FALSE(writer_.FormatProjectXml(*project, bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(writer_.WriteProjectXml(folder_.File("missing/export.xml"), CProject()));
    EXPECT_EQ(writer_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_TRUE(writer_.GetError().GetMessage().empty());
}

}  // namespace
}  // namespace qb
