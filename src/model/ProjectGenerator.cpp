#include "ProjectGenerator.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "CWeeklyHoliday.h"

namespace qb {
namespace {

// splitmix64: tiny, and unlike the standard distributions its sequence is
// fixed, so a seed names the same project everywhere.
class Random {
public:
    explicit Random(unsigned seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. bound-1 (bound > 0).
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
    bool Percent(int chance) { return Below(100) < chance; }

private:
    std::uint64_t state_;
};

constexpr int kMaxDepth = 4;  // depth 0 is the top level: five levels in all
constexpr ColorRef kBarColours[] = {MakeRgb(120, 170, 230), MakeRgb(250, 190, 110),
                                    MakeRgb(140, 210, 140), MakeRgb(230, 130, 130),
                                    MakeRgb(200, 160, 230), kWhite};
constexpr std::int32_t kWeights[] = {0, 2, 3, 5, 10};
constexpr std::int32_t kEndOffsets[] = {9999, 9999, 5000, 0};

class Builder {
public:
    Builder(const ProjectGenerator::Options& options)
        : options_(options),
          random_(options.seed),
          project_(std::make_unique<CProject>()),
          base_(2024, 4, 1, 0, 0, 0),
          stamp_(2024, 3, 1, 9, 30, 0) {}

    std::unique_ptr<CProject> Build() {
        project_->SetTitle("生成プロジェクト " + std::to_string(options_.seed));
        project_->SetDisplayStartDate(base_);
        project_->SetDisplayEndDate(base_.AddDays(730));
        project_->SetHorizontalUnit(1);
        AddColumns();
        AddRows(std::max(options_.rows, 0));
        AddSchedules(std::max(options_.schedules, 0));
        AddMemos(std::max(options_.memos, 0));
        AddLinks(std::max(options_.links, 0));
        AddHolidays();
        return std::move(project_);
    }

private:
    template <class T>
    std::unique_ptr<T> Make(int serial) {
        auto object = std::make_unique<T>(project_->NewObjectId());
        object->SetRegistrant("gen");
        object->SetLastModified(stamp_);
        if (options_.tombstones && serial % 25 == 24)
            object->SetDeleted(true);
        return object;
    }

    COleDateTime Day(int offset) const {
        return COleDateTime(base_.GetDays() + offset, COleDateTime::valid);
    }

    void AddColumns() {
        const char* captions[] = {"担当", "備考"};
        for (int i = 0; i < 2; ++i) {
            auto column = std::make_unique<CColumn>(project_->NewObjectId());
            column->SetCaption(captions[i]);
            column->SetWidth(60 + 20 * i);
            columnIds_.push_back(column->GetObjectId());
            project_->GetColumns().Add(std::move(column));
        }
    }

    CRowArray& ParentFor(int index, int& depth) {
        if (index == 0 || random_.Percent(30)) {
            depth = 0;
            return project_->GetRows();
        }
        const int back = 1 + random_.Below(std::min(index, 8));
        std::size_t pick = rows_.size() - static_cast<std::size_t>(back);
        CRow* parent = rows_[pick];
        depth = depths_[pick] + 1;
        while (depth > kMaxDepth) {
            parent = parent->GetParentRow();
            --depth;
        }
        return parent ? parent->GetChildren() : project_->GetRows();
    }

    void AddRows(int count) {
        rows_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            auto row = Make<CRow>(i);
            row->SetCaption(i % 2 ? "工程 " + std::to_string(i) : "Phase " + std::to_string(i));
            if (i % 3 == 0)
                row->SetParam("_c" + std::to_string(columnIds_[0]), "担当" + std::to_string(i % 7));
            if (i % 11 == 0)
                row->SetHeight(48);
            int depth = 0;
            CRowArray& parent = ParentFor(i, depth);
            rows_.push_back(row.get());
            depths_.push_back(depth);
            if (!row->IsDeleted())
                rowIds_.push_back(row->GetObjectId());
            parent.Add(std::move(row));
        }
    }

    std::int32_t AnyRowId() {
        return rowIds_.empty() ? CData::kNoObject
                               : rowIds_[static_cast<std::size_t>(
                                     random_.Below(static_cast<int>(rowIds_.size())))];
    }

    void AddSchedules(int count) {
        scheduleIds_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            auto schedule = Make<CSchedule>(i);
            FillSchedule(*schedule, i);
            scheduleIds_.push_back(schedule->GetObjectId());
            project_->GetSchedules().Add(std::move(schedule));
        }
    }

    void FillSchedule(CSchedule& s, int i) {
        const int kind = random_.Below(20);
        const int type = kind < 16 ? 0 : kind - 15;  // mostly bars, some markers
        s.SetScheduleType(type);
        // type 0: subType 1 a bar, 0 a line; markers have seven shapes.
        s.SetSubType(type == 0 ? (random_.Percent(20) ? 0 : 1) : random_.Below(7));
        s.SetCaption(i % 3 ? "Task " + std::to_string(i) : "作業" + std::to_string(i));
        s.SetRowObjectId(AnyRowId());
        s.SetBgColor(kBarColours[random_.Below(6)]);
        s.SetCaptionPosition(random_.Below(5));
        const int start = random_.Below(730);
        const int length = type == 0 ? random_.Below(40) : 0;
        s.SetStartDate(Day(start));
        s.SetEndDate(Day(start + length));
        s.SetEndOffset(type == 0 ? kEndOffsets[random_.Below(4)] : 0);
        s.SetHeight(type == 0 ? 12 + random_.Below(3) * 4 : 0);
        s.SetYOffset(random_.Below(3) * 4);
        s.SetProgressRate(random_.Percent(25) ? -1 : random_.Below(101));
        if (random_.Percent(30)) {
            s.SetActualStartDate(Day(start + random_.Below(3)));
            s.SetActualEndDate(Day(start + length + random_.Below(5)));
            s.SetActualEndOffset(9999);
        }
        if (random_.Percent(20)) {
            const int plan = 1 + random_.Below(500);
            s.SetPlan(plan);
            s.SetResults(random_.Below(plan + 1));
        }
        if (random_.Percent(5))
            s.SetWeight(kWeights[random_.Below(5)]);
        if (random_.Percent(10))
            s.SetRemark("確認要");
        if (random_.Percent(2))
            s.SetParam("_tooltip", "詳細は担当へ");
        if (random_.Percent(5)) {
            // Drawn one by one: the order of a call's arguments is the
            // compiler's choice, and a seed must make the same plan everywhere.
            const int width = 1 + random_.Below(2);
            const int style = random_.Below(3);
            s.SetEdgePen(CPenInfo(style, width, MakeRgb(40, 40, 40)));
        }
    }

    void AddMemos(int count) {
        for (int i = 0; i < count; ++i) {
            auto memo = Make<CMemo>(i);
            memo->SetText("メモ " + std::to_string(i));
            memo->SetXDate(Day(random_.Below(730)));
            memo->SetXOffset(random_.Below(2) * 5000);
            memo->SetYRowId(AnyRowId());
            memo->SetYOffset(random_.Below(20));
            memo->SetWidth(80 + random_.Below(80));
            memo->SetHeight(24 + random_.Below(40));
            memo->SetBgColor(MakeRgb(255, 255, 200));
            memoIds_.push_back(memo->GetObjectId());
            project_->GetDrawParts().Add(std::move(memo));
        }
    }

    std::int32_t AnyEndId() {
        if (!memoIds_.empty() && random_.Percent(10))
            return memoIds_[static_cast<std::size_t>(
                random_.Below(static_cast<int>(memoIds_.size())))];
        if (scheduleIds_.empty())
            return CData::kNoObject;
        return scheduleIds_[static_cast<std::size_t>(
            random_.Below(static_cast<int>(scheduleIds_.size())))];
    }

    void AddLinks(int count) {
        for (int i = 0; i < count; ++i) {
            auto link = Make<CLink>(i);
            link->SetFromId(AnyEndId());
            link->SetToId(AnyEndId());
            link->SetFromHorzPosition(2);
            link->SetToHorzPosition(0);
            link->SetToEndStyle(1);
            project_->GetLinks().Add(std::move(link));
        }
    }

    void AddHolidays() {
        for (std::int32_t day : {1, 7}) {
            auto rule = std::make_unique<CWeeklyHoliday>(day);
            rule->SetObjectId(project_->NewObjectId());
            rule->SetName(day == 1 ? "日曜日" : "土曜日");
            project_->GetHolidays().Add(std::move(rule));
        }
    }

    const ProjectGenerator::Options& options_;
    Random random_;
    std::unique_ptr<CProject> project_;
    COleDateTime base_;
    COleDateTime stamp_;
    std::vector<CRow*> rows_;
    std::vector<int> depths_;
    std::vector<std::int32_t> rowIds_;
    std::vector<std::int32_t> columnIds_;
    std::vector<std::int32_t> scheduleIds_;
    std::vector<std::int32_t> memoIds_;
};

}  // namespace

std::unique_ptr<CProject> ProjectGenerator::Generate(const Options& options) {
    return Builder(options).Build();
}

}  // namespace qb
