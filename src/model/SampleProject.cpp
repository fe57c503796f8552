#include "SampleProject.h"

#include <string>
#include <vector>

#include "CLink.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "CMonthlyWHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {
namespace {

struct RowEntry {
    const char* caption;
    int depth;
    const char* owner;  // text of the first free column
    const char* note;   // text of the second
};

// The plan's rows, depth-first; depth 0 is the top level.
constexpr RowEntry kRows[] = {
    {"準備工事", 0, "山田", ""},
    {"仮設工事", 1, "山田", "仮囲い・現場事務所"},
    {"測量・地縄張り", 1, "佐藤", ""},
    {"基礎工事", 0, "鈴木", ""},
    {"掘削・山留め", 1, "鈴木", "残土搬出あり"},
    {"配筋・型枠", 1, "鈴木", ""},
    {"コンクリート打設", 1, "高橋", "天候に注意"},
    {"躯体工事", 0, "高橋", ""},
    {"鉄骨建方", 1, "高橋", ""},
    {"1階", 2, "高橋", ""},
    {"2階", 2, "高橋", ""},
    {"3階・屋根", 2, "田中", ""},
    {"仕上工事", 0, "田中", ""},
    {"外装", 1, "田中", "タイル張り"},
    {"内装", 1, "伊藤", ""},
    {"設備工事", 1, "渡辺", "電気・空調・給排水"},
    {"検査・引渡し", 0, "山田", ""},
};

enum class Shape { kBar, kLine, kMilestone };

struct ScheduleEntry {
    int row;  // index into kRows
    const char* caption;
    int month;
    int day;
    int days;  // length in days, end day included
    Shape shape;
    int progress;    // -1 not set
    int actualDays;  // actual dates from the plan's start, 0 none
    int plan;        // quantities, 0 none
    int results;
    ColorRef colour;
};

constexpr ColorRef kBlue = MakeRgb(120, 170, 230);
constexpr ColorRef kOrange = MakeRgb(250, 190, 110);
constexpr ColorRef kGreen = MakeRgb(140, 210, 140);
constexpr ColorRef kRed = MakeRgb(220, 60, 60);

constexpr ScheduleEntry kSchedules[] = {
    {1, "仮囲い設置", 4, 1, 10, Shape::kBar, 100, 11, 0, 0, kBlue},
    {1, "現場事務所", 4, 7, 8, Shape::kBar, 100, 8, 0, 0, kBlue},
    {2, "測量", 4, 10, 5, Shape::kBar, 100, 5, 0, 0, kBlue},
    {2, "着工", 4, 15, 1, Shape::kMilestone, -1, 0, 0, 0, kRed},
    {4, "掘削", 4, 16, 20, Shape::kBar, 100, 22, 1200, 1200, kOrange},
    {4, "残土搬出", 4, 20, 18, Shape::kLine, -1, 0, 0, 0, kOrange},
    {5, "基礎配筋", 5, 8, 15, Shape::kBar, 80, 0, 40, 32, kOrange},
    {6, "基礎打設", 5, 26, 3, Shape::kBar, 0, 0, 350, 0, kOrange},
    {6, "基礎完了検査", 5, 30, 1, Shape::kMilestone, -1, 0, 0, 0, kRed},
    {8, "鉄骨建方", 6, 2, 25, Shape::kBar, 30, 0, 0, 0, kGreen},
    {9, "1階床", 6, 10, 12, Shape::kBar, -1, 0, 0, 0, kGreen},
    {10, "2階床", 6, 24, 12, Shape::kBar, -1, 0, 0, 0, kGreen},
    {11, "屋根", 7, 8, 15, Shape::kBar, -1, 0, 0, 0, kGreen},
    {11, "上棟", 7, 25, 1, Shape::kMilestone, -1, 0, 0, 0, kRed},
    {13, "外壁タイル", 8, 1, 40, Shape::kBar, -1, 0, 800, 0, kBlue},
    {14, "内装仕上げ", 8, 18, 45, Shape::kBar, -1, 0, 0, 0, kBlue},
    {15, "設備配管", 7, 20, 60, Shape::kLine, -1, 0, 0, 0, kGreen},
    {16, "竣工検査", 10, 6, 3, Shape::kBar, -1, 0, 0, 0, kOrange},
    {16, "引渡し", 10, 15, 1, Shape::kMilestone, -1, 0, 0, 0, kRed},
};

// Finish-to-start dependencies, as index pairs into kSchedules.
constexpr int kLinks[][2] = {{0, 4},  {2, 3},   {4, 6},   {6, 7},   {7, 8},  {8, 9},
                             {9, 12}, {12, 13}, {13, 14}, {15, 17}, {17, 18}};

constexpr int kYear = 2025;
const char* const kUser = "山田 太郎";

class Builder {
public:
    std::unique_ptr<CProject> Build() {
        SetUpProject();
        AddColumns();
        AddRows();
        AddSchedules();
        AddLinks();
        AddMemos();
        AddHolidays();
        return std::move(project_);
    }

private:
    template <class T>
    std::unique_ptr<T> Make() {
        auto object = std::make_unique<T>(project_->NewObjectId());
        Stamp(*object);
        return object;
    }
    void Stamp(CData& object) const {
        object.SetRegistrant(kUser);
        object.SetModifier(kUser);
        object.SetLastModified(COleDateTime(kYear, 6, 2, 17, 45, 0));
    }

    void SetUpProject() {
        project_->SetTitle("事務所ビル新築工事 工程表");
        project_->SetReference("サンプル");
        project_->SetHorizontalUnit(1);
        project_->SetDisplayStartDate(COleDateTime(kYear, 3, 24, 0, 0, 0));
        project_->SetDisplayEndDate(COleDateTime(kYear, 10, 31, 0, 0, 0));
        project_->SetRowViewWidth(160);
        project_->SetColumnViewWidth(140);
        project_->SetGraphHeight(60);
        project_->SetGraphColor(MakeRgb(120, 170, 230));
        project_->SetParam("_Header", "事務所ビル新築工事");
        project_->SetParam("_Footer", "株式会社サンプル建設");
        Stamp(*project_);
    }

    void AddColumns() {
        const char* captions[] = {"担当", "備考"};
        for (int i = 0; i < 2; ++i) {
            auto column = Make<CColumn>();
            column->SetCaption(captions[i]);
            column->SetWidth(i == 0 ? 50 : 90);
            columnIds_.push_back(column->GetObjectId());
            project_->GetColumns().Add(std::move(column));
        }
    }

    void AddRows() {
        std::vector<CRow*> path;  // the last row placed at each depth
        for (const RowEntry& entry : kRows) {
            auto row = Make<CRow>();
            row->SetCaption(entry.caption);
            if (entry.depth == 0)
                row->SetParam("_BackColor", std::to_string(MakeRgb(235, 240, 250)));
            row->SetParam("_c" + std::to_string(columnIds_[0]), entry.owner);
            if (*entry.note)
                row->SetParam("_c" + std::to_string(columnIds_[1]), entry.note);
            CRow* placed = row.get();
            CRowArray& parent =
                entry.depth == 0 ? project_->GetRows()
                                 : path[static_cast<std::size_t>(entry.depth - 1)]->GetChildren();
            parent.Add(std::move(row));
            path.resize(static_cast<std::size_t>(entry.depth));
            path.push_back(placed);
            rowIds_.push_back(placed->GetObjectId());
        }
    }

    void AddSchedules() {
        for (const ScheduleEntry& entry : kSchedules) {
            auto s = Make<CSchedule>();
            Fill(*s, entry);
            scheduleIds_.push_back(s->GetObjectId());
            project_->GetSchedules().Add(std::move(s));
        }
    }

    void Fill(CSchedule& s, const ScheduleEntry& entry) const {
        const COleDateTime start(kYear, entry.month, entry.day, 0, 0, 0);
        s.SetCaption(entry.caption);
        s.SetRowObjectId(rowIds_[static_cast<std::size_t>(entry.row)]);
        s.SetStartDate(start);
        s.SetEndDate(start.AddDays(entry.days - 1));
        s.SetEndOffset(9999);
        s.SetBgColor(entry.colour);
        s.SetProgressRate(entry.progress);
        switch (entry.shape) {
            case Shape::kBar:
                s.SetSubType(1);
                s.SetHeight(14);
                s.SetYOffset(9);
                break;
            case Shape::kLine:
                s.SetSubType(0);
                s.SetEdgePen(CPenInfo(0, 2, entry.colour));
                s.SetEndEdgeType(1);
                s.SetYOffset(16);
                s.SetCaptionPosition(1);
                break;
            case Shape::kMilestone:
                s.SetScheduleType(1);
                s.SetSubType(5);
                s.SetEndOffset(0);
                s.SetEndDate(start);
                s.SetYOffset(16);
                s.SetCaptionPosition(2);
                break;
        }
        if (entry.actualDays > 0) {
            s.SetActualStartDate(start);
            s.SetActualEndDate(start.AddDays(entry.actualDays - 1));
            s.SetActualEndOffset(9999);
        }
        s.SetPlan(entry.plan);
        s.SetResults(entry.results);
        if (entry.plan > 0)
            s.SetWeight(2);
    }

    void AddLinks() {
        for (const auto& pair : kLinks) {
            auto link = Make<CLink>();
            link->SetFromId(scheduleIds_[static_cast<std::size_t>(pair[0])]);
            link->SetFromHorzPosition(2);
            link->SetToId(scheduleIds_[static_cast<std::size_t>(pair[1])]);
            link->SetToHorzPosition(0);
            link->SetToEndStyle(1);
            link->SetLinePen(CPenInfo(0, 1, MakeRgb(90, 90, 90)));
            project_->GetLinks().Add(std::move(link));
        }
    }

    void AddMemos() {
        auto rain = Make<CMemo>();
        rain->SetText("梅雨時期のため\r\n打設日は要調整");
        rain->SetXDate(COleDateTime(kYear, 6, 2, 0, 0, 0));
        rain->SetYRowId(rowIds_[6]);
        rain->SetYOffset(4);
        rain->SetWidth(120);
        rain->SetHeight(36);
        rain->SetBgColor(MakeRgb(255, 255, 200));
        const std::int32_t rainId = rain->GetObjectId();
        project_->GetDrawParts().Add(std::move(rain));

        auto meeting = Make<CMemo>();
        meeting->SetText("定例会議 毎週月曜");
        meeting->SetXDate(COleDateTime(kYear, 4, 21, 0, 0, 0));
        meeting->SetXOffset(5000);
        meeting->SetYRowId(rowIds_[0]);
        meeting->SetWidth(110);
        meeting->SetHeight(20);
        meeting->SetBgPaint(false);
        project_->GetDrawParts().Add(std::move(meeting));

        // The weather memo points at the pour it concerns.
        auto link = Make<CLink>();
        link->SetFromId(rainId);
        link->SetToId(scheduleIds_[7]);
        link->SetLinePen(CPenInfo(2, 1, MakeRgb(160, 160, 160)));
        project_->GetLinks().Add(std::move(link));
    }

    void AddHolidays() {
        AddHoliday(std::make_unique<CWeeklyHoliday>(1), "日曜日");
        AddHoliday(std::make_unique<CMonthlyWHoliday>(7, 2), "第2土曜日");
        auto summer = std::make_unique<CMdHoliday>();
        summer->SetMonth(8);
        summer->SetDay(14);
        AddHoliday(std::move(summer), "夏季休暇");
        auto fieldDay = std::make_unique<CYmdHoliday>();
        fieldDay->SetYear(kYear);
        fieldDay->SetMonth(7);
        fieldDay->SetDay(19);
        fieldDay->SetForceNotHoliday(true);
        AddHoliday(std::move(fieldDay), "振替出勤日");
    }

    void AddHoliday(std::unique_ptr<CHoliday> rule, const char* name) {
        rule->SetObjectId(project_->NewObjectId());
        rule->SetName(name);
        Stamp(*rule);
        project_->GetHolidays().Add(std::move(rule));
    }

    std::unique_ptr<CProject> project_ = std::make_unique<CProject>();
    std::vector<std::int32_t> columnIds_;
    std::vector<std::int32_t> rowIds_;
    std::vector<std::int32_t> scheduleIds_;
};

}  // namespace

std::unique_ptr<CProject> SampleProject::Create() {
    return Builder().Build();
}

}  // namespace qb
