#include "ImportRowRecord.h"

#include <string>

#include "CColumn.h"
#include "CProject.h"
#include "CRow.h"
#include "ColumnEdits.h"
#include "FormPen.h"
#include "ImportFieldText.h"
#include "ImportLog.h"
#include "RowDefaults.h"

namespace qb {
namespace {

constexpr int kFirstColumnField = 17;

struct Fields {
    const std::vector<std::string_view>& list;
    // 1-based, as the format counts; fields past the end read empty.
    std::string_view operator[](std::size_t number) const {
        return number >= 1 && number <= list.size() ? list[number - 1] : std::string_view();
    }
};

// An empty field keeps the default; a value out of range is moved into it.
void TakeSize(std::string_view text, int low, int high, std::int32_t& value) {
    if (const std::optional<int> size = ImportFieldText::Clamped(text, low, high))
        value = *size;
}

CPenInfo ReadPen(const Fields& fields, std::size_t first, CPenInfo pen) {
    if (auto style = ImportFieldText::Integer(fields[first], 0, FormPen::kStyleCount - 1))
        pen.SetStyle(*style);
    if (auto width = ImportFieldText::Clamped(fields[first + 1], 1, FormPen::kMaxWidth))
        pen.SetWidth(*width);
    if (auto colour = ImportFieldText::Colour(fields[first + 2]))
        pen.SetColour(*colour);
    return pen;
}

bool CheckLevel(std::string_view text, int previousLevel, int& level, ImportLog& log, int line) {
    const std::optional<int> value = ImportFieldText::Integer(text, -1000000, 1000000);
    if (previousLevel < 0 && value && *value != 0) {
        log.Record(line, "最初にインポートする段は階層0でなければなりません。\n");
        return false;
    }
    if (!value || *value < 0 || *value > previousLevel + 1) {
        log.Record(line, "階層の指定が不正です。\n");
        return false;
    }
    level = *value;
    return true;
}

void ReadColours(const Fields& fields, CRow& row, ImportLog& log, int line) {
    if (!fields[5].empty()) {
        const std::optional<ColorRef> text = ImportFieldText::Colour(fields[5]);
        if (!text)
            log.Record(line, "文字色の指定が不正なので、黒に設定しました。\n");
        row.SetTextColor(text.value_or(kBlack));
    }
    if (!fields[6].empty()) {
        const std::optional<ColorRef> back = ImportFieldText::Colour(fields[6]);
        if (!back)
            log.Record(line, "背景色の指定が不正なので、白に設定しました。\n");
        row.SetParamInt("_BackColor", static_cast<std::int32_t>(back.value_or(kWhite)));
    }
}

// One field per live column, in column order, from the field the record
// names (17 unless it says otherwise).
void ReadCells(const Fields& fields, const CProject& project, CRow& row) {
    std::size_t field = kFirstColumnField;
    if (const std::optional<int> first = ImportFieldText::Integer(fields[16], 1, 1 << 20))
        field = static_cast<std::size_t>(*first);
    const CColumnArray& columns = project.GetColumns();
    for (int i = 0, n = columns.GetCount(); i < n; ++i) {
        const CColumn* column = columns.At(i);
        if (column == nullptr || column->IsDeleted())
            continue;
        const std::string_view text = fields[field++];
        if (!text.empty())
            row.SetParam(ColumnEdits::CellName(column->GetObjectId()), std::string(text));
    }
}

}  // namespace

std::optional<ImportRowRecord::Result> ImportRowRecord::Read(
    const std::vector<std::string_view>& list, const CProject& project, int previousLevel,
    int defaultHeight, ImportLog& log, int line) {
    if (list.size() < 4) {
        log.Record(line, "スケジュールデータの行は、最低4列必要です。\n");
        return std::nullopt;
    }
    const Fields fields{list};
    Result result;
    if (!CheckLevel(fields[3], previousLevel, result.level, log, line))
        return std::nullopt;
    result.row = RowDefaults::Prepare(project, std::string(fields[4]), defaultHeight);
    CRow& row = *result.row;
    ReadColours(fields, row, log, line);
    std::int32_t height = row.GetHeight();
    TakeSize(fields[7], 10, 500, height);
    row.SetHeight(height);
    std::int32_t width = row.GetWidth();
    TakeSize(fields[8], 10, 1000, width);
    row.SetWidth(width);
    row.SetReference(fields[9]);
    row.SetBottomLinePen(ReadPen(fields, 10, row.GetBottomLinePen()));
    row.SetRightLinePen(ReadPen(fields, 13, row.GetRightLinePen()));
    ReadCells(fields, project, row);
    return result;
}

}  // namespace qb
