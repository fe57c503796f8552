#include "CHtmlWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "COleDateTimeSpan.h"
#include "CProject.h"
#include "CSchedule.h"
#include "DateText.h"
#include "FileIo.h"
#include "TextCodec.h"

namespace qb {
namespace {

// Every indented row's padding: level × step + base pixels.
constexpr int kIndentStep = 25;
constexpr int kIndentBase = 10;
// Colour, date, text, progress, plan, results, remarks.
constexpr int kFixedScheduleColumns = 7;
// What the page holds per schedule, to size the buffer once.
constexpr std::size_t kBytesPerLine = 400;

// The date texts of the list: slash dates with year and weekday for
// schedules by the day (an end at the start of a day shows the day before),
// with the time of day otherwise.
std::string DateOf(const COleDateTime& date, int offset, bool byDay, bool isEnd) {
    if (!byDay)
        return DateText::SlashDateTime(date, true, true);
    if (isEnd && offset == 0)
        return DateText::SlashDate(date - COleDateTimeSpan(1, 0, 0, 0), true, true);
    return DateText::SlashDate(date, true, true);
}

class HtmlPage {
public:
    HtmlPage(const CDisplayModel& model, const HtmlOptions& options)
        : model_(model), options_(options) {
        const ChartContext& context = model.LayoutContext();
        summaryMode_ = context.summaryMode;
        indentMode_ = model.IsIndentMode();
        CollectSchedules();
        CollectColumns();
        if (!options_.indented)
            deepest_ = DeepestLevel(model.GetRows());
        scheduleColumns_ =
            kFixedScheduleColumns + (options_.showActual ? 1 : 0) + (options_.graphShown ? 1 : 0);
    }

    std::string Build() {
        out_.reserve(4096 + kBytesPerLine * model_.GetSchedules().Size());
        Head();
        HeaderRow();
        if (options_.indented)
            IndentedRows(model_.GetRows());
        else
            LevelRows(model_.GetRows(), false);
        Foot();
        return std::move(out_);
    }

private:
    using Schedules = std::vector<const CGuiSchedule*>;

    void CollectSchedules() {
        const CGuiScheduleArray& all = model_.GetSchedules();
        for (std::size_t i = 0; i < all.Size(); ++i) {
            const CGuiSchedule* schedule = all.At(i);
            if (schedule != nullptr && schedule->GetRow() != nullptr && schedule->IsVisible())
                byRow_[schedule->GetRow()].push_back(schedule);
        }
        for (auto& [row, list] : byRow_) {
            std::stable_sort(list.begin(), list.end(),
                             [](const CGuiSchedule* a, const CGuiSchedule* b) {
                                 return a->GetFields().StartMoment().GetDays() <
                                        b->GetFields().StartMoment().GetDays();
                             });
        }
    }

    void CollectColumns() {
        if (!options_.showColumns)
            return;
        const CGuiColumnArray& columns = model_.GetColumns();
        for (std::size_t i = 0; i < columns.Size(); ++i) {
            if (columns.At(i) != nullptr && columns.At(i)->IsVisible())
                columns_.push_back(i);
        }
    }

    static int DeepestLevel(const CGuiRowArray& rows) {
        int deepest = 0;
        for (const auto& row : rows) {
            if (!row->IsVisible())
                continue;
            deepest = std::max({deepest, row->GetLevel(), DeepestLevel(row->GetChildren())});
        }
        return deepest;
    }

    const Schedules* SchedulesOf(const CGuiRow& row) const {
        const auto found = byRow_.find(&row);
        return found == byRow_.end() ? nullptr : &found->second;
    }

    bool IsSummary(const CGuiRow& row) const {
        return summaryMode_ && row.HasChildren() && (row.IsFolded() || indentMode_);
    }

    static bool HasVisibleChild(const CGuiRow& row) {
        const CGuiRowArray& children = row.GetChildren();
        return std::any_of(children.begin(), children.end(),
                           [](const auto& child) { return child->IsVisible(); });
    }

    // The view shows the row's children under it: it spans them.
    bool IsGroup(const CGuiRow& row) const {
        return row.IsExpandedParent() && !IsSummary(row) && HasVisibleChild(row);
    }

    int LineCount(const CGuiRow& row) const {
        if (!options_.indented && IsGroup(row)) {
            int sum = 0;
            for (const auto& child : row.GetChildren()) {
                if (child->IsVisible())
                    sum += LineCount(*child);
            }
            return sum;
        }
        const Schedules* schedules = SchedulesOf(row);
        return schedules == nullptr ? 1 : std::max<int>(1, static_cast<int>(schedules->size()));
    }

    // Text written as it stands, a number, or user text escaped.
    struct Escaped {
        std::string_view text;
    };
    void Append(std::string_view text) { out_ += text; }
    void Append(int value) {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out_.append(buffer, result.ptr);
    }
    void Append(const Escaped& user) { CHtmlWriter::AppendEscaped(user.text, out_); }

    // One line of the page from its parts, ended by CR LF.
    template <class... Parts>
    void Line(const Parts&... parts) {
        (Append(parts), ...);
        out_ += "\r\n";
    }

    void Head() {
        Line("<html>");
        Line("<head>");
        Line("\t<title>", Escaped{ProjectTitle()}, "</title>");
        Line("\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">");
        Line("\t<style type=\"text/css\">");
        Line("\t<!--");
        const bool builtIn =
            options_.styleSheet.empty() || options_.styleSheet == AppSettings::kHtmlCssDefault;
        out_ += builtIn ? std::string_view(AppSettings::kBuiltInHtmlCss) : options_.styleSheet;
        if (!builtIn && !options_.styleSheet.ends_with("\n"))
            out_ += "\r\n";
        Line("\t-->");
        Line("\t</style>");
        Line("</head>");
        Line("<body>");
        Line("<table>");
    }

    std::string ProjectTitle() const {
        const CProject* project = model_.GetProject();
        return project == nullptr ? std::string() : project->GetTitle();
    }

    void HeaderRow() {
        Line("\t<tr>");
        Line("\t\t<th colspan=\"", deepest_ + 1, "\">&nbsp;</th>");
        const CGuiColumnArray& columns = model_.GetColumns();
        for (const std::size_t index : columns_)
            Line("\t\t<th>", Escaped{columns.At(index)->Shown().GetCaption()}, "</th>");
        Line("\t\t<th>色</th>");
        Line("\t\t<th>日付</th>");
        Line("\t\t<th>テキスト</th>");
        Line("\t\t<th>進捗率</th>");
        Line("\t\t<th>予定数量</th>");
        Line("\t\t<th>実績数量</th>");
        if (options_.showActual)
            Line("\t\t<th>実績期間</th>");
        if (options_.graphShown)
            Line("\t\t<th>負荷</th>");
        Line("\t\t<th>備考</th>");
        Line("\t</tr>");
    }

    // rowOpen: the first visible row writes into the table row its parent
    // opened.
    void LevelRows(const CGuiRowArray& rows, bool rowOpen) {
        for (const auto& row : rows) {
            if (!row->IsVisible())
                continue;
            LevelRow(*row, rowOpen);
            rowOpen = false;
        }
    }

    void LevelRow(const CGuiRow& row, bool rowOpen) {
        if (!rowOpen)
            Line("\t<tr>");
        const Escaped text{row.GetCaption()};
        if (IsGroup(row)) {
            Line("\t\t<td rowspan=\"", LineCount(row), "\">", text, "</td>");
            LevelRows(row.GetChildren(), true);
            return;
        }
        const int colspan = deepest_ - row.GetLevel() + 1;
        const Schedules* schedules = SchedulesOf(row);
        if (schedules == nullptr) {
            Line("\t\t<td colspan=\"", colspan, "\">", text, "</td>");
            NoScheduleLine(row);
            return;
        }
        Line("\t\t<td rowspan=\"", LineCount(row), "\" colspan=\"", colspan, "\">", text, "</td>");
        ColumnCells(row, LineCount(row));
        ScheduleLines(*schedules);
    }

    void IndentedRows(const CGuiRowArray& rows) {
        for (const auto& row : rows) {
            if (!row->IsVisible())
                continue;
            IndentedRow(*row);
            IndentedRows(row->GetChildren());
        }
    }

    void IndentedRow(const CGuiRow& row) {
        Line("\t<tr>");
        const int padding = row.GetLevel() * kIndentStep + kIndentBase;
        const Escaped text{row.GetCaption()};
        const Schedules* schedules = SchedulesOf(row);
        if (schedules == nullptr) {
            // The layout has one row column, which the cell fills.
            Line("\t\t<td colspan=\"1\" style=\"padding-left: ", padding, "px;\">", text, "</td>");
            NoScheduleLine(row);
            return;
        }
        const int lines = LineCount(row);
        Line("\t\t<td rowspan=\"", lines, "\" style=\"padding-left: ", padding, "px;\">", text,
             "</td>");
        ColumnCells(row, lines);
        ScheduleLines(*schedules);
    }

    void ColumnCells(const CGuiRow& row, int lines) {
        const std::vector<std::string>& cells = row.GetCellTexts();
        for (const std::size_t index : columns_) {
            const std::string_view text = index < cells.size() ? cells[index] : std::string_view();
            Line("\t\t<td rowspan=\"", lines, "\">", Escaped{text}, "</td>");
        }
    }

    void NoScheduleLine(const CGuiRow& row) {
        ColumnCells(row, 1);
        Line("\t\t<td colspan=\"", scheduleColumns_, "\">",
             IsSummary(row) ? "(サマリ表示段)</td>" : "(0件)</td>");
        Line("\t</tr>");
    }

    void ScheduleLines(const Schedules& schedules) {
        bool first = true;
        for (const CGuiSchedule* schedule : schedules) {
            if (!first)
                Line("\t<tr>");
            first = false;
            ScheduleLine(*schedule);
        }
    }

    void ScheduleLine(const CGuiSchedule& schedule) {
        const ScheduleFields& f = schedule.GetFields();
        const auto* data = static_cast<const CSchedule*>(schedule.GetData());
        char colour[64];
        std::snprintf(colour, sizeof colour, "\t\t<td width=\"20\" bgcolor=\"#%02x%02x%02x\">",
                      f.bgColor & 0xFFu, (f.bgColor >> 8) & 0xFFu, (f.bgColor >> 16) & 0xFFu);
        out_ += colour;
        Line("&nbsp;</td>");
        if (f.IsPoint())
            Line("\t\t<td>", DateOf(f.startDate, f.startOffset, f.byDay, false), "</td>");
        else
            Line("\t\t<td>", DateOf(f.startDate, f.startOffset, f.byDay, false), "～",
                 DateOf(f.endDate, f.endOffset, f.byDay, true), "</td>");
        Line("\t\t<td>", Escaped{f.caption}, "</td>");
        if (f.progressRate == -1)
            Line("\t\t<td>&nbsp;</td>");
        else
            Line("\t\t<td>", f.progressRate / 10, "%</td>");
        if (f.plan == 0) {
            Line("\t\t<td>&nbsp;</td>");
            Line("\t\t<td>&nbsp;</td>");
        } else {
            Line("\t\t<td>", f.plan, "</td>");
            Line("\t\t<td>", f.results, "</td>");
        }
        if (options_.showActual)
            ActualCell(f);
        if (options_.graphShown)
            Line("\t\t<td>", data != nullptr ? data->GetWeight() : 0, "</td>");
        const std::string_view remark = data != nullptr ? data->GetRemark() : std::string_view();
        Line("\t\t<td class=\"remarks\">", Escaped{remark}, "</td>");
        Line("\t</tr>");
    }

    void ActualCell(const ScheduleFields& f) {
        out_ += "\t\t<td>";
        if (f.HasActualStart())
            out_ += DateOf(f.actualStartDate, f.actualStartOffset, f.byDay, false);
        if (f.HasActualStart() || f.HasActualEnd())
            out_ += "～";
        if (f.HasActualEnd())
            out_ += DateOf(f.actualEndDate, f.actualEndOffset, f.byDay, true);
        Line("&nbsp;</td>");
    }

    void Foot() {
        Line("</table>");
        Line("<br>");
        if (options_.packaged)
            Line("<i>Quellbrandiren</i>");
        else
            Line("<i>Quellbrandiren</i>&nbsp; &nbsp;<a href=\"", options_.homePage,
                 "\" style=\"font-size: 85%;\">", options_.homePage, "</a>");
        Line("</body>");
        Line("</html>");
    }

    const CDisplayModel& model_;
    const HtmlOptions& options_;
    std::unordered_map<const CGuiRow*, Schedules> byRow_;
    std::vector<std::size_t> columns_;
    std::string out_;
    int deepest_ = 0;
    int scheduleColumns_ = kFixedScheduleColumns;
    bool summaryMode_ = false;
    bool indentMode_ = false;
};

}  // namespace

void CHtmlWriter::AppendEscaped(std::string_view text, std::string& out) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* replacement = nullptr;
        std::size_t length = 1;
        switch (text[i]) {
            case '&':
                replacement = "&amp;";
                break;
            case '<':
                replacement = "&lt;";
                break;
            case '>':
                replacement = "&gt;";
                break;
            case '"':
                replacement = "&quot;";
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') {
                    replacement = "<br>\r\n";
                    length = 2;
                }
                break;
            default:
                break;
        }
        if (replacement == nullptr)
            continue;
        out.append(text.substr(plain, i - plain));
        out += replacement;
        i += length - 1;
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

std::string CHtmlWriter::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(text, out);
    return out;
}

std::string CHtmlWriter::Page(const CDisplayModel& model, const HtmlOptions& options) {
    return HtmlPage(model, options).Build();
}

std::string CHtmlWriter::Bytes(const CDisplayModel& model, const HtmlOptions& options) {
    return TextCodec::Utf8ToCp932Lossy(Page(model, options));
}

bool CHtmlWriter::Write(const CDisplayModel& model, const HtmlOptions& options,
                        std::uint32_t& error) const {
    error = 0;
    return FileIo::WriteAtomically(path_, Bytes(model, options), error);
}

}  // namespace qb
