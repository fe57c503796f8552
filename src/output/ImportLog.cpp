#include "ImportLog.h"

#include "DateText.h"
#include "TextCodec.h"

namespace qb {

void ImportLog::Begin(const COleDateTime& now) {
    text_ += "インポート開始 ";
    text_ += DateText::SlashDateTime(now, true, false);
    text_ += "\n";
}

void ImportLog::AboutLine(int line, std::string_view text) {
    text_ += std::to_string(line);
    text_ += text;
}

void ImportLog::Record(int line, std::string_view message) {
    text_ += std::to_string(line);
    text_ += "行目: ";
    text_ += message;
}

void ImportLog::Finish(const std::string& logPath) {
    text_ +=
        "----------------\n"
        "このログは次回のインポートで上書きされますが、自動で削除はされません。\n"
        "削除は手動で行ってください。\n";
    text_ += "ファイルの場所：";
    text_ += logPath;
    text_ += "\n";
}

std::string ImportLog::Bytes() const {
    return TextCodec::Utf8ToCp932Lossy(text_);
}

}  // namespace qb
