#include "ImportScheduleRecord.h"

#include <algorithm>
#include <optional>
#include <string>

#include "CRow.h"
#include "CSchedule.h"
#include "DateOffset.h"
#include "ImportFieldText.h"
#include "ImportLog.h"
#include "ImportRowIndex.h"

namespace qb {
namespace {

using DateError = ImportFieldText::DateError;

constexpr int kPointType = 1;
constexpr int kPointSize = 10;
constexpr int kBarHeight = 12;
constexpr int kLineShape = 0;
constexpr int kCentred = -1;

// The messages of one date field, by what went wrong.
struct DateMessages {
    const char* form;
    const char* datePart;
    const char* timePart;
    // A timed schedule's date of the wrong length, and of twelve characters
    // that are not all digits.
    const char* timedLength;
    const char* timedForm;
};

constexpr DateMessages kStart{"開始日の指定が不正です。\n", "開始日の日付部分の指定が不正です。\n",
                              "開始日の時刻部分の指定が不正です。\n", "開始日の指定が不正です。\n",
                              "開始日の指定が不正です。\n"};
constexpr DateMessages kEnd{"終了日の指定が不正です。\n", "終了日の日付部分の指定が不正です。\n",
                            "終了日の時刻部分の指定が不正です。\n",
                            "このスケジュールの終了日は半角12文字でなければなりません。\n",
                            "終了日時の指定が不正です。\n"};
constexpr DateMessages kActualStart{
    "実績開始日の指定が不正です。\n", "実績開始日の日付部分の指定が不正です。\n",
    "実績開始日の時刻部分の指定が不正です。\n",
    "このスケジュールの実績開始日は半角12文字でなければなりません。\n",
    "実績開始日の指定が不正です。\n"};
constexpr DateMessages kActualEnd{
    "実績終了日の指定が不正です。\n", "実績終了日の日付部分の指定が不正です。\n",
    "実績終了日の時刻部分の指定が不正です。\n",
    "このスケジュールの実績終了日は半角12文字でなければなりません。\n",
    "実績終了日の指定が不正です。\n"};

class Reader {
public:
    Reader(const std::vector<std::string_view>& fields, ImportLog& log, int line)
        : fields_(fields), log_(log), line_(line) {}

    std::unique_ptr<CSchedule> Read(ImportRowIndex& rows);

private:
    // 1-based, as the format counts; fields past the end read empty.
    std::string_view Field(std::size_t number) const {
        return number <= fields_.size() ? fields_[number - 1] : std::string_view();
    }
    void Log(std::string_view message) { log_.Record(line_, message); }

    CRow* FindRow(ImportRowIndex& rows);
    bool ReadDate(std::string_view text, const DateMessages& messages, COleDateTime& out);
    int ReadOffset(std::size_t field, const char* message);
    bool ReadDates();
    bool ReadActualDates();
    void ReadProgressAndQuantities();
    ColorRef ReadColour(std::size_t field, ColorRef fallback, const char* message);
    int ReadChoice(std::size_t field, int low, int high, int fallback, const char* message);
    void ReadShape(const CRow& row);
    void ReadCaptionPlace();
    void ReadEdge();
    void ReadWeight();

    const std::vector<std::string_view>& fields_;
    ImportLog& log_;
    int line_;
    std::unique_ptr<CSchedule> schedule_ = std::make_unique<CSchedule>();
    bool timed_ = false;
    bool point_ = false;
};

CRow* Reader::FindRow(ImportRowIndex& rows) {
    const std::string_view target = Field(3);
    if (Field(1).size() == 2 && (Field(1)[1] == 'B' || Field(1)[1] == 'b')) {
        CRow* row = rows.ByCaption(target);
        if (row == nullptr) {
            Log("指定された段が見つかりません。\n");
            return nullptr;
        }
        Log("テキストが一致した id=" + std::to_string(row->GetObjectId()) +
            " の段にインポートします。\n");
        return row;
    }
    if (!ImportFieldText::IsDigits(target)) {
        Log("段の指定（ID）が不正です。半角数字以外が入っているのは段のIDではありません。\n");
        return nullptr;
    }
    const std::optional<int> id = ImportFieldText::Integer(target, 0, 2147483647);
    if (id && *id < 1) {
        Log("段の指定（ID）が不正です。\n");
        return nullptr;
    }
    CRow* row = id ? rows.ById(*id) : nullptr;
    if (row == nullptr)
        Log("指定された段が存在しません。\n");
    return row;
}

bool Reader::ReadDate(std::string_view text, const DateMessages& messages, COleDateTime& out) {
    const std::size_t length = timed_ ? 12 : 8;
    if (text.size() != length) {
        Log(timed_ ? messages.timedLength : messages.form);
        return false;
    }
    switch (ImportFieldText::Date(text, timed_, out)) {
        case DateError::kNone:
            return true;
        case DateError::kForm:
            Log(timed_ ? messages.timedForm : messages.form);
            return false;
        case DateError::kDatePart:
            Log(messages.datePart);
            return false;
        case DateError::kTimePart:
            Log(messages.timePart);
            return false;
    }
    return false;
}

int Reader::ReadOffset(std::size_t field, const char* message) {
    const std::string_view text = Field(field);
    if (timed_ || text.empty())
        return 0;
    const std::optional<int> offset = ImportFieldText::Offset(text);
    if (!offset)
        Log(message);
    return offset.value_or(0);
}

// A by-day end is written as the last day the schedule covers; an end at the
// start of a day is held as the start of the day after (the export shows it
// the other way round).
bool Reader::ReadDates() {
    const std::string_view startText = Field(5);
    if (startText.size() != 8 && startText.size() != 12) {
        Log(kStart.form);
        return false;
    }
    timed_ = startText.size() == 12;
    COleDateTime start;
    if (!ReadDate(startText, kStart, start))
        return false;
    CSchedule& schedule = *schedule_;
    schedule.SetByDay(!timed_);
    schedule.SetStartDate(start);
    schedule.SetStartOffset(ReadOffset(7, "開始日オフセットの指定が不正なので0に設定します。\n"));
    point_ = Field(6).empty();
    if (point_) {
        schedule.SetScheduleType(kPointType);
        return true;
    }
    COleDateTime end;
    if (!ReadDate(Field(6), kEnd, end))
        return false;
    if (end < start) {
        Log(timed_ ? "終了日時が開始日時より早い指定はできません。\n"
                   : "終了日が開始日より早い指定はできません。\n");
        return false;
    }
    const int endOffset = ReadOffset(8, "終了日オフセットの指定が不正なので0に設定します。\n");
    if (!timed_ && endOffset == 0)
        end = end.AddDays(1);
    if (DateOffset(end, endOffset) < DateOffset(start, schedule.GetStartOffset())) {
        Log("終了日が開始日より早い指定はできません。\n");
        return false;
    }
    schedule.SetEndDate(end);
    schedule.SetEndOffset(endOffset);
    return true;
}

bool Reader::ReadActualDates() {
    CSchedule& schedule = *schedule_;
    COleDateTime start;
    const bool hasStart = !Field(9).empty();
    if (hasStart && !ReadDate(Field(9), kActualStart, start))
        return false;
    if (hasStart)
        schedule.SetActualStartDate(start);
    if (point_ || Field(10).empty())
        return true;
    COleDateTime end;
    if (!ReadDate(Field(10), kActualEnd, end))
        return false;
    if (hasStart && end < start) {
        Log("実績終了日が実績開始日より早い指定はできません。\n");
        return false;
    }
    schedule.SetActualEndDate(timed_ ? end : end.AddDays(1));
    return true;
}

void Reader::ReadProgressAndQuantities() {
    const std::optional<int> progress = ImportFieldText::Tenths(Field(11));
    const std::string_view plan = Field(14);
    const std::string_view results = Field(15);
    if (progress) {
        schedule_->SetProgressRate(*progress);
        if (!plan.empty() || !results.empty())
            Log("進捗率が設定されているため、予定・実績数量はインポートされません。\n");
        return;
    }
    if (plan.empty() && results.empty())
        return;
    if (plan.empty()) {
        Log("予定数量が空欄なので実績数量は指定できません。\n");
        return;
    }
    if (results.empty()) {
        Log("予定数量が指定している場合、実績数量も指定してください。\n");
        return;
    }
    const std::optional<int> planned = ImportFieldText::Integer(plan, 1, 10000);
    const std::optional<int> done = ImportFieldText::Integer(results, 0, 10000);
    if (!planned || !done) {
        Log("予定数量は1～10000, 実績数量は0～10000で指定してください。\n");
        return;
    }
    schedule_->SetPlan(*planned);
    schedule_->SetResults(*done);
}

ColorRef Reader::ReadColour(std::size_t field, ColorRef fallback, const char* message) {
    const std::string_view text = Field(field);
    if (text.empty())
        return fallback;
    const std::optional<ColorRef> colour = ImportFieldText::Colour(text);
    if (!colour)
        Log(message);
    return colour.value_or(fallback);
}

// An empty field takes the fallback; a value outside [low, high] too, with
// the message.
int Reader::ReadChoice(std::size_t field, int low, int high, int fallback, const char* message) {
    const std::string_view text = Field(field);
    if (text.empty())
        return fallback;
    const std::optional<int> value = ImportFieldText::Integer(text, low, high);
    if (!value)
        Log(message);
    return value.value_or(fallback);
}

// Lines and bars lie centred in their row unless a Y position is given; a
// line is as thick as its edge, a point mark has its one size.
void Reader::ReadShape(const CRow& row) {
    CSchedule& schedule = *schedule_;
    int shape = ReadChoice(17, 0, 6, 1, "形状タイプは0～6で指定してください。\n");
    if (!point_ && shape > 1) {
        Log("線型のスケジュールでは、形状タイプは0か1で指定してください。\n");
        shape = 1;
    }
    schedule.SetSubType(shape);
    const std::string_view heightText = Field(19);
    int height = kBarHeight;
    if (point_) {
        height = kPointSize;
        if (!heightText.empty())
            Log("点型のスケジュールでは、高さの指定は無視されます。\n");
    } else if (shape == kLineShape) {
        height = schedule.GetEdgePen().GetWidth();
        if (!heightText.empty())
            Log("幅のない形状が指定されているため、高さの指定は無視されます。\n");
    } else if (!heightText.empty()) {
        const std::optional<int> value = ImportFieldText::Integer(heightText, 1, 100);
        if (!value)
            Log("高さは1～100で指定してください。\n");
        height = value.value_or(ImportFieldText::Clamped(heightText, 1, 100).value_or(kBarHeight));
    }
    schedule.SetHeight(height);
    int y =
        ReadChoice(18, -1, 500, kCentred,
                   "-1～500の範囲外のY位置が指定されました。中央に修正してインポートします。\n");
    if (y == kCentred)
        y = point_ ? row.GetHeight() / 2 : std::max(0, (row.GetHeight() - height) / 2);
    schedule.SetYOffset(y);
}

void Reader::ReadCaptionPlace() {
    CSchedule& schedule = *schedule_;
    if (point_) {
        schedule.SetCaptionPosition(ReadChoice(21, 1, 4, 3,
                                               "点型のスケジュールでは、文字位置は1～4で指定してく"
                                               "ださい（3に修正してインポートします）。\n"));
    } else if (!Field(21).empty()) {
        schedule.SetCaptionPosition(ReadChoice(
            21, 0, 4, 3, "文字位置は0～4で指定してください（3に修正してインポートします）。\n"));
    }
    schedule.SetCaptionVAlign(ReadChoice(
        22, 0, 2, 1, "垂直文字位置は0～2で指定してください（1に修正してインポートします）。\n"));
    if (!Field(23).empty()) {
        schedule.SetCaptionHAlign(
            ReadChoice(23, 0, 2, 0,
                       "水平文字位置は0～2で指定してください（0に修正してインポートします）。\n"));
    }
}

void Reader::ReadEdge() {
    int style = ReadChoice(
        24, 0, 5, 0,
        "縁の属性は、0,1,2,3,5のどれかで指定してください（0に修正してインポートします）。\n");
    if (style == 4) {
        Log("縁の属性は、0,1,2,3,5のどれかで指定してください（0に修正してインポートします）。\n");
        style = 0;
    }
    int width = ReadChoice(25, 1, 7, 1,
                           "縁の太さは、1～7で指定してください（1に修正してインポートします）。\n");
    if (style != 1 && width != 1) {
        Log("縁の属性が1以外のとき、縁の太さは、1を指定してください（1に修正してインポートします）"
            "。\n");
        width = 1;
    }
    const ColorRef colour =
        ReadColour(26, kBlack, "縁の色の指定が不正なので、黒に設定しました。\n");
    schedule_->SetEdgePen(CPenInfo(style, width, colour));
    const char* endMessage = "端点は、0～4で指定してください（0に修正してインポートします）。\n";
    schedule_->SetStartEdgeType(ReadChoice(27, 0, 4, 0, endMessage));
    schedule_->SetEndEdgeType(ReadChoice(28, 0, 4, 0, endMessage));
}

// A record that stops short of field 29 carries the default weight 1.
void Reader::ReadWeight() {
    schedule_->SetWeight(ReadChoice(29, 0, ImportScheduleRecord::kMaxWeight, 1,
                                    "負荷グラフの重みは、0～99999999で指定してください。\n"));
}

std::unique_ptr<CSchedule> Reader::Read(ImportRowIndex& rows) {
    const std::string_view kind = Field(1);
    const bool known = kind.size() == 2 && (kind[0] == 'S' || kind[0] == 's') &&
                       (kind[1] == 'A' || kind[1] == 'a' || kind[1] == 'B' || kind[1] == 'b');
    if (!known) {
        Log("1列目は半角の「SA」「SB」または「RA」以外は指定できません。\n");
        return nullptr;
    }
    if (fields_.size() < 5) {
        Log("スケジュールデータの行は、最低5列必要です（5列目の開始日が必須項目のため）。\n");
        return nullptr;
    }
    if (!Field(2).empty())
        Log("警告・2列目は必ず空欄にしてください。\n");
    CRow* row = FindRow(rows);
    if (row == nullptr)
        return nullptr;
    schedule_->SetRowObjectId(row->GetObjectId());
    schedule_->SetCaption(std::string(Field(4)));
    if (!ReadDates() || !ReadActualDates())
        return nullptr;
    ReadProgressAndQuantities();
    schedule_->SetBgColor(ReadColour(12, kWhite, "背景色の指定が不正なので、白に設定しました。\n"));
    schedule_->SetRemark(Field(13));
    schedule_->SetReference(Field(16));
    ReadEdge();
    ReadShape(*row);
    schedule_->SetTextColor(
        ReadColour(20, kBlack, "文字色の指定が不正なので、黒に設定しました。\n"));
    ReadCaptionPlace();
    ReadWeight();
    return std::move(schedule_);
}

}  // namespace

std::unique_ptr<CSchedule> ImportScheduleRecord::Read(const std::vector<std::string_view>& fields,
                                                      ImportRowIndex& rows, ImportLog& log,
                                                      int line) {
    return Reader(fields, log, line).Read(rows);
}

}  // namespace qb
