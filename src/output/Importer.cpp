#include "Importer.h"

#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "EditStamp.h"
#include "ImportLog.h"
#include "ImportRowRecord.h"
#include "ImportScheduleRecord.h"

namespace qb {
namespace {

using Kind = ImportLineReader::Kind;

constexpr const char* kRowFailed =
    "行目のデータのインポートに失敗しました。段データのインポートに失敗した場合、その行以降のインポ"
    "ートは行わずに中断します。\n";
constexpr const char* kScheduleFailed = "行目のデータのインポートに失敗しました。\n";

bool IsRowRecord(std::string_view text) {
    return text.size() >= 2 && (text[0] == 'R' || text[0] == 'r') &&
           (text[1] == 'A' || text[1] == 'a');
}

// Fewer than two characters, counting a multi-byte character as one.
bool IsShorterThanTwo(std::string_view text) {
    int characters = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80 && ++characters == 2)
            return false;
    }
    return true;
}

const char* SkipReason(Kind kind, bool utf8) {
    switch (kind) {
        case Kind::kTooLong:
            return "行目は長すぎる（65536バイトを超える）ため、読み飛ばしました。\n";
        case Kind::kNotDecodable:
            return utf8 ? "行目はUTF-8として読めない文字を含むため、読み飛ばしました。\n"
                        : "行目はShift_"
                          "JIS（CP932）として読めない文字を含むため、読み飛ばしました。\n";
        case Kind::kUtf8:
            return "行目はUTF-8で書かれているため、読み飛ばしました。ファイルはShift_JISか、BOM付き"
                   "のUTF-8で保存してください。\n";
        case Kind::kBinary:
            return "行目はテキストではない（NUL文字を含む）ため、読み飛ばしました。\n";
        case Kind::kText:
            break;
    }
    return "";
}

}  // namespace

ImportSummary Importer::Run(std::istream& in) {
    ImportLineReader reader(in);
    ImportLineReader::Line line;
    while (reader.Next(line)) {
        if (line.number == 1 && reader.IsUtf8())
            log_.Add("ファイルの先頭にBOMがあるため、UTF-8のファイルとして読み込みます。\n");
        if (line.kind != Kind::kText) {
            if (!Skip(line, SkipReason(line.kind, reader.IsUtf8())))
                break;
            continue;
        }
        if (!Take(line))
            break;
    }
    return summary_;
}

// A row record that cannot be read stops the import as a failed one would:
// the rows after it would be placed under the wrong parent.
bool Importer::Skip(const ImportLineReader::Line& line, std::string_view reason) {
    log_.AboutLine(line.number, reason);
    if (!line.rowRecord) {
        ++summary_.skipped;
        return true;
    }
    log_.AboutLine(line.number, kRowFailed);
    ++summary_.failed;
    summary_.stopped = true;
    return false;
}

bool Importer::Take(const ImportLineReader::Line& line) {
    if (line.text.empty()) {
        log_.AboutLine(line.number, "行目は空行でした。\n");
        ++summary_.skipped;
        return true;
    }
    if (IsShorterThanTwo(line.text)) {
        log_.AboutLine(line.number, "行目はレコードの種類を示す１列目がありませんでした。\n");
        ++summary_.skipped;
        return true;
    }
    if (!ImportLineReader::SplitFields(line.text, fields_))
        return Skip(line, "行目は列が多すぎる（4096列を超える）ため、読み飛ばしました。\n");
    if (IsRowRecord(line.text))
        return TakeRow(line.number);
    TakeSchedule(line.number);
    return true;
}

bool Importer::TakeRow(int line) {
    std::optional<ImportRowRecord::Result> record =
        ImportRowRecord::Read(fields_, project_, lastLevel_, defaultRowHeight_, log_, line);
    if (!record) {
        log_.AboutLine(line, kRowFailed);
        ++summary_.failed;
        summary_.stopped = true;
        return false;
    }
    Place(std::move(record->row), record->level);
    log_.Record(line, "インポートに成功しました。\n");
    ++summary_.rows;
    return true;
}

// Level 0 is the top of the tree; the previous row's level makes a sibling,
// one deeper a child, a shallower one a sibling of its ancestor there.
void Importer::Place(std::unique_ptr<CRow> row, int level) {
    CRowArray* holder = &project_.GetRows();
    if (level > 0 && level > lastLevel_) {
        holder = &lastRow_->GetChildren();
    } else if (level > 0) {
        CRow* sibling = lastRow_;
        for (int up = lastLevel_; up > level; --up)
            sibling = sibling->GetParentRow();
        holder = sibling->GetHolder();
    }
    row->SetObjectId(project_.NewObjectId());
    stamp_.Created(*row);
    CRow& placed = *row;
    holder->Add(std::move(row));
    rows_.RowAdded(placed);
    lastRow_ = &placed;
    lastLevel_ = level;
}

void Importer::TakeSchedule(int line) {
    std::unique_ptr<CSchedule> schedule = ImportScheduleRecord::Read(fields_, rows_, log_, line);
    if (!schedule) {
        log_.AboutLine(line, kScheduleFailed);
        ++summary_.failed;
        return;
    }
    schedule->SetObjectId(project_.NewObjectId());
    stamp_.Created(*schedule);
    project_.GetSchedules().Add(std::move(schedule));
    log_.Record(line, "インポートに成功しました。\n");
    ++summary_.schedules;
}

}  // namespace qb
