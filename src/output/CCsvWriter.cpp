#include "CCsvWriter.h"

#include <cstdio>
#include <unordered_map>

#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "FileIo.h"
#include "ScheduleFields.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Row id to the escaped texts of the row and its ancestors, outermost first.
// The first row with an id wins, as in the project's own lookup.
class RowPaths {
public:
    RowPaths(const CRowArray& rows, const CsvOptions& options)
        : separator_(options.slashPath ? "/" : "\\"), ignoreLineBreaks_(options.ignoreLineBreaks) {
        Add(rows, nullptr);
    }

    const std::string& Of(std::int32_t rowId) const {
        static const std::string none;
        const auto found = paths_.find(rowId);
        return found == paths_.end() ? none : found->second;
    }

private:
    void Add(const CRowArray& rows, const std::string* parent) {
        rows.ForEach([&](CRow& row) {
            std::string path = parent ? *parent + separator_ : std::string();
            path += CCsvWriter::Escape(row.GetCaption(), ignoreLineBreaks_);
            Add(row.GetChildren(), &path);
            paths_.try_emplace(row.GetObjectId(), std::move(path));
        });
    }

    const char* separator_;
    bool ignoreLineBreaks_;
    std::unordered_map<std::int32_t, std::string> paths_;
};

void AppendPrintf(std::string& out, const char* format, double value) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    if (length > 0)
        out.append(buffer, static_cast<std::size_t>(length) < sizeof buffer
                               ? static_cast<std::size_t>(length)
                               : sizeof buffer - 1);
}

void AppendDigits(std::string& out, int value, int width) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    if (length > 0)
        out.append(buffer, static_cast<std::size_t>(length));
}

// "20170224" by day, else "201702241330". Nothing for a date that is not
// valid, nor for the zero date, which a schedule holds where no date was given.
void AppendDate(std::string& out, const COleDateTime& date, bool byDay) {
    COleDateTime::Fields f;
    if (!ScheduleFields::IsSet(date) || !date.GetFields(f))
        return;
    AppendDigits(out, f.year, 4);
    AppendDigits(out, f.month, 2);
    AppendDigits(out, f.day, 2);
    if (!byDay) {
        AppendDigits(out, f.hour, 2);
        AppendDigits(out, f.minute, 2);
    }
}

// A by-day end at the very start of its day closes the day before it.
void AppendEnd(std::string& out, const COleDateTime& date, std::int32_t offset, bool byDay) {
    if (!ScheduleFields::IsSet(date))
        return;
    AppendDate(out, byDay && offset == 0 ? date.AddDays(-1) : date, byDay);
}

void AppendOffset(std::string& out, std::int32_t offset) {
    AppendPrintf(out, "%04.2f", offset / 10000.0);
}

class LineWriter {
public:
    LineWriter(std::string& out, const CsvOptions& options)
        : out_(out),
          separator_(options.tabSeparated ? '\t' : ','),
          ignoreLineBreaks_(options.ignoreLineBreaks) {}

    void Write(const CSchedule& s, const std::string& rowPath) {
        const bool byDay = s.IsByDay();
        const bool oneDate = s.GetScheduleType() != 0;
        out_ += rowPath;
        Next();
        out_ += CCsvWriter::Escape(s.GetCaption(), ignoreLineBreaks_);
        Next();
        AppendDate(out_, s.GetStartDate(), byDay);
        Next();
        if (!oneDate)
            AppendEnd(out_, s.GetEndDate(), s.GetEndOffset(), byDay);
        Next();
        if (byDay)
            AppendOffset(out_, s.GetStartOffset());
        Next();
        if (byDay && !oneDate && ScheduleFields::IsSet(s.GetEndDate()))
            AppendOffset(out_, s.GetEndOffset());
        Next();
        AppendDate(out_, s.GetActualStartDate(), byDay);
        Next();
        if (!oneDate)
            AppendEnd(out_, s.GetActualEndDate(), s.GetActualEndOffset(), byDay);
        Next();
        if (s.GetProgressRate() != -1)
            AppendPrintf(out_, "%03.1f", s.GetProgressRate() / 10.0);
        Next();
        AppendColour(s.GetBgColor());
        Next();
        out_ += CCsvWriter::Escape(s.GetRemark(), ignoreLineBreaks_);
        Next();
        if (s.GetPlan() > 0)
            out_ += std::to_string(s.GetPlan());
        Next();
        if (s.GetPlan() > 0)
            out_ += std::to_string(s.GetResults());
        Next();
        if (s.GetWeight() != 1)
            out_ += std::to_string(s.GetWeight());
        out_ += kLineEnd;
    }

private:
    void Next() { out_ += separator_; }

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
    std::string text = Escape(project.GetTitle(), options.ignoreLineBreaks);
    text += kLineEnd;
    text.reserve(text.size() + static_cast<std::size_t>(project.GetSchedules().GetCount()) * 120);
    LineWriter line(text, options);
    project.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (!schedule.IsDeleted())
            line.Write(schedule, paths.Of(schedule.GetRowObjectId()));
    });
    return TextCodec::Utf8ToCp932Lossy(text);
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
