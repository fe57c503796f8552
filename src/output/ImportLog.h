#pragma once

#include <string>
#include <string_view>

#include "COleDateTime.h"

namespace qb {

// The text of "__QBRANDIR_IMPORT_LOG.txt": when the import began, one entry
// per line of the import file, and the closing note with the log's own
// place. Held as UTF-8; Bytes gives the file's Shift_JIS form.
class ImportLog {
public:
    static constexpr const char* kFileName = "__QBRANDIR_IMPORT_LOG.txt";

    // "インポート開始 2017/2/24 13:05"
    void Begin(const COleDateTime& now);
    // Text that names the line by its number only: "3" + "行目は空行でした。\n".
    void AboutLine(int line, std::string_view text);
    // A message of a record: "3行目: " + message.
    void Record(int line, std::string_view message);
    // Text of its own, as it stands.
    void Add(std::string_view text) { text_ += text; }
    // The closing note and "ファイルの場所：" with the log's path.
    void Finish(const std::string& logPath);

    const std::string& Text() const { return text_; }
    // The log as written to its file: Shift_JIS, "\n" line ends.
    std::string Bytes() const;

private:
    std::string text_;
};

}  // namespace qb
