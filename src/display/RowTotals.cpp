#include "RowTotals.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "DisplaySettings.h"
#include "HolidayCache.h"

namespace qb {
namespace {

using Span = std::pair<COleDateTime, COleDateTime>;
using Figures = std::array<double, 3>;

struct RowSpans {
    std::vector<Span> planned;
    Figures sums{};
};

bool IsSpan(const COleDateTime& start, const COleDateTime& end) {
    return start.IsValid() && end.IsValid() && start < end;
}

// Overlapping spans merged, in start order.
std::vector<Span> Merged(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.first < b.first; });
    std::vector<Span> merged;
    for (const Span& span : spans) {
        if (!merged.empty() && !(merged.back().second < span.first)) {
            if (merged.back().second < span.second)
                merged.back().second = span.second;
        } else {
            merged.push_back(span);
        }
    }
    return merged;
}

}  // namespace

double RowTotals::Days(const COleDateTime& start, const COleDateTime& end) const {
    if (!IsSpan(start, end))
        return 0.0;
    if (holidays_ != nullptr)
        return holidays_->CountedDays(start, end);
    return (end - start).GetTotalDays();
}

void RowTotals::Compute(CGuiRowArray& rows, const CGuiScheduleArray& schedules) const {
    std::unordered_map<const CGuiRow*, RowSpans> own;
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const CGuiSchedule& schedule = *schedules.At(i);
        const ScheduleFields& f = schedule.GetFields();
        if (schedule.GetRow() == nullptr || f.IsPoint())
            continue;
        RowSpans& spans = own[schedule.GetRow()];
        const double planned = Days(f.StartMoment(), f.EndMoment());
        spans.sums[kPlanned] += planned;
        spans.sums[kDone] += planned * f.EffectiveProgress() / 1000.0;
        spans.sums[kActual] +=
            Days(ScheduleFields::Moment(f.actualStartDate, f.actualStartOffset, f.byDay),
                 ScheduleFields::Moment(f.actualEndDate, f.actualEndOffset, f.byDay));
        if (IsSpan(f.StartMoment(), f.EndMoment()))
            spans.planned.emplace_back(f.StartMoment(), f.EndMoment());
    }
    // Each row adds its own figures to those of the rows below it.
    auto total = [&](auto& self, CGuiRow& row) -> Figures {
        Figures figures{};
        if (auto found = own.find(&row); found != own.end()) {
            figures = found->second.sums;
            if (!settings_.totalNobe) {
                figures[kPlanned] = 0.0;
                for (const Span& span : Merged(found->second.planned))
                    figures[kPlanned] += Days(span.first, span.second);
            }
        }
        for (const auto& child : row.GetChildren()) {
            const Figures below = self(self, *child);
            for (std::size_t k = 0; k < figures.size(); ++k)
                figures[k] += below[k];
        }
        for (std::size_t k = 0; k < figures.size(); ++k)
            row.SetTotal(static_cast<int>(k), figures[k]);
        return figures;
    };
    for (const auto& row : rows)
        total(total, *row);
}

}  // namespace qb
