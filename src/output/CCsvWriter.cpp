#include "CCsvWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "FileIo.h"
#include "ScheduleFields.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Appends a UTF-8 text as CP932; characters CP932 lacks become '?'.
void AppendCp932(std::string& out, std::string_view utf8) {
    if (IsAscii(utf8))
        out += utf8;
    else
        out += TextCodec::Utf8ToCp932Lossy(utf8);
}

// Row id to the escaped texts of the row and its ancestors, outermost first,
// already in CP932. The first row with an id wins, as in the project's own
// lookup.
class RowPaths {
public:
    RowPaths(const CRowArray& rows, const CsvOptions& options)
        : separator_(options.slashPath ? "/" : "\\"), ignoreLineBreaks_(options.ignoreLineBreaks) {
        Add(rows, nullptr);
        for (auto& [id, path] : paths_)
            path = TextCodec::Utf8ToCp932Lossy(path);
    }

    std::string_view Of(std::int32_t rowId) const {
        const auto found = paths_.find(rowId);
        return found == paths_.end() ? std::string_view() : std::string_view(found->second);
    }

private:
    void Add(const CRowArray& rows, const std::string* parent) {
        rows.ForEach([&](CRow& row) {
            std::string path = parent ? *parent + separator_ : std::string();
            path += CCsvWriter::Escape(row.GetCaption(), ignoreLineBreaks_);
            Add(std::as_const(row).GetChildren(), &path);
            paths_.try_emplace(row.GetObjectId(), std::move(path));
        });
    }

    const char* separator_;
    bool ignoreLineBreaks_;
    std::unordered_map<std::int32_t, std::string> paths_;
};

void AppendNumber(std::string& out, std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// "20170224" by day, else "201702241330". Nothing for a date that is not
// valid, nor for the zero date, which a schedule holds where no date was given.
void AppendDate(std::string& out, const COleDateTime& date, bool byDay) {
    COleDateTime::Fields f;
    if (!ScheduleFields::IsSet(date) || !date.GetFields(f))
        return;
    AppendTwoDigits(out, f.year / 100);
    AppendTwoDigits(out, f.year % 100);
    AppendTwoDigits(out, f.month);
    AppendTwoDigits(out, f.day);
    if (!byDay) {
        AppendTwoDigits(out, f.hour);
        AppendTwoDigits(out, f.minute);
    }
}

// A by-day end at the very start of its day closes the day before it.
void AppendEnd(std::string& out, const COleDateTime& date, std::int32_t offset, bool byDay) {
    if (!ScheduleFields::IsSet(date))
        return;
    AppendDate(out, byDay && offset == 0 ? date.AddDays(-1) : date, byDay);
}

void AppendPrintf(std::string& out, const char* format, double value) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    if (length > 0)
        out.append(buffer,
                   std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
}

// "%04.2f" of the fraction of a day. Offsets lie within a day, so each text is
// made once and kept.
class OffsetTexts {
public:
    void Append(std::string& out, std::int32_t offset) {
        if (offset < 0 || offset > kDay) {
            AppendPrintf(out, "%04.2f", offset / 10000.0);
            return;
        }
        std::string& text = texts_[static_cast<std::size_t>(offset)];
        if (text.empty())
            AppendPrintf(text, "%04.2f", offset / 10000.0);
        out += text;
    }

private:
    static constexpr std::int32_t kDay = 10000;
    std::vector<std::string> texts_ = std::vector<std::string>(kDay + 1);
};

// "%03.1f" of the rate in percent: the tenths are the rate's last digit.
void AppendProgress(std::string& out, std::int32_t rate) {
    if (rate < 0) {
        AppendPrintf(out, "%03.1f", rate / 10.0);
        return;
    }
    AppendNumber(out, rate / 10);
    out += '.';
    out += static_cast<char>('0' + rate % 10);
}

class LineWriter {
public:
    LineWriter(std::string& out, const CsvOptions& options)
        : out_(out),
          separator_(options.tabSeparated ? '\t' : ','),
          ignoreLineBreaks_(options.ignoreLineBreaks) {}

    void Write(const CSchedule& s, std::string_view rowPath) {
        const bool byDay = s.IsByDay();
        const bool oneDate = s.GetScheduleType() != 0;
        out_ += rowPath;
        Next();
        AppendText(s.GetCaption());
        Next();
        AppendDate(out_, s.GetStartDate(), byDay);
        Next();
        if (!oneDate)
            AppendEnd(out_, s.GetEndDate(), s.GetEndOffset(), byDay);
        Next();
        if (byDay)
            offsets_.Append(out_, s.GetStartOffset());
        Next();
        if (byDay && !oneDate && ScheduleFields::IsSet(s.GetEndDate()))
            offsets_.Append(out_, s.GetEndOffset());
        Next();
        AppendDate(out_, s.GetActualStartDate(), byDay);
        Next();
        if (!oneDate)
            AppendEnd(out_, s.GetActualEndDate(), s.GetActualEndOffset(), byDay);
        Next();
        if (s.GetProgressRate() != -1)
            AppendProgress(out_, s.GetProgressRate());
        Next();
        AppendColour(s.GetBgColor());
        Next();
        AppendText(s.GetRemark());
        Next();
        if (s.GetPlan() > 0)
            AppendNumber(out_, s.GetPlan());
        Next();
        if (s.GetPlan() > 0)
            AppendNumber(out_, s.GetResults());
        Next();
        if (s.GetWeight() != 1)
            AppendNumber(out_, s.GetWeight());
        out_ += kLineEnd;
    }

private:
    void Next() { out_ += separator_; }

    void AppendText(std::string_view text) {
        if (text.find_first_of("\r\n\\") == std::string_view::npos) {
            AppendCp932(out_, text);
            return;
        }
        AppendCp932(out_, CCsvWriter::Escape(text, ignoreLineBreaks_));
    }

    void AppendColour(ColorRef colour) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (int shift : {0, 8, 16}) {
            const unsigned part = (colour >> shift) & 0xFF;
            out_ += kHex[part >> 4];
            out_ += kHex[part & 0xF];
        }
    }

    std::string& out_;
    char separator_;
    bool ignoreLineBreaks_;
    OffsetTexts offsets_;
};

}  // namespace

CCsvWriter::CCsvWriter(std::string path, const CsvOptions& options)
    : path_(std::move(path)), options_(options) {}

bool CCsvWriter::Write(const CProject& project) {
    error_.Clear();
    std::uint32_t code = 0;
    if (FileIo::WriteAtomically(path_, Format(project, options_), code))
        return true;
    error_.Set(code != 0 ? code : ErrorSlot::kOwnError);
    return false;
}

std::string CCsvWriter::Format(const CProject& project, const CsvOptions& options) {
    const RowPaths paths(project.GetRows(), options);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(project.GetSchedules().GetCount()) * 100 + 256);
    AppendCp932(bytes, Escape(project.GetTitle(), options.ignoreLineBreaks));
    bytes += kLineEnd;
    LineWriter line(bytes, options);
    project.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (!schedule.IsDeleted())
            line.Write(schedule, paths.Of(schedule.GetRowObjectId()));
    });
    return bytes;
}

// Dropping line breaks drops a lone LF too: it would end the record early in
// any reader of the file.
std::string CCsvWriter::Escape(std::string_view text, bool ignoreLineBreaks) {
    if (text.find_first_of(ignoreLineBreaks ? "\n" : "\n\\") == std::string_view::npos)
        return std::string(text);
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool crLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (crLf || c == '\n') {
            if (!ignoreLineBreaks)
                escaped += "\\n";
            i += crLf ? 1 : 0;
        } else if (c == '\\' && !ignoreLineBreaks) {
            escaped += "\\\\";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace qb
